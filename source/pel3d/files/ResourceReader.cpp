#include "pel3d/files/ResourceReader.h"

#include "Drovane/Arena.h"
#include "pel3d/files/CmapDirectory.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/GeomDirectory.h"
#include "pel3d/files/ResourceByteSource.h"
#include "pel3d/files/ResourceFileFormat.h"
#include "platform/ByteOrder.h"
#include "platform/FileHandle.h"
#include "platform/FilePath.h"

namespace {

constexpr uint32_t kDirectoryArenaSize = 2000;

struct ResourceReaderState {
  int handle = -1;
  std::string name;
  int64_t length = 0;
  int directoryArena = -1;
  bool chunksLoaded = false;  // the chunk directory was read
  ChunkEntry* chunks = nullptr;
  uint32_t chunkCount = 0;
  uint32_t reads = 0;
};

ResourceReaderState gReader;

bool IsOpenFile(const std::string& path) {
  return gReader.handle >= 0 && platform::EqualIgnoringCase(path, gReader.name);
}

// The chunk count and directory, read from the start of the open file.
int ReadChunkEntries() {
  ResourceByteSource source(0, 0);
  const uint8_t* head = source.Take(kChunkDirectoryOffset);
  if (!head) return 0;
  uint32_t count = platform::ReadLE32(head + kChunkCountOffset);
  if (!source.Holds(count, kChunkEntrySize))
    return EngineFail(kErrorBadContent, "the chunk count passes the file's end", kChunkCountOffset);
  ChunkEntry* chunks = ArenaNewArray<ChunkEntry>(gReader.directoryArena, count);
  if (!chunks) return EngineFail(kErrorOutOfMemory, "no memory for the chunk directory");
  const uint8_t* entries = source.Take(count * kChunkEntrySize);
  if (!entries) return 0;
  for (uint32_t i = 0; i < count; ++i) {
    chunks[i].tag = platform::ReadLE32(entries + i * kChunkEntrySize);
    chunks[i].offset = platform::ReadLE32(entries + i * kChunkEntrySize + 4);
  }
  gReader.chunksLoaded = true;
  gReader.chunks = chunks;
  gReader.chunkCount = count;
  return 1;
}

}  // namespace

int OpenResourceFile(const std::string& path) {
  CloseResourceFile();
  int handle = platform::OpenFile(path, platform::kFileRead);
  if (handle < 0) {
    SetLastResourceError(kErrorOpenFailed);
    return 0;
  }
  int arena = ArenaCreate(kDirectoryArenaSize);
  if (arena < 0) {
    platform::CloseFile(handle);
    SetLastResourceError(kErrorOpenFailed);
    return 0;
  }
  gReader.handle = handle;
  gReader.name = path;
  gReader.length = platform::FileLength(handle);
  gReader.directoryArena = arena;
  return 1;
}

int ReadResourceBytes(void* destination, uint32_t count) {
  ++gReader.reads;
  if (platform::ReadFile(gReader.handle, destination, count) != int64_t{count}) {
    SetLastResourceError(kErrorBadContent);
    return 0;
  }
  return 1;
}

uint32_t GetResourceReadCount() { return gReader.reads; }

int SeekResourceFile(uint32_t offset) {
  if (platform::SeekFile(gReader.handle, offset, 0) != int64_t{offset}) {
    SetLastResourceError(kErrorSeekFailed);
    return 0;
  }
  return 1;
}

void CloseResourceFile() {
  if (gReader.handle >= 0) platform::CloseFile(gReader.handle);
  if (gReader.directoryArena >= 0) ArenaDestroy(gReader.directoryArena);
  ResetResourceReader();
}

void ResetResourceReader() {
  gReader = ResourceReaderState{};
  ForgetGeomDirectory();
  ForgetCmapDirectory();
}

int ReadChunkDirectory(const std::string& path) {
  if (IsOpenFile(path)) {
    if (gReader.chunksLoaded) return 1;
    if (!SeekResourceFile(0)) return 0;
    // Read again from the start, of a file that may have changed since it was opened.
    // Nothing else lives in the directory arena before the chunk directory does.
    gReader.length = platform::FileLength(gReader.handle);
    ArenaReset(gReader.directoryArena);
  } else if (!OpenResourceFile(path)) {
    return 0;
  }
  return ReadChunkEntries();
}

const std::string& GetOpenResourceFileName() { return gReader.name; }

int64_t GetResourceFileLength() { return gReader.length; }

bool ResourceBytesExist(uint64_t offset, uint64_t size) {
  uint64_t length = gReader.length > 0 ? static_cast<uint64_t>(gReader.length) : 0;
  return offset <= length && size <= length - offset;
}

int GetDirectoryArena() { return gReader.directoryArena; }

uint32_t GetChunkCount() { return gReader.chunksLoaded ? gReader.chunkCount : 0; }

const ChunkEntry* GetChunk(uint32_t index) {
  return index < GetChunkCount() ? &gReader.chunks[index] : nullptr;
}

const ChunkEntry* FindChunk(uint32_t tag) {
  for (uint32_t i = 0; i < GetChunkCount(); ++i)
    if (gReader.chunks[i].tag == tag) return &gReader.chunks[i];
  return nullptr;
}
