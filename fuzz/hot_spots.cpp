// Hot-spot regions: any bytes as one program resource, loaded, hit-tested and bounded.
#include <cstdint>
#include <list>

#include "Drovane/HotSpotList.h"
#include "Drovane/ProgramResourceTable.h"
#include "Drovane/RecordFile.h"
#include "FuzzFolder.h"
#include "platform/ProgramResources.h"

namespace {

constexpr uint32_t kResourceId = 106;

void WriteResourceFile(const std::string& path, const uint8_t* data, size_t size) {
  RecordFile file(path.c_str());
  bool written = file.OpenForWrite(platform::kResourceCreator, platform::kResourceFileType,
                                   platform::kResourceTypeVersion) &&
                 file.WriteChunk(kResourceId, data, size);
  if (!file.Close() || !written) std::abort();
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
  std::string path = FuzzFolder() + "halvorine.res";
  WriteResourceFile(path, data, size);
  SetResourceFile(path);
  std::list<HotSpot> spots;
  if (!LoadHotSpots(spots, kResourceId) && !spots.empty()) std::abort();
  for (const HotSpot& spot : spots) Exercise(spot);
  return 0;
}
