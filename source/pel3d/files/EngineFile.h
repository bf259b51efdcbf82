#pragma once
#include <cstdint>
#include <string>

// A file the engine reads on its own (bitmap files), through the platform's file layer so
// that a game path resolves whatever its separators and letter case; closed when the
// object goes.
class EngineFile {
public:
  explicit EngineFile(const std::string& path);
  ~EngineFile();
  EngineFile(const EngineFile&) = delete;
  EngineFile& operator=(const EngineFile&) = delete;

  bool IsOpen() const { return mHandle >= 0; }
  // The length in bytes; -1 when it cannot be had.
  int64_t Length() const;
  // Whether exactly size bytes were read.
  bool Read(void* destination, uint64_t size);
  // Whether the file now stands at offset.
  bool Seek(uint64_t offset);

private:
  int mHandle;
};
