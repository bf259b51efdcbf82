#include "X/Body/BodySwizzle.h"

#include <cstring>

#include "X/Body/BodyPartRecord.h"
#include "X/Y/XAssert.h"
#include "platform/BigEndian.h"

namespace {

constexpr uint32_t kLeastHeaderSize = 64;
constexpr uint32_t kLookupEntrySize = 8;
constexpr uint32_t kFramePartEntrySize = 8;

void WordToMachineOrder(uint8_t* at) {
  const uint32_t value = platform::ReadBE32(at);
  std::memcpy(at, &value, sizeof value);
}

}  // namespace

void SwizzleBBaseHeader(uint8_t* bytes, uint32_t size) {
  if (size < kLeastHeaderSize) {
    X_ASSERT("bad size passed to SwizzleBBaseHeader");
    return;
  }
  WordToMachineOrder(bytes);
}

void swizzlebodypart(uint8_t* bytes, uint32_t size) {
  if (size != kPartRecordSize) {
    X_ASSERT("different size passed to swizzlebodypart?");
    return;
  }
  for (int32_t offset : {part_record::kCode, part_record::kParent, part_record::kSize, part_record::kWidth,
                         part_record::kTaper})
    WordToMachineOrder(bytes + offset);
}

void swizzleanimlookup(uint8_t* bytes, uint32_t size) {
  if (size != kLookupEntrySize) {
    X_ASSERT("different size passed to swizzleanimlookup?");
    return;
  }
  WordToMachineOrder(bytes);
  WordToMachineOrder(bytes + 4);
}

void swizzlepartinfo(uint8_t*, uint32_t size) {
  if (size != kFramePartEntrySize) X_ASSERT("different size passed to swizzlepartinfo?");
}
