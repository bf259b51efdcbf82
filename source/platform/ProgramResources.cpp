#include "platform/ProgramResources.h"

#include <cstdio>
#include <mutex>

#include "platform/ByteOrder.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"
#include "platform/Process.h"

namespace platform {
namespace {

constexpr size_t kHeaderSize = 28;
constexpr size_t kChunkHeaderSize = 8;

std::mutex gResourceMutex;
std::string gResourcePath;
bool gLoaded = false;
ResourceTable gResources;

std::string ProgramFolder() {
  std::string module = GetModuleFileName();
  size_t slash = module.rfind('\\');
  return slash == std::string::npos ? std::string() : module.substr(0, slash + 1);
}

void LoadResources() {
  gLoaded = true;
  std::string path = gResourcePath.empty() ? ProgramFolder() + kResourceFileName : gResourcePath;
  std::string image;
  if (!ReadWholeFile(path, image)) return;
  std::string error;
  if (!ParseResourceFile(reinterpret_cast<const uint8_t*>(image.data()), image.size(), gResources,
                         error))
    std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
}

}  // namespace

bool ParseResourceFile(const uint8_t* data, size_t size, ResourceTable& table,
                       std::string& error) {
  table.clear();
  if (size < kHeaderSize) {
    error = "shorter than its header";
    return false;
  }
  if (ReadLE32(data) != 0x46464956 || ReadLE32(data + 4) != 2) {  // "VIFF", format 2
    error = "not a record file";
    return false;
  }
  if (ReadLE32(data + 8) != kResourceCreator || ReadLE32(data + 12) != kResourceFileType ||
      ReadLE32(data + 16) != kResourceTypeVersion) {
    error = "not a resource file";
    return false;
  }
  if (ReadLE32(data + 20) != size) {
    error = "length field differs from the file's size";
    return false;
  }
  for (size_t offset = kHeaderSize; offset < size;) {
    if (size - offset < kChunkHeaderSize) {
      error = "chunk header cut short";
      table.clear();
      return false;
    }
    uint32_t id = ReadLE32(data + offset);
    uint32_t length = ReadLE32(data + offset + 4);
    if (length < kChunkHeaderSize || length > size - offset) {
      error = "bad chunk length";
      table.clear();
      return false;
    }
    const uint8_t* begin = data + offset + kChunkHeaderSize;
    table.emplace(id, std::vector<uint8_t>(begin, begin + (length - kChunkHeaderSize)));
    offset += length;
  }
  return true;
}

const std::vector<uint8_t>* FindProgramResource(uint32_t id) {
  std::lock_guard lock(gResourceMutex);
  if (!gLoaded) LoadResources();
  auto found = gResources.find(id);
  return found == gResources.end() ? nullptr : &found->second;
}

void SetResourceFile(const std::string& gamePath) {
  std::lock_guard lock(gResourceMutex);
  gResourcePath = gamePath;
  gResources.clear();
  gLoaded = false;
}

}  // namespace platform
