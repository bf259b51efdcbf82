// Checks the scroll bar's and the sliders' bitmaps of the generated data set, as the
// toolkit reads them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Drovane/BackBuffer.h"
#include "Drovane/DirectDrawObject.h"
#include "platform/Process.h"

namespace {

class GeneratedScrollImagesTest : public testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(DDEnable(), 0u); }
  void TearDown() override { DDDisable(); }

  static std::string PathOf(const char* name) {
    return platform::ToGamePath(std::string(HALVORINE_DATA_SET "/bmp/") + name);
  }
  // The pixels of a rectangle of the image, row after row.
  static std::string Pixels(CBackBuffer& image, int32_t left, int32_t width, int32_t height) {
    std::string pixels;
    for (int32_t y = 0; y < height; ++y) {
      pixels.append(reinterpret_cast<const char*>(image.mpBits + y * image.mStride + left), static_cast<size_t>(width));
    }
    return pixels;
  }
};

// Twelve square cells, every one drawn and no two alike; the bar is 16 wide.
TEST_F(GeneratedScrollImagesTest, TheScrollStripHasTwelveDistinctCells) {
  CBackBuffer strip(PathOf("scroll.bmp").c_str());
  ASSERT_EQ(strip.mWidth, 12 * 16);
  ASSERT_EQ(strip.mHeight, 16);
  ASSERT_GT(strip.Lock(), 0);
  std::set<std::string> cells;
  for (int32_t cell = 0; cell < 12; ++cell) cells.insert(Pixels(strip, cell * 16, 16, 16));
  strip.Unlock();
  EXPECT_EQ(cells.size(), 12u);
}

// The thumbs are opaque, and so are the tracks, which cover the thumb's old place.
TEST_F(GeneratedScrollImagesTest, SliderThumbsAndTracksHaveTheirSizes) {
  struct Case {
    const char* name;
    int32_t width;
    int32_t height;
  };
  for (const Case& c : {Case{"sliderth.bmp", 10, 20}, Case{"slidertv.bmp", 20, 10}, Case{"sliderbh.bmp", 192, 32},
                        Case{"sliderbv.bmp", 32, 192}}) {
    CBackBuffer image(PathOf(c.name).c_str());
    EXPECT_EQ(image.mWidth, c.width) << c.name;
    EXPECT_EQ(image.mHeight, c.height) << c.name;
    ASSERT_GT(image.Lock(), 0) << c.name;
    EXPECT_EQ(Pixels(image, 0, c.width, c.height).find('\xFE'), std::string::npos) << c.name;
    image.Unlock();
  }
}

}  // namespace
