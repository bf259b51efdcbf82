#include "pel3d/files/ResourceByteSource.h"

#include <algorithm>

#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceReader.h"

namespace {

constexpr uint64_t kPieceSize = 65536;

}  // namespace

ResourceByteSource::ResourceByteSource(uint32_t offset, uint64_t expected)
    // Offsets in the file are 32-bit: nothing past 4 GB can be asked for.
    : mPosition(offset), mLength(static_cast<uint64_t>(std::clamp<int64_t>(GetResourceFileLength(), 0, UINT32_MAX))),
      mExpected(expected), mBufferStart(offset) {}

uint64_t ResourceByteSource::Remaining() const { return mPosition < mLength ? mLength - mPosition : 0; }

bool ResourceByteSource::Holds(uint64_t count, uint64_t recordSize) const {
  return count <= Remaining() / recordSize;
}

const uint8_t* ResourceByteSource::Take(uint32_t size) {
  // An empty table is taken too: null means failure, so it gets a pointer to no bytes.
  static constexpr uint8_t kNoBytes = 0;
  if (size == 0) return &kNoBytes;
  if (size > Remaining()) return EngineFail(kErrorBadContent, "the file ends inside a record", mPosition);
  const uint64_t offsetInBuffer = mPosition - mBufferStart;
  if (size > mBuffer.size() - offsetInBuffer && !Fill(size)) return nullptr;
  const uint8_t* bytes = mBuffer.data() + (mPosition - mBufferStart);
  mPosition += size;
  return bytes;
}

// Keeps the bytes not yet taken and reads behind them at least what the next Take needs:
// the expected bytes the first time, a 64 KB piece after, never past the file's end.
bool ResourceByteSource::Fill(uint32_t size) {
  const uint64_t bufferEnd = mBufferStart + mBuffer.size();
  if (bufferEnd > UINT32_MAX) return EngineFail(kErrorSeekFailed, "past the reach of 32-bit offsets");
  if (!SeekResourceFile(static_cast<uint32_t>(bufferEnd))) return false;
  mBuffer.erase(mBuffer.begin(), mBuffer.begin() + static_cast<std::ptrdiff_t>(mPosition - mBufferStart));
  mBufferStart = mPosition;
  const std::size_t kept = mBuffer.size();
  const uint64_t wanted = std::max<uint64_t>({size - kept, kPieceSize, mExpected});
  const uint64_t count = std::min({wanted, mLength - bufferEnd, uint64_t{UINT32_MAX}});
  mExpected = 0;
  mBuffer.resize(kept + count);
  if (ReadResourceBytes(mBuffer.data() + kept, static_cast<uint32_t>(count))) return true;
  mBuffer.resize(kept);
  return EngineFail(kErrorBadContent, "a read came short", static_cast<int64_t>(bufferEnd));
}
