#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/BackBuffer.h"
#include "Drovane/DirectDrawObject.h"
#include "platform/MemoryDisplay.h"

// Tests on memory surfaces: the display object is made before each test and released
// after it, and every surface and lock a test took must be given back by then.
class DisplayFixture : public testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(DDEnable(), 0u); }
  void TearDown() override {
    EXPECT_EQ(gSurfaceMemory, 0);
    EXPECT_EQ(gLockCount, 0);
    DDDisable();
  }

  // The rows of a buffer's pixels.
  static std::vector<std::vector<uint8_t>> PixelRows(CBackBuffer& buffer) {
    std::vector<std::vector<uint8_t>> rows;
    if (buffer.Lock() == 0) return rows;
    for (int32_t y = 0; y < buffer.mHeight; ++y) {
      const uint8_t* row = buffer.mpBits + y * buffer.mStride;
      rows.emplace_back(row, row + buffer.mWidth);
    }
    buffer.Unlock();
    return rows;
  }

  // Sets pixel (x, y) of every row to the value the function gives.
  template <class Pixel>
  static void Paint(CBackBuffer& buffer, Pixel pixel) {
    ASSERT_GT(buffer.Lock(), 0);
    for (int32_t y = 0; y < buffer.mHeight; ++y) {
      for (int32_t x = 0; x < buffer.mWidth; ++x) buffer.mpBits[y * buffer.mStride + x] = pixel(x, y);
    }
    buffer.Unlock();
  }

  static platform::MemorySurface* Surface(const CBackBuffer& buffer) {
    return static_cast<platform::MemorySurface*>(buffer.GetSurface());
  }
};
