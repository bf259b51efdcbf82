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
      "COUNTS: seven numbers separated by commas\n",
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

bool ReadInput(const std::string& path, std::vector<uint8_t>& bytes) {
  std::string contents;
  if (!platform::ReadWholeFile(path, contents)) {
    std::fprintf(stderr, "pel3d-write: cannot read %s\n", path.c_str());
    return false;
  }
  bytes.assign(contents.begin(), contents.end());
  return true;
}

// The bodies a text file describes; false (with a message) when it cannot be read.
bool ReadBodies(const std::string& path, std::vector<BodyDescription>& bodies) {
  std::string text;
  std::string error;
  if (!platform::ReadWholeFile(path, text)) {
    std::fprintf(stderr, "pel3d-write: cannot read %s\n", path.c_str());
    return false;
  }
  if (!ParseBodyText(text, bodies, error)) {
    std::fprintf(stderr, "pel3d-write: %s: %s\n", path.c_str(), error.c_str());
    return false;
  }
  return true;
}

// One "cmap", "group", "body", "bodies" or "idbodies" item at args[i]; i moves past it.
// False on a bad item.
bool AddResourceItem(ResourceFileWriter& writer, const std::vector<std::string>& args, size_t& i) {
  const std::string& what = args[i];
  std::vector<uint8_t> bytes;
  GroupCounts counts;
  uint32_t number = 0;
  if (what == "cmap" && i + 2 < args.size()) {
    ColourMapBytes colours{};
    if (!ReadInput(args[i + 2], bytes) || bytes.size() != colours.size()) return false;
    std::memcpy(colours.data(), bytes.data(), colours.size());
    i += 3;
    return writer.AddColourMap(args[i - 2], colours);
  }
  if (what == "group" && i + 4 < args.size()) {
    if (!ParseNumber(args[i + 2], number) || !ParseCounts(args[i + 3], counts) || !ReadInput(args[i + 4], bytes))
      return false;
    i += 5;
    return writer.AddNamedGroup(args[i - 4], number, counts, bytes);
  }
  std::vector<BodyDescription> bodies;
  if (what == "bodies" && i + 2 < args.size()) {
    if (!ReadBodies(args[i + 2], bodies)) return false;
    i += 3;
    return AddBodyGroup(writer, args[i - 2], bodies);
  }
  if (what == "idbodies" && i + 1 < args.size()) {
    if (!ReadBodies(args[i + 1], bodies)) return false;
    i += 2;
    AddIdBodies(writer, bodies);
    return true;
  }
  if (what == "body" && i + 3 < args.size()) {
    if (!ParseNumber(args[i + 1], number) || !ParseCounts(args[i + 2], counts) || !ReadInput(args[i + 3], bytes))
      return false;
    i += 4;
    writer.AddIdBody(number, counts, bytes);
    return true;
  }
  return false;
}

int WriteResource(const std::string& out, const std::vector<std::string>& args) {
  ResourceFileWriter writer;
  for (size_t i = 0; i < args.size();) {
    const size_t item = i;
    if (!AddResourceItem(writer, args, i)) {
      std::fprintf(stderr, "pel3d-write: bad item at \"%s\"\n", args[item].c_str());
      return Usage();
    }
  }
  return writer.Save(out) ? 0 : (std::fprintf(stderr, "pel3d-write: cannot write %s\n", out.c_str()), 1);
}

int WriteBitmaps(const std::string& out, const std::vector<std::string>& args) {
  if (args.size() % 3 != 0) return Usage();
  BitmapFileWriter writer;
  for (size_t i = 0; i < args.size(); i += 3) {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> pixels;
    if (!ParseNumber(args[i], width) || !ParseNumber(args[i + 1], height) || !ReadInput(args[i + 2], pixels) ||
        !writer.AddBitmap(width, height, pixels)) {
      std::fprintf(stderr, "pel3d-write: bad bitmap %s\n", args[i + 2].c_str());
      return 1;
    }
  }
  return writer.Save(out) ? 0 : (std::fprintf(stderr, "pel3d-write: cannot write %s\n", out.c_str()), 1);
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
