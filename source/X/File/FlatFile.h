#pragma once
#include <cstdint>

#include "X/Y/PascalString.h"

// Result codes of the library's files: 0 is success.
constexpr int16_t kFileAlreadyOpen = -47;
constexpr int16_t kFileShortRead = -48;
constexpr int16_t kFileNotOpen = -49;
constexpr int16_t kFileIoError = -50;

// A read-only binary file of the people library, read through the platform file layer
// (names resolved ignoring case). Objects that open the same name share one stream and its
// serial number; the stream is closed by whichever of them closes last. Every object is in
// one global list, newest first.
class FlatFile {
public:
  FlatFile();
  virtual ~FlatFile();
  FlatFile(const FlatFile&) = delete;
  FlatFile& operator=(const FlatFile&) = delete;

  // The name is a Pascal string.
  virtual int16_t Open(const uint8_t* name);
  // A name longer than 255 characters fails with kFileIoError.
  virtual int16_t Open(const char* name);
  virtual int16_t Close();

  // Reads count bytes; kFileShortRead when fewer arrive.
  int16_t Read(void* buffer, const int32_t& count);
  // To an absolute position.
  int16_t Seek(int32_t position);
  // Big-endian words, converted only when the read succeeded.
  int16_t ReadU32(uint32_t& value);
  int16_t ReadU16(uint16_t& value);
  // The file's length in bytes, -1 when closed or unknown.
  int64_t Length() const;

  bool IsOpen() const { return mSerial != 0; }
  bool SameFile(const FlatFile& other) const { return mSerial != 0 && mSerial == other.mSerial; }
  uint32_t Serial() const { return mSerial; }
  const uint8_t* Name() const { return mName; }

  // The first open object of that name, letters compared without case; null when none.
  static FlatFile* FindOpenFile(const uint8_t* name);

protected:
  // Empties the name after an open that a derived class could not finish.
  void ForgetName() { mName[0] = 0; }

private:
  bool Unlink();
  bool StreamSharedWithOthers() const;

  FlatFile* mNext = nullptr;
  uint8_t mName[kPStrBufferSize] = {};
  uint32_t mSerial = 0;
  int mStream = -1;
};
