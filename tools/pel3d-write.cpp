// Writes the 3D engine's files from raw parts:
//   pel3d-write resource OUT [cmap NAME PALETTE | group NAME BODIES COUNTS FILE | body ID COUNTS FILE |
//                             bodies NAME TEXT | idbodies TEXT]...
//   pel3d-write bitmaps OUT [WIDTH HEIGHT PIXELS]...
// PALETTE holds 768 bytes (256 x red, green, blue); PIXELS WIDTH x HEIGHT palette indices,
// top row first; FILE the bodies' bytes; COUNTS the seven block counts, comma-separated.
// TEXT describes bodies (enginefiles/BodyText.h); "bodies" makes them a named group,
// "idbodies" gives each an id record of its own, their counts worked out from the bodies.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "enginefiles/BitmapFileWriter.h"
#include "enginefiles/BodyText.h"
#include "enginefiles/BodyWriter.h"
#include "enginefiles/ResourceFileWriter.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"

namespace {

int Usage() {
  std::fputs(
      "usage: pel3d-write resource OUT [cmap NAME PALETTE | group NAME BODIES COUNTS FILE |"
      " body ID COUNTS FILE | bodies NAME TEXT | idbodies TEXT]...\n"
      "       pel3d-write bitmaps OUT [WIDTH HEIGHT PIXELS]...\n"
      "COUNTS: seven numbers separated by commas\n"
      "exit status: 0 written, 1 refused (the reason on stderr), 2 a command line of the wrong form\n",
      stderr);
  return 2;
}

bool ParseNumber(const std::string& text, uint32_t& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  unsigned long long parsed = std::strtoull(text.c_str(), &end, 0);
  if (*end != '\0' || parsed > UINT32_MAX || text[0] == '-') return false;
  value = static_cast<uint32_t>(parsed);
  return true;
}

bool ParseCounts(const std::string& text, GroupCounts& counts) {
  size_t start = 0;
  for (uint32_t i = 0; i < kGroupCountCount; ++i) {
    size_t comma = text.find(',', start);
    bool last = i + 1 == kGroupCountCount;
    if (last != (comma == std::string::npos)) return false;
    if (!ParseNumber(text.substr(start, comma - start), counts.values[i])) return false;
    start = comma + 1;
  }
  return true;
}

// Every refusal prints one line naming its cause and makes the tool exit with status 1;
// a command line of the wrong form exits with status 2.
constexpr int kRefused = 1;

bool Refuse(const std::string& why) {
  std::fprintf(stderr, "pel3d-write: %s\n", why.c_str());
  return false;
}

bool ReadInput(const std::string& path, std::vector<uint8_t>& bytes) {
  std::string contents;
  if (!platform::ReadWholeFile(path, contents)) return Refuse("cannot read " + path);
  bytes.assign(contents.begin(), contents.end());
  return true;
}

// The bodies a text file describes; false (with a message) when it cannot be read or
// describes a body the engine would refuse.
bool ReadBodies(const std::string& path, std::vector<BodyDescription>& bodies) {
  std::string text;
  std::string error;
  if (!platform::ReadWholeFile(path, text)) return Refuse("cannot read " + path);
  if (!ParseBodyText(text, bodies, error)) return Refuse(path + ": " + error);
  return true;
}

bool CheckName(const std::string& name) {
  if (name.size() <= kGroupNameSize) return true;
  return Refuse("name \"" + name + "\" is " + std::to_string(name.size()) + " bytes, at most " +
                std::to_string(kGroupNameSize));
}

// How many words an item takes, its keyword included; 0 for an unknown keyword.
size_t ItemLength(const std::string& what) {
  if (what == "cmap" || what == "bodies") return 3;
  if (what == "group") return 5;
  if (what == "body") return 4;
  if (what == "idbodies") return 2;
  return 0;
}

bool AddColourMap(ResourceFileWriter& writer, const std::string& name, const std::string& path) {
  ColourMapBytes colours{};
  std::vector<uint8_t> bytes;
  if (!CheckName(name) || !ReadInput(path, bytes)) return false;
  if (bytes.size() != colours.size())
    return Refuse("a colour map needs " + std::to_string(colours.size()) + " bytes, " + path + " has " +
                  std::to_string(bytes.size()));
  std::memcpy(colours.data(), bytes.data(), colours.size());
  return writer.AddColourMap(name, colours);
}

// A group or body given as raw bytes, written as they stand.
bool AddRawBodies(ResourceFileWriter& writer, const std::vector<std::string>& item) {
  const bool named = item[0] == "group";
  const size_t first = named ? 2 : 1;
  uint32_t number = 0;
  GroupCounts counts;
  std::vector<uint8_t> bytes;
  if (!ParseNumber(item[first], number)) return Refuse("not a number: " + item[first]);
  if (!ParseCounts(item[first + 1], counts)) return Refuse("not seven counts: " + item[first + 1]);
  if (!ReadInput(item[first + 2], bytes)) return false;
  if (!named) {
    writer.AddIdBody(number, counts, bytes);
    return true;
  }
  return CheckName(item[1]) && writer.AddNamedGroup(item[1], number, counts, bytes);
}

bool AddDescribedBodies(ResourceFileWriter& writer, const std::vector<std::string>& item) {
  std::vector<BodyDescription> bodies;
  std::string error;
  const bool named = item[0] == "bodies";
  if ((named && !CheckName(item[1])) || !ReadBodies(item.back(), bodies)) return false;
  const bool added = named ? AddBodyGroup(writer, item[1], bodies, error) : AddIdBodies(writer, bodies, error);
  return added || Refuse(item.back() + ": " + error);
}

bool AddResourceItem(ResourceFileWriter& writer, const std::vector<std::string>& item) {
  if (item[0] == "cmap") return AddColourMap(writer, item[1], item[2]);
  if (item[0] == "group" || item[0] == "body") return AddRawBodies(writer, item);
  return AddDescribedBodies(writer, item);
}

int WriteResource(const std::string& out, const std::vector<std::string>& args) {
  ResourceFileWriter writer;
  for (size_t i = 0; i < args.size();) {
    const size_t length = ItemLength(args[i]);
    if (length == 0 || i + length > args.size()) {
      std::fprintf(stderr, "pel3d-write: bad item at \"%s\"\n", args[i].c_str());
      return Usage();
    }
    const std::vector<std::string> item(args.begin() + static_cast<std::ptrdiff_t>(i),
                                        args.begin() + static_cast<std::ptrdiff_t>(i + length));
    if (!AddResourceItem(writer, item)) return kRefused;
    i += length;
  }
  return writer.Save(out) ? 0 : (Refuse("cannot write " + out), kRefused);
}

bool AddBitmap(BitmapFileWriter& writer, const std::string& widthText, const std::string& heightText,
               const std::string& path) {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint8_t> pixels;
  if (!ParseNumber(widthText, width) || !ParseNumber(heightText, height))
    return Refuse("not a bitmap size: " + widthText + " x " + heightText);
  if (!ReadInput(path, pixels)) return false;
  const uint64_t needed = uint64_t{width} * height;
  if (pixels.size() != needed)
    return Refuse(widthText + " x " + heightText + " needs " + std::to_string(needed) + " bytes, " + path + " has " +
                  std::to_string(pixels.size()));
  return writer.AddBitmap(width, height, pixels);
}

int WriteBitmaps(const std::string& out, const std::vector<std::string>& args) {
  if (args.size() % 3 != 0) return Usage();
  BitmapFileWriter writer;
  for (size_t i = 0; i < args.size(); i += 3) {
    if (!AddBitmap(writer, args[i], args[i + 1], args[i + 2])) return kRefused;
  }
  return writer.Save(out) ? 0 : (Refuse("cannot write " + out), kRefused);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  std::string kind = argv[1];
  std::vector<std::string> args(argv + 3, argv + argc);
  if (kind == "resource") return WriteResource(argv[2], args);
  if (kind == "bitmaps") return WriteBitmaps(argv[2], args);
  return Usage();
}
