#include "pel3d/draw/PolygonList.h"

PolygonList gUnsortedList;
PolygonList gSortedList;

PolyEntry* PolygonList::Append(const PolyEntry& entry) {
  if (count >= kPolygonListCapacity) return nullptr;
  PolyEntry* written = &entries[static_cast<std::size_t>(count++)];
  *written = entry;
  return written;
}
