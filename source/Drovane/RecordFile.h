#pragma once
#include <cstddef>
#include <cstdint>

#include "Drovane/BinaryFile.h"
#include "Drovane/FourCharCode.h"

// The fields of a record file's 28-byte header, all unsigned 32-bit little-endian on disk.
struct RecordFileHeader {
  uint32_t magic = 0;          // the bytes "VIFF"
  uint32_t formatVersion = 0;  // 2
  uint32_t creator = 0;
  uint32_t fileType = 0;
  uint32_t typeVersion = 0;
  uint32_t fileLength = 0;     // the whole file; 28 while a write is in progress
  uint32_t reserved = 0;       // 1
};

// The container of the files the game writes itself (preferences, key bindings, saved
// games): a 28-byte header naming creator, type and type version, then tagged chunks back to
// back, each a tag, a length (8 + data bytes) and the data.
//
// Reading walks the chunks forwards and checks every header against the file: a chunk
// shorter than its own header, a header cut short or a chunk running past the end sets the
// error flag, after which this object reads no more chunks. Writing with OpenForWrite goes
// to a temporary sibling that replaces the file only when Close finds every write done and
// its bytes on the disk; OpenForAppend writes into the file itself.
class RecordFile : public BinaryFile {
public:
  static constexpr uint32_t kMagic = FourCC("FFIV");  // "VIFF" on disk
  static constexpr uint32_t kFormatVersion = 2;
  static constexpr int32_t kHeaderSize = 28;
  static constexpr int32_t kChunkHeaderSize = 8;
  // The largest chunk data a signed 32-bit length can describe.
  static constexpr size_t kMaxChunkData = 0x7FFFFFFF - kChunkHeaderSize;

  RecordFile();
  explicit RecordFile(const char* name);
  ~RecordFile() override;

  // Results are 1 for success and 0 for failure unless said otherwise.
  virtual int OpenForRead();
  // A new file gets the permission bits; a file it replaces keeps its own.
  virtual int OpenForWrite(uint32_t creator, uint32_t fileType, uint32_t typeVersion,
                           int permission = kPermissionReadWrite);
  virtual int OpenForAppend();
  // A file being written is finished first; 0 when any write, the finish, the close or the
  // replacement of the old file failed (the old file then stays as it was).
  int Close() override;

  virtual uint32_t GetChunkTag() const { return mChunkTag; }
  virtual int32_t GetChunkLength() const { return mChunkLength; }
  // 0 when there is no current chunk.
  virtual int32_t GetChunkDataSize() const;
  virtual uint32_t GetChunkIndex() const { return mChunkIndex; }
  // Whether the file's size equals the header's length field (a closed file is opened and
  // left open).
  virtual int IsComplete();
  virtual int ReadHeader();
  virtual int ReadChunkHeader();
  // The header fields; a closed file is opened for the moment. 0 when it cannot be read.
  virtual uint32_t GetCreator();
  virtual uint32_t GetFileType();
  virtual uint32_t GetTypeVersion();
  // Fills a record laid out as tag, length and data with the current chunk: size counts the
  // two words, so it must be at least 8.
  virtual int ReadChunkRecord(void* record, size_t size);
  // Reads at most size bytes of the current chunk's data.
  virtual int ReadChunkData(void* buffer, size_t size);
  virtual int FirstChunk();
  virtual int NextChunk();
  // Goes to the chunk before the current one; returns the index reached.
  virtual uint32_t PreviousChunk();
  virtual int GoToChunk(uint32_t n);
  virtual int FindChunk(uint32_t tag);
  // Searches from the chunk after the current one.
  virtual int FindNextChunk(uint32_t tag);
  // The number of chunks in the file.
  virtual uint32_t CountChunks();
  // Writes a record laid out as tag, length and data; sets its length word first.
  virtual int WriteChunkRecord(void* record, size_t dataSize);
  virtual int WriteChunk(uint32_t tag, const void* data, size_t size);
  virtual int WriteHeader(uint32_t creator, uint32_t fileType, uint32_t typeVersion);
  // Cuts the file at the current position and writes its length into the header.
  virtual int FinishWrite();

  // Whether a bad chunk header was met.
  bool HasError() const { return mError; }
  // The header as read by OpenForRead or written by OpenForWrite.
  const RecordFileHeader& GetHeader() const { return mHeader; }
  int GetMode() const { return mMode; }

private:
  enum Mode { kNotOpened = 0, kReading = 1, kWriting = 2 };

  bool ReadAt(int64_t offset, void* buffer, size_t size);
  bool Write(const void* data, size_t size);
  // Close's end of a new file: the temporary sibling replaces the file.
  int CommitNewFile();
  bool CanWalk() const { return IsOpen() && !mError; }
  bool HasChunk() const { return mChunkLength >= kChunkHeaderSize; }

  int64_t mChunkOffset = 0;
  uint32_t mChunkTag = 0;
  int32_t mChunkLength = 0;
  uint32_t mChunkIndex = 0;
  Mode mMode = kNotOpened;
  bool mFinished = false;
  bool mError = false;
  bool mWriteFailed = false;
  std::string mTemporaryName;  // set while a new file is written beside the old one
  RecordFileHeader mHeader;
};

// Finds the first chunk with the tag after the first chunk and reads its data.
int ReadTaggedChunk(RecordFile& file, uint32_t tag, void* buffer, size_t size);
// Finds the next chunk with the tag after the current one and reads its data.
int ReadNextTaggedChunk(RecordFile& file, uint32_t tag, void* buffer, size_t size);
int WriteTaggedChunk(RecordFile& file, uint32_t tag, const void* data, size_t size);
