#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "imagefiles/GamePalette.h"
#include "platform/WindowMessages.h"

// An 8-bit frame or a region of one: the first pixel and the bytes from row to row.
struct FrameView {
  const uint8_t* bits = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  int32_t stride = 0;
};

// Renders the frame through the palette and compares it with tests/golden/<name>.png. On a
// mismatch, or with no reference yet, writes what was drawn as <name>.actual.png beside it
// and fails naming both. The left-out rectangles (text drawn by the TrueType service, which
// has checksums of its own) are painted index 0 before the comparison.
testing::AssertionResult MatchesGoldenImage(const FrameView& frame, const GamePaletteColours& palette,
                                            const std::string& name,
                                            const std::vector<platform::Rect>& leftOut = {});

// Text drawn by the TrueType service: compares the frame's checksum (FNV-1a over its rows)
// with the expected one. On a mismatch writes the frame as <name>.actual.png in the golden
// folder and fails naming the actual checksum, so a font library update changes only these
// rows.
testing::AssertionResult MatchesTextChecksum(const FrameView& frame, const GamePaletteColours& palette,
                                             const std::string& name, uint32_t expected);

// The same for any image that locks to mpBits and mStride (a back buffer, a memory image).
template <class Image>
testing::AssertionResult MatchesGoldenImage(Image& image, const GamePaletteColours& palette, const std::string& name,
                                            const std::vector<platform::Rect>& leftOut = {}) {
  if (image.Lock() == 0) return testing::AssertionFailure() << name << ": the image does not lock";
  const FrameView frame{image.mpBits, image.mWidth, image.mHeight, image.mStride};
  testing::AssertionResult result = MatchesGoldenImage(frame, palette, name, leftOut);
  image.Unlock();
  return result;
}

// The region of a frame; it must lie inside it.
inline FrameView FrameRegion(const FrameView& frame, const platform::Rect& region) {
  return {frame.bits + static_cast<ptrdiff_t>(region.top) * frame.stride + region.left, region.Width(),
          region.Height(), frame.stride};
}
