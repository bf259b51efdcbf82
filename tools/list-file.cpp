// Lists a record file (creator, type, version and every chunk's tag and length) or prints a
// tuning file's sections: how a person checks a saved game, the preferences or tuning.
#include <cstdio>
#include <string>

#include "Drovane/FourCharCode.h"
#include "Drovane/RecordFile.h"
#include "platform/FileHandle.h"
#include "platform/ProfileFile.h"
#include "platform/Process.h"

namespace {

bool StartsLikeARecordFile(const std::string& path) {
  int handle = platform::OpenFile(path, platform::kFileRead);
  if (handle < 0) return false;
  char magic[4] = {};
  bool record = platform::ReadFile(handle, magic, 4) == 4 && std::string(magic, 4) == "VIFF";
  platform::CloseFile(handle);
  return record;
}

int ListRecordFile(const std::string& path) {
  RecordFile file(path.c_str());
  if (!file.OpenForRead()) {
    std::printf("cannot be read as a record file\n");
    return 1;
  }
  std::printf("creator  %s (0x%08X)\n", FourCCText(file.GetCreator()).c_str(), file.GetCreator());
  std::printf("type     %s (0x%08X)\n", FourCCText(file.GetFileType()).c_str(), file.GetFileType());
  std::printf("version  0x%X\n", file.GetTypeVersion());
  std::printf("length   %lld%s\n", static_cast<long long>(file.GetLength()),
              file.IsComplete() ? "" : " (differs from the header: not closed properly)");
  uint32_t count = 0;
  for (bool more = file.GetChunkLength() > 0; more; more = file.NextChunk(), ++count)
    std::printf("chunk %4u  %s (0x%08X)  length %d\n", file.GetChunkIndex(), FourCCText(file.GetChunkTag()).c_str(),
                file.GetChunkTag(), file.GetChunkLength());
  std::printf("%u chunks\n", count);
  if (!file.HasError()) return 0;
  std::printf("damaged: the chunk after the last one listed has a bad header\n");
  return 1;
}

void PrintValue(const platform::ProfileFile& file, const std::string& section, int32_t i) {
  std::string prefix = "Ctrl" + std::to_string(i);
  const std::string* value = file.Find(section, prefix + "_Value");
  const std::string* type = file.Find(section, prefix + "_DataType");
  std::printf("  %-8s %-16s %s\n", prefix.c_str(), value ? value->c_str() : "(missing: 0)",
              type ? type->c_str() : "(missing: integer)");
}

int PrintTuningFile(const std::string& path) {
  platform::ProfileFile file;
  if (!file.Load(path)) {
    std::printf("cannot be read\n");
    return 1;
  }
  for (const platform::ProfileFile::Section& section : file.Sections()) {
    std::printf("[%s]\n", section.name.c_str());
    if (const std::string* redirect = file.Find(section.name, "Redirect"))
      std::printf("  redirected to %s\n", redirect->c_str());
    int32_t count = file.GetInt(section.name, "NumCtrl", -102);
    if (count == -102) {
      std::printf("  no NumCtrl: the section is not read\n");
      continue;
    }
    std::printf("  NumCtrl %d%s\n", count, count < 0 ? " (ignored)" : "");
    for (int32_t i = 0; i < count && i < 50; ++i) PrintValue(file, section.name, i);
    if (count > 50) std::printf("  (values beyond 50 are never read)\n");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE\n  lists a record file (saved game, preferences, key bindings)\n"
                         "  or prints the sections of a tuning file\n", argv[0]);
    return 2;
  }
  std::string path = platform::ToGamePath(argv[1]);
  return StartsLikeARecordFile(path) ? ListRecordFile(path) : PrintTuningFile(path);
}
