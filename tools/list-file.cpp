// Lists a record file (creator, type, version and every chunk's tag and length, and for the
// key-binding file each binding) or prints a tuning file's sections: how a person checks a saved game, the preferences or tuning.
// Exits 0 only for a file it could read whole; 1 for a file it could not read, a damaged
// record file or one that is neither kind; 2 for a wrong command line.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "Drovane/FourCharCode.h"
#include "Drovane/RecordFile.h"
#include "game/KeyBindingFile.h"
#include "platform/FileHandle.h"
#include "platform/ProfileFile.h"
#include "platform/Process.h"
#include "platform/WholeFile.h"

namespace {

// The four bytes of a code in the order the file holds them.
std::string DiskText(uint32_t code) {
  std::string text;
  for (int shift = 0; shift < 32; shift += 8) {
    char c = static_cast<char>(code >> shift);
    text += c >= 0x20 && c < 0x7F ? c : '.';
  }
  return text;
}

void PrintHeaderCode(const char* field, uint32_t code) {
  std::printf("%-8s %s on disk (code %s, 0x%08X)\n", field, DiskText(code).c_str(), FourCCText(code).c_str(), code);
}

// The chunk's binding as the game would load it, or why the game skips it.
void PrintKeyBinding(RecordFile& file) {
  uint8_t bytes[kKeyBindingSize];
  if (file.GetChunkDataSize() < static_cast<int32_t>(kKeyBindingSize) || !file.ReadChunkData(bytes, sizeof bytes)) {
    std::printf("            too short for a binding: skipped\n");
    return;
  }
  KeyBinding binding = DecodeKeyBinding(bytes);
  std::printf("            %s %d  command %d  control %d  modifiers %d", binding.device == 0 ? "key" : "joystick",
              binding.device, binding.command, binding.control, binding.modifiers);
  KeyBinding checked = binding;
  std::printf("%s\n", IsValidKeyBinding(checked) ? "" : "  (invalid: skipped)");
}

int ListRecordFile(const std::string& path, int64_t size) {
  if (size < RecordFile::kHeaderSize) {
    std::printf("damaged: header cut short (%lld of %d bytes)\n", static_cast<long long>(size),
                RecordFile::kHeaderSize);
    return 1;
  }
  RecordFile file(path.c_str());
  if (!file.OpenForRead()) {
    std::printf("cannot be read as a record file\n");
    return 1;
  }
  PrintHeaderCode("creator", file.GetCreator());
  PrintHeaderCode("type", file.GetFileType());
  std::printf("version  0x%X\n", file.GetTypeVersion());
  bool complete = file.IsComplete();
  std::printf("length   %lld%s\n", static_cast<long long>(size),
              complete ? "" : " (differs from the header's length field: not closed properly)");
  bool keyBindings = file.GetCreator() == kKeyBindingFileCode && file.GetFileType() == kKeyBindingFileCode;
  uint32_t count = 0;
  for (bool more = file.GetChunkLength() > 0; more; more = file.NextChunk(), ++count) {
    std::printf("chunk %4u  %s (0x%08X)  length %d\n", file.GetChunkIndex(), FourCCText(file.GetChunkTag()).c_str(),
                file.GetChunkTag(), file.GetChunkLength());
    if (keyBindings) PrintKeyBinding(file);
  }
  std::printf("%u chunks\n", count);
  if (file.HasError()) std::printf("damaged: the chunk after the last one listed has a bad header\n");
  return complete && !file.HasError() ? 0 : 1;
}

void PrintValue(const platform::ProfileFile& file, const std::string& section, int32_t i) {
  std::string prefix = "Ctrl" + std::to_string(i);
  const std::string* value = file.Find(section, prefix + "_Value");
  const std::string* type = file.Find(section, prefix + "_DataType");
  std::printf("  %-8s %-16s %s\n", prefix.c_str(), value ? value->c_str() : "(missing: 0)",
              type ? type->c_str() : "(missing: integer)");
}

void PrintSection(const platform::ProfileFile& file, const std::string& name) {
  std::printf("[%s]\n", name.c_str());
  if (const std::string* redirect = file.Find(name, "Redirect")) std::printf("  redirected to %s\n", redirect->c_str());
  int32_t count = file.GetInt(name, "NumCtrl", -102);
  if (count == -102) {
    std::printf("  no NumCtrl: the section is not read\n");
    return;
  }
  std::printf("  NumCtrl %d%s\n", count, count < 0 ? " (ignored)" : "");
  for (int32_t i = 0; i < count && i < 50; ++i) PrintValue(file, name, i);
  if (count > 50) std::printf("  (values beyond 50 are never read)\n");
}

// A tuning file is text with at least one section; anything else is neither kind.
int PrintTuningFile(const std::string& text) {
  platform::ProfileFile file;
  file.Parse(text);
  if (file.Sections().empty()) {
    std::printf("neither a record file nor a tuning file\n");
    return 1;
  }
  for (const platform::ProfileFile::Section& section : file.Sections()) PrintSection(file, section.name);
  return 0;
}

// A record file's header begins "VIFF"; a file cut inside those bytes is one too.
bool StartsLikeARecordFile(std::string_view start) {
  return !start.empty() && std::string_view("VIFF").starts_with(start.substr(0, 4));
}

bool Fail(const char* path, const std::string& reason) {
  std::fprintf(stderr, "%s: %s\n", path, reason.c_str());
  return false;
}

// The file's size and first four bytes; false, with the path and the reason, when it
// cannot be read.
bool ReadStart(const char* argument, const std::string& path, int64_t& size, std::string& start) {
  int handle = platform::OpenFile(path, platform::kFileRead);
  if (handle < 0) return Fail(argument, platform::LastFileFailure());
  size = platform::FileLength(handle);
  start.resize(4);
  int64_t got = platform::ReadFile(handle, start.data(), start.size());
  int error = errno;
  platform::CloseFile(handle);
  if (size < 0 || got < 0) return Fail(argument, std::strerror(error));
  start.resize(static_cast<size_t>(got));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE\n  lists a record file (saved game, preferences, key bindings)\n"
                         "  or prints the sections of a tuning file\n", argv[0]);
    return 2;
  }
  std::string path = platform::ToGamePath(argv[1]);
  int64_t size = 0;
  std::string start;
  if (!ReadStart(argv[1], path, size, start)) return 1;
  if (StartsLikeARecordFile(start)) return ListRecordFile(path, size);
  std::string text;
  if (!platform::ReadWholeFile(path, text, platform::ProfileFile::kMaxFileSize)) {
    Fail(argv[1], "larger than a tuning file can be (16 MB), or unreadable");
    return 1;
  }
  return PrintTuningFile(text);
}
