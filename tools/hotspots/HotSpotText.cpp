#include "hotspots/HotSpotText.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <sstream>

namespace {

bool ParseNumber(const std::string& word, long long low, long long high, long long& value) {
  if (word.empty()) return false;
  errno = 0;
  char* end = nullptr;
  value = std::strtoll(word.c_str(), &end, 10);
  return errno == 0 && *end == '\0' && value >= low && value <= high;
}

// Reads the rest of the line as coordinates; false on a word that is not one, or an odd count.
bool ParsePoints(std::istringstream& words, std::vector<platform::Point>& points, std::string& problem) {
  std::vector<int32_t> numbers;
  for (std::string word; words >> word;) {
    long long value = 0;
    if (!ParseNumber(word, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), value)) {
      problem = "\"" + word + "\" is not a 32-bit coordinate";
      return false;
    }
    numbers.push_back(static_cast<int32_t>(value));
  }
  if (numbers.size() % 2 != 0) {
    problem = "coordinates come in pairs";
    return false;
  }
  for (size_t i = 0; i < numbers.size(); i += 2) points.push_back({numbers[i], numbers[i + 1]});
  return true;
}

bool ParseLine(const std::string& line, std::vector<HotSpot>& regions, std::string& problem) {
  std::istringstream words(line.substr(0, line.find('#')));
  std::string idWord, kind;
  if (!(words >> idWord)) return true;
  long long id = 0;
  if (!ParseNumber(idWord, 0, std::numeric_limits<uint32_t>::max(), id)) {
    problem = "\"" + idWord + "\" is not an id";
    return false;
  }
  std::vector<platform::Point> points;
  if (!(words >> kind) || !ParsePoints(words, points, problem)) {
    if (problem.empty()) problem = "no kind after the id";
    return false;
  }
  uint32_t type = kind == "rect" ? HotSpot::kRectangle : kind == "circle" ? HotSpot::kCircle
                : kind == "poly" ? HotSpot::kPolygon : HotSpot::kNone;
  if (type == HotSpot::kNone) {
    problem = "unknown kind \"" + kind + "\" (rect, circle or poly)";
    return false;
  }
  bool fits = type == HotSpot::kPolygon ? points.size() >= 3 : points.size() == 2;
  if (!fits) {
    problem = kind + (type == HotSpot::kPolygon ? " needs three points or more" : " needs exactly four numbers");
    return false;
  }
  regions.emplace_back(static_cast<uint32_t>(id), type, points.size(), points.data());
  return true;
}

}  // namespace

bool ParseHotSpotText(const std::string& text, const std::string& sourceName, std::vector<HotSpot>& regions,
                      std::string& error) {
  std::istringstream lines(text);
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string problem;
    if (ParseLine(line, regions, problem)) continue;
    error = sourceName + ":" + std::to_string(number) + ": " + problem;
    return false;
  }
  return true;
}
