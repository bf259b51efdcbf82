#include "objectsets/ObjectSetIds.h"

const BodyIdRange* FindBodyIdRange(uint32_t id) {
  for (const BodyIdRange& range : kBodyIdRanges) {
    if (id >= range.first && id <= range.last) return &range;
  }
  return nullptr;
}
