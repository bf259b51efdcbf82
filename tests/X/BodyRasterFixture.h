#pragma once
#include <cstdint>
#include <vector>

#include "PeopleTest.h"
#include "X/Body/BodyFaceDraw.h"
#include "X/Body/BodyRaster.h"
#include "X/Body/RoundedSquareRoots.h"
#include "peoplefiles/FaceBitmapGroup.h"
#include "support/ImageCheck.h"

// A people test with a small frame for the body rasteriser: the frame lies inside a larger
// buffer of sentinel bytes, so a write outside 0..largest x, 0..largest y shows.
class BodyRasterTest : public PeopleTest {
protected:
  static constexpr uint8_t kSentinel = 0xA5;
  static constexpr uint8_t kBackground = 19;
  static constexpr int32_t kMargin = 32;

  void SetUp() override {
    PeopleTest::SetUp();
    FillRoundedSquareRoots();
    SetBodyFaceGroup(mFaces.Group());
    UseFrame(64, 48, false);
  }
  void TearDown() override {
    gBodyRaster = {};
    SetBodyFaceGroup(nullptr);
    PeopleTest::TearDown();
  }

  void UseFrame(int32_t width, int32_t height, bool doublePixel) {
    mWidth = width;
    mHeight = height;
    mPitch = width + 2 * kMargin;
    mBytes.assign(static_cast<size_t>(mPitch) * (height + 2 * kMargin), kSentinel);
    for (int32_t y = 0; y < height; ++y)
      for (int32_t x = 0; x < width; ++x) Byte(x, y) = kBackground;
    gBodyRaster = {&Byte(0, 0), mPitch, width - 1, height - 1, doublePixel};
  }

  uint8_t& Byte(int32_t x, int32_t y) {
    return mBytes[static_cast<size_t>(y + kMargin) * mPitch + static_cast<size_t>(x + kMargin)];
  }
  uint8_t At(int32_t x, int32_t y) { return Byte(x, y); }

  // Pixels of the frame other than the background.
  int32_t DrawnCount() {
    int32_t count = 0;
    for (int32_t y = 0; y < mHeight; ++y)
      for (int32_t x = 0; x < mWidth; ++x) count += At(x, y) != kBackground;
    return count;
  }
  bool OutsideUntouched() {
    for (int32_t y = -kMargin; y < mHeight + kMargin; ++y)
      for (int32_t x = -kMargin; x < mWidth + kMargin; ++x) {
        const bool inside = x >= 0 && y >= 0 && x < mWidth && y < mHeight;
        if (!inside && Byte(x, y) != kSentinel) return false;
      }
    return true;
  }
  FrameView Frame() { return {&Byte(0, 0), mWidth, mHeight, mPitch}; }

  FaceBitmapGroup mFaces;
  int32_t mWidth = 0;
  int32_t mHeight = 0;
  int32_t mPitch = 0;
  std::vector<uint8_t> mBytes;
};
