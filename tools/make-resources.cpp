// Writes the program's resource file: a record file with one chunk per resource, tagged
// with the resource's id. Arguments: the output file, then ID=FILE pairs, each id once. A
// file whose name ends in ".hspt" holds hot-spot regions in their text form and becomes an
// "HSPT" resource; any other file is taken as it is. The output is readable by all; it is
// replaced only when every input was read and written.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Drovane/RecordFile.h"
#include "hotspots/HotSpotText.h"
#include "hotspots/HotSpotWriter.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"
#include "platform/ProgramResources.h"
#include "platform/Process.h"

namespace {

struct Resource {
  uint32_t id;
  std::string data;
};

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Turns the text form of hot-spot regions into the resource's bytes.
bool ConvertHotSpots(const std::string& sourceName, std::string& data) {
  std::vector<HotSpot> regions;
  std::string error;
  if (!ParseHotSpotText(data, sourceName, regions, error)) {
    std::fprintf(stderr, "make-resources: %s\n", error.c_str());
    return false;
  }
  std::vector<uint8_t> bytes = WriteHotSpots(regions);
  data.assign(bytes.begin(), bytes.end());
  return true;
}

bool ReadResource(const std::string& argument, std::vector<Resource>& resources) {
  size_t equals = argument.find('=');
  char* end = nullptr;
  unsigned long id = std::strtoul(argument.c_str(), &end, 10);
  if (equals == std::string::npos || end != argument.c_str() + equals || equals == 0 || id > 0xFFFFFFFF) {
    std::fprintf(stderr, "make-resources: expected ID=FILE, got %s\n", argument.c_str());
    return false;
  }
  std::string path = platform::ToGamePath(argument.substr(equals + 1));
  for (const Resource& earlier : resources) {
    if (earlier.id != id) continue;
    std::fprintf(stderr, "make-resources: resource id %lu is given twice\n", id);
    return false;
  }
  Resource resource{static_cast<uint32_t>(id), {}};
  if (!platform::ReadWholeFile(path, resource.data)) {
    std::fprintf(stderr, "make-resources: cannot read %s: %s\n", argument.substr(equals + 1).c_str(),
                 platform::LastFileFailure().c_str());
    return false;
  }
  std::string sourceName = argument.substr(equals + 1);
  if (EndsWith(sourceName, ".hspt") && !ConvertHotSpots(sourceName, resource.data)) return false;
  resources.push_back(std::move(resource));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT [ID=FILE]...\n", argv[0]);
    return 2;
  }
  // Every input is read before the output is opened, so a bad input leaves no output behind.
  std::vector<Resource> resources;
  for (int i = 2; i < argc; ++i)
    if (!ReadResource(argv[i], resources)) return 1;
  std::string output = platform::ToGamePath(argv[1]);
  RecordFile out(output.c_str());
  bool written = out.OpenForWrite(platform::kResourceCreator, platform::kResourceFileType,
                                  platform::kResourceTypeVersion, platform::kPermissionReadableByAll);
  for (const Resource& resource : resources)
    written = written && out.WriteChunk(resource.id, resource.data.data(), resource.data.size());
  if (out.Close() && written) return 0;
  std::fprintf(stderr, "make-resources: cannot write %s\n", argv[1]);
  return 1;
}
