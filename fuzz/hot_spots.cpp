// Hot-spot regions: any bytes as one program resource, loaded, hit-tested and bounded.
#include <cstdint>
#include <list>
#include <vector>

#include "Drovane/HotSpotList.h"
#include "Drovane/ProgramResourceTable.h"
#include "Drovane/RecordFile.h"
#include "FuzzFolder.h"
#include "platform/ByteOrder.h"
#include "platform/ProgramResources.h"

namespace {

constexpr uint32_t kResourceId = 106;

// A resource file holding the bytes as its one resource, written straight out: a save
// through RecordFile flushes to the disk, too slow for a fuzzer's every input.
std::string WriteResourceFile(const uint8_t* data, size_t size) {
  size_t fileLength = RecordFile::kHeaderSize + RecordFile::kChunkHeaderSize + size;
  const uint32_t words[] = {RecordFile::kMagic,          RecordFile::kFormatVersion,   platform::kResourceCreator,
                            platform::kResourceFileType, platform::kResourceTypeVersion, static_cast<uint32_t>(fileLength),
                            1,                           kResourceId,                  static_cast<uint32_t>(8 + size)};
  std::vector<uint8_t> bytes(sizeof words);
  for (size_t i = 0; i < std::size(words); ++i) platform::WriteLE32(bytes.data() + 4 * i, words[i]);
  bytes.insert(bytes.end(), data, data + size);
  return WriteFuzzFile("halvorine.res", bytes.data(), bytes.size());
}

void Exercise(const HotSpot& spot) {
  platform::Rect bounds;
  spot.GetBounds(bounds);
  spot.HitTest(bounds.left, bounds.top);
  spot.HitTest(bounds.right, bounds.bottom);
  spot.HitTest(INT32_MIN, INT32_MAX);
  for (const platform::Point& point : spot.GetPoints()) spot.HitTest(point.x, point.y);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SetResourceFile(WriteResourceFile(data, size));
  std::list<HotSpot> spots;
  if (!LoadHotSpots(spots, kResourceId) && !spots.empty()) std::abort();
  for (const HotSpot& spot : spots) Exercise(spot);
  return 0;
}
