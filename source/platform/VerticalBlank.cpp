#include "platform/VerticalBlank.h"

#include "platform/Clock.h"

namespace platform {
namespace {

constexpr uint64_t kFramesPerSecond = 60;

uint64_t FrameNumber(uint32_t ms) { return uint64_t{ms} * kFramesPerSecond / 1000; }

}  // namespace

bool IsInVerticalBlank() {
  const uint32_t now = Clock().SystemTimeMs();
  return FrameNumber(now) != FrameNumber(now - 1);
}

void WaitForVerticalBlankBegin() {
  const uint64_t frame = FrameNumber(Clock().SystemTimeMs());
  while (FrameNumber(Clock().SystemTimeMs()) == frame) {
  }
}

}  // namespace platform
