#pragma once
#include <cstdint>
#include <string>

// A named file with a run-time file handle: opened with a mode word, created, closed,
// measured and tested for existence. The base of the record file and of the image readers.
// Names are paths in the game's form; a name that does not fit the game's 260-character
// buffers is refused with a debug line.
class BinaryFile {
public:
  // Mode words: bits 0-1 access (0 read, 1 write, 2 both), bit 3 append, bits 4-7 sharing
  // (no effect here), bit 8 ignored (creation goes by the create flag), bit 9 truncate,
  // bit 10 exclusive, bits 14-15 text or binary (every file is binary).
  static constexpr uint16_t kModeReadDenyWrite = 0x8020;
  static constexpr uint16_t kModeReadWrite = 0x8002;
  static constexpr uint16_t kModeRead = 0;
  static constexpr int kPermissionReadWrite = 384;

  BinaryFile() = default;
  explicit BinaryFile(const char* name);
  virtual ~BinaryFile();
  BinaryFile(const BinaryFile&) = delete;
  BinaryFile& operator=(const BinaryFile&) = delete;

  // Results are 1 for success and 0 for failure.
  // Already open: 1 at once. A non-null name replaces the stored one (an empty one fails).
  // A missing file is created only with the create flag.
  int Open(const char* name, uint16_t mode, int permission, bool create);
  // Creates a new file, open for reading and writing; fails when it already exists.
  int Create(const char* name, int permission);
  virtual int Close();
  // The length in bytes; a closed file is opened for the moment. -1 when it cannot be.
  int64_t GetLength();
  // Whether the named file (the stored name when null) exists, without opening it.
  int Exists(const char* name = nullptr) const;
  // Copies the name when the file is closed (a name that does not fit empties it); returns
  // whether it was closed.
  int SetName(const char* name);

  bool IsOpen() const { return mHandle >= 0; }
  const std::string& GetName() const { return mName; }
  int GetHandle() const { return mHandle; }

protected:
  // Whether the name fits the game's path buffers; a debug line says when it does not.
  static bool NameFits(const char* name);

  std::string mName;
  int mHandle = -1;
  bool mCloseOnDestroy = true;
};

// The 32-bit sum of every byte of the named file; 0 when it cannot be opened.
uint32_t FileByteSum(const char* name);
