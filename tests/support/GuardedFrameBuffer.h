#pragma once
#include <cstdint>
#include <vector>

#include "pel3d/math/View.h"

// A frame buffer for the engine's rasterisers with a sentinel everywhere outside the view:
// rows above it, the bytes of each row past the view's width (so the column before a row's
// first is guarded too), and 16 rows and more below it. Installing it sets the view's
// size, pitch, clip rectangle, frame-buffer pointer and row offsets.
class GuardedFrameBuffer {
public:
  static constexpr uint8_t kSentinel = 0xA5;
  static constexpr int32_t kRowsAbove = 4;
  static constexpr int32_t kRowsBelow = 20;

  GuardedFrameBuffer(int32_t width, int32_t height, int32_t pitch)
      : mWidth(width), mHeight(height), mPitch(pitch),
        mBytes(static_cast<std::size_t>(pitch) * (kRowsAbove + height + kRowsBelow), kSentinel) {
    Clear(0);
  }

  void Install() {
    gView.width = mWidth;
    gView.height = mHeight;
    gView.pitch = mPitch;
    gView.clip = {0, 0, mWidth << 12, mHeight << 12};
    SetFrameBuffer(Pixels());
  }

  void Clear(uint8_t colour) {
    for (int32_t y = 0; y < mHeight; ++y) {
      for (int32_t x = 0; x < mWidth; ++x) Pixels()[y * mPitch + x] = colour;
    }
  }

  uint8_t* Pixels() { return mBytes.data() + static_cast<std::size_t>(kRowsAbove) * mPitch; }
  uint8_t At(int32_t x, int32_t y) const { return mBytes[Offset(x, y)]; }
  // The count pixels of row y from column x on.
  std::vector<int> RowPixels(int32_t x, int32_t y, int32_t count) const {
    std::vector<int> pixels;
    for (int32_t i = 0; i < count; ++i) pixels.push_back(At(x + i, y));
    return pixels;
  }

  // True when no byte outside the view was written.
  bool BorderUntouched() const {
    for (std::size_t i = 0; i < mBytes.size(); ++i) {
      if (!InView(i) && mBytes[i] != kSentinel) return false;
    }
    return true;
  }

  int32_t CountOf(uint8_t colour) const {
    int32_t count = 0;
    for (int32_t y = 0; y < mHeight; ++y) {
      for (int32_t x = 0; x < mWidth; ++x) count += At(x, y) == colour;
    }
    return count;
  }

  const uint8_t* ViewPixels() const { return mBytes.data() + Offset(0, 0); }

private:
  std::size_t Offset(int32_t x, int32_t y) const {
    return static_cast<std::size_t>(kRowsAbove + y) * static_cast<std::size_t>(mPitch) + static_cast<std::size_t>(x);
  }
  bool InView(std::size_t index) const {
    const auto row = static_cast<int64_t>(index / static_cast<std::size_t>(mPitch)) - kRowsAbove;
    const auto column = static_cast<int64_t>(index % static_cast<std::size_t>(mPitch));
    return row >= 0 && row < mHeight && column < mWidth;
  }

  int32_t mWidth;
  int32_t mHeight;
  int32_t mPitch;
  std::vector<uint8_t> mBytes;
};
