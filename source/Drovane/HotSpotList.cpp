#include "Drovane/HotSpotList.h"

#include <vector>

#include "Drovane/RawResource.h"
#include "platform/ByteOrder.h"

namespace {

// The offset of each record, when every one lies within the bytes.
bool FindRecords(const uint8_t* data, size_t size, std::vector<size_t>& offsets) {
  uint32_t count = platform::ReadLE32(data + 12);
  size_t offset = kHotSpotHeaderSize;
  for (uint32_t i = 0; i < count; ++i) {
    if (!platform::RangeFits(offset, HotSpot::kRecordHeaderSize, size)) return false;
    uint64_t length = HotSpot::kRecordHeaderSize + uint64_t{platform::ReadLE32(data + offset + 12)} * HotSpot::kPointSize;
    if (length > size - offset) return false;
    offsets.push_back(offset);
    offset += static_cast<size_t>(length);
  }
  return true;
}

}  // namespace

int ReadHotSpots(std::list<HotSpot>& list, const uint8_t* data, size_t size) {
  if (!data || size < kHotSpotHeaderSize) return 0;
  if (platform::ReadLE32(data) != kHotSpotTag || platform::ReadLE32(data + 8) != kHotSpotVersion) return 0;
  std::vector<size_t> offsets;
  if (!FindRecords(data, size, offsets)) return 0;
  for (size_t offset : offsets) list.emplace_back(data + offset, size - offset);
  return 1;
}

int LoadHotSpots(std::list<HotSpot>& list, uint32_t resourceId) {
  RawResource resource(resourceId, true);
  return ReadHotSpots(list, static_cast<const uint8_t*>(resource.GetData()), resource.GetSize());
}
