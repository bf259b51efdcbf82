#include "cityview/CityViewOptions.h"

#include <charconv>
#include <cstring>
#include <vector>

namespace {

bool ReadNumber(const char* text, int& value) {
  const char* end = text + std::strlen(text);
  auto [stop, result] = std::from_chars(text, end, value);
  return result == std::errc() && stop == end && stop != text;
}

// The option's number into value; an error when it is missing or not a whole number.
bool TakeNumber(int argc, char** argv, int& i, int& value, std::string& error) {
  if (i + 1 >= argc || !ReadNumber(argv[i + 1], value)) {
    error = std::string(argv[i]) + " needs a whole number";
    return false;
  }
  ++i;
  return true;
}

bool TakeOption(int argc, char** argv, int& i, CityViewOptions& options, std::string& error) {
  const std::string name = argv[i];
  if (name == "--night") return options.night = true;
  if (name == "--untextured-ground") return options.untexturedGround = true;
  int value = 0;
  if (name == "--x" || name == "--z" || name == "--heading") {
    if (!TakeNumber(argc, argv, i, value, error)) return false;
    (name == "--x" ? options.x : name == "--z" ? options.z : options.heading) = value;
    return true;
  }
  int* field = name == "--height"    ? &options.height
               : name == "--pitch"   ? &options.pitch
               : name == "--depth"   ? &options.depth
               : name == "--seconds" ? &options.seconds
                                     : nullptr;
  if (!field) {
    error = "unknown option " + name;
    return false;
  }
  return TakeNumber(argc, argv, i, *field, error);
}

}  // namespace

std::string CityViewUsage() {
  return "usage: city-view CITY OUT.png [--x X --z Z] [--height H] [--heading DEGREES] [--pitch DEGREES] "
         "[--night] [--depth 13-61] [--untextured-ground] [--seconds S]";
}

CityViewOptions ParseCityViewOptions(int argc, char** argv, std::string& error) {
  CityViewOptions options;
  error.clear();
  std::vector<std::string> files;
  for (int i = 0; i < argc && error.empty(); ++i) {
    if (std::strncmp(argv[i], "--", 2) == 0) {
      TakeOption(argc, argv, i, options, error);
    } else {
      files.emplace_back(argv[i]);
    }
  }
  if (!error.empty()) return options;
  if (files.size() != 2) {
    error = "a city and a picture are needed";
    return options;
  }
  if (options.x.has_value() != options.z.has_value()) error = "--x and --z go together";
  const auto onMap = [](std::optional<int> v) { return !v || (*v >= -8192 && *v < 8192); };
  if (!onMap(options.x) || !onMap(options.z)) error = "--x and --z lie from -8192 to 8191";
  if (options.height < 0 || options.height > 16000) error = "--height lies from 0 to 16000";
  if (options.depth < 13 || options.depth > 61) error = "--depth lies from 13 to 61";
  if (options.seconds < 0 || options.seconds > 3600) error = "--seconds lies from 0 to 3600";
  options.city = files[0];
  options.output = files[1];
  return options;
}
