// Writes the program's resource file: a record file with one chunk per resource, tagged
// with the resource's id. Arguments: the output file, then ID=FILE pairs.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Drovane/RecordFile.h"
#include "platform/FileHandle.h"
#include "platform/ProgramResources.h"
#include "platform/Process.h"

namespace {

bool AddResource(RecordFile& out, const std::string& argument) {
  size_t equals = argument.find('=');
  char* end = nullptr;
  unsigned long id = std::strtoul(argument.c_str(), &end, 10);
  if (equals == std::string::npos || end != argument.c_str() + equals || equals == 0 || id > 0xFFFFFFFF) {
    std::fprintf(stderr, "make-resources: expected ID=FILE, got %s\n", argument.c_str());
    return false;
  }
  std::string data;
  std::string path = platform::ToGamePath(argument.substr(equals + 1));
  if (!platform::ReadWholeFile(path, data)) {
    std::fprintf(stderr, "make-resources: cannot read %s\n", path.c_str());
    return false;
  }
  return out.WriteChunk(static_cast<uint32_t>(id), data.data(), data.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT [ID=FILE]...\n", argv[0]);
    return 2;
  }
  std::string output = platform::ToGamePath(argv[1]);
  RecordFile out(output.c_str());
  if (!out.OpenForWrite(platform::kResourceCreator, platform::kResourceFileType, platform::kResourceTypeVersion)) {
    std::fprintf(stderr, "make-resources: cannot write %s\n", argv[1]);
    return 1;
  }
  for (int i = 2; i < argc; ++i)
    if (!AddResource(out, argv[i])) return 1;  // the unfinished file is thrown away
  if (out.Close()) return 0;
  std::fprintf(stderr, "make-resources: cannot write %s\n", argv[1]);
  return 1;
}
