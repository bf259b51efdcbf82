#include "pel3d/files/EngineFile.h"

#include "platform/FileHandle.h"

EngineFile::EngineFile(const std::string& path) : mHandle(platform::OpenFile(path, platform::kFileRead)) {}

EngineFile::~EngineFile() {
  if (mHandle >= 0) platform::CloseFile(mHandle);
}

int64_t EngineFile::Length() const { return platform::FileLength(mHandle); }

bool EngineFile::Read(void* destination, uint64_t size) {
  return platform::ReadFile(mHandle, destination, size) == static_cast<int64_t>(size);
}

bool EngineFile::Seek(uint64_t offset) {
  return platform::SeekFile(mHandle, static_cast<int64_t>(offset), 0) == static_cast<int64_t>(offset);
}
