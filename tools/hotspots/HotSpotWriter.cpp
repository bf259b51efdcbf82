#include "hotspots/HotSpotWriter.h"

#include "Drovane/HotSpotList.h"
#include "platform/ByteOrder.h"

namespace {

constexpr uint32_t kHeaderWord = 5;
constexpr uint32_t kGroup = 0;

void Append(std::vector<uint8_t>& bytes, uint32_t value) {
  size_t at = bytes.size();
  bytes.resize(at + 4);
  platform::WriteLE32(bytes.data() + at, value);
}

}  // namespace

std::vector<uint8_t> WriteHotSpots(const std::vector<HotSpot>& regions) {
  std::vector<uint8_t> bytes;
  Append(bytes, kHotSpotTag);
  Append(bytes, kHeaderWord);
  Append(bytes, kHotSpotVersion);
  Append(bytes, static_cast<uint32_t>(regions.size()));
  for (const HotSpot& region : regions) {
    Append(bytes, kGroup);
    Append(bytes, region.GetId());
    Append(bytes, region.GetType());
    Append(bytes, static_cast<uint32_t>(region.GetPoints().size()));
    for (const platform::Point& point : region.GetPoints()) {
      Append(bytes, static_cast<uint32_t>(point.x));
      Append(bytes, static_cast<uint32_t>(point.y));
    }
  }
  return bytes;
}
