#include "platform/VideoHeader.h"

#include <vector>

#include "platform/ByteOrder.h"
#include "platform/FileHandle.h"

namespace platform {
namespace {

constexpr size_t kHeaderSize = 104;
constexpr uint32_t kRingFrame = 0x1;
// Bytes of the frame-size and frame-type tables for each frame.
constexpr uint64_t kTableBytesPerFrame = 5;
constexpr uint64_t kDefaultFrameMicroseconds = 100000;

bool ReadExactly(int handle, void* buffer, size_t size) {
  return ReadFile(handle, buffer, size) == static_cast<int64_t>(size);
}

uint64_t FrameMicroseconds(int32_t field) {
  if (field > 0) return static_cast<uint64_t>(field) * 1000;
  if (field < 0) return static_cast<uint64_t>(-static_cast<int64_t>(field)) * 10;
  return kDefaultFrameMicroseconds;
}

// Each big code table takes 4 bytes an entry in memory, and every entry costs at least one
// bit of the tree data: a larger size claims memory the file cannot fill.
bool TableSizesFit(const uint8_t* header, uint64_t treeBytes) {
  for (size_t table = 0; table < 4; ++table) {
    if (ReadLE32(header + 56 + 4 * table) / 4 > treeBytes * 8 + 3) return false;
  }
  return true;
}

// Every frame's size must fit in the file, so no frame claims more memory than the file holds.
bool FrameSizesFit(int handle, uint64_t entries, uint64_t fileLength) {
  std::vector<uint8_t> sizes(entries * 4);
  if (!ReadExactly(handle, sizes.data(), sizes.size())) return false;
  for (uint64_t i = 0; i < entries; ++i) {
    if ((ReadLE32(sizes.data() + 4 * i) & ~3u) > fileLength) return false;
  }
  return true;
}

}  // namespace

bool ReadVideoHeader(int handle, VideoHeader& header, std::string& reason) {
  uint8_t bytes[kHeaderSize];
  const int64_t length = FileLength(handle);
  if (length < 0 || SeekFile(handle, 0, 0) != 0 || !ReadExactly(handle, bytes, sizeof bytes)) {
    reason = "the header is cut short";
    return false;
  }
  if (ReadLE32(bytes) != ReadLE32(reinterpret_cast<const uint8_t*>("SMK2")) &&
      ReadLE32(bytes) != ReadLE32(reinterpret_cast<const uint8_t*>("SMK4"))) {
    reason = "not a video file";
    return false;
  }
  const uint32_t width = ReadLE32(bytes + 4);
  const uint32_t height = ReadLE32(bytes + 8);
  const uint32_t frames = ReadLE32(bytes + 12);
  if (width < 1 || height < 1 || width > kMaxVideoSide || height > kMaxVideoSide) {
    reason = "a picture size outside 1 to 4096";
    return false;
  }
  const uint64_t entries = uint64_t{frames} + ((ReadLE32(bytes + 20) & kRingFrame) ? 1 : 0);
  const uint64_t treeBytes = ReadLE32(bytes + 52);
  const uint64_t fileLength = static_cast<uint64_t>(length);
  if (frames < 1 || kHeaderSize + entries * kTableBytesPerFrame + treeBytes > fileLength ||
      !TableSizesFit(bytes, treeBytes) || !FrameSizesFit(handle, entries, fileLength)) {
    reason = "more frames or tables than the file holds";
    return false;
  }
  header.width = static_cast<int32_t>(width);
  header.height = static_cast<int32_t>(height);
  header.frameCount = static_cast<int32_t>(frames);
  header.frameMicroseconds = FrameMicroseconds(ReadLE32Signed(bytes + 16));
  return true;
}

}  // namespace platform
