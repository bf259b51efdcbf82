#include "pel3d/draw/PolygonSort.h"

#include <utility>

#include "pel3d/draw/PolygonList.h"

namespace {

// Moves the first entry's key to its place: entries before it are at least as far, those
// after at most as far. Equal keys stop both scans, so they spread over both sides.
PolyEntry* Partition(PolyEntry* first, PolyEntry* last) {
  const Fixedpoint pivot = first->depth;
  PolyEntry* i = first + 1;
  PolyEntry* j = last;
  for (;;) {
    while (i <= last && i->depth > pivot) ++i;
    while (j->depth < pivot) --j;
    if (i >= j) break;
    std::swap(*i++, *j--);
  }
  std::swap(*first, *j);
  return j;
}

}  // namespace

PolyEntry* SortPolygons(PolyEntry* first, PolyEntry* last) {
  PolyEntry* const start = first;
  // The smaller side recurses and the larger one loops, so the depth stays logarithmic.
  while (first < last) {
    PolyEntry* pivot = Partition(first, last);
    if (pivot - first < last - pivot) {
      SortPolygons(first, pivot - 1);
      first = pivot + 1;
    } else {
      SortPolygons(pivot + 1, last);
      last = pivot - 1;
    }
  }
  return start;
}
