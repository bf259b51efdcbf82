// Checks the control bitmaps of the data set the build generated, as the toolkit reads them.
#include <gtest/gtest.h>

#include <string>

#include "Drovane/BackBuffer.h"
#include "Drovane/DirectDrawObject.h"
#include "platform/Process.h"

namespace {

struct ControlImageCase {
  const char* name;
  int32_t width;
  int32_t height;
  int32_t frames;
};

class GeneratedControlImagesTest : public testing::TestWithParam<ControlImageCase> {
protected:
  void SetUp() override { ASSERT_EQ(DDEnable(), 0u); }
  void TearDown() override { DDDisable(); }
};

// Every frame is drawn: no frame is left wholly transparent, and frames differ.
TEST_P(GeneratedControlImagesTest, HasItsFramesAtTheirSize) {
  const ControlImageCase& c = GetParam();
  CBackBuffer image(platform::ToGamePath(std::string(HALVORINE_DATA_SET "/bmp/") + c.name).c_str());
  ASSERT_EQ(image.mWidth, c.width * c.frames);
  ASSERT_EQ(image.mHeight, c.height);
  ASSERT_GT(image.Lock(), 0);
  std::vector<std::string> frames;
  for (int32_t frame = 0; frame < c.frames; ++frame) {
    std::string pixels;
    for (int32_t y = 0; y < c.height; ++y) {
      pixels.append(reinterpret_cast<const char*>(image.mpBits + y * image.mStride + frame * c.width),
                    static_cast<size_t>(c.width));
    }
    EXPECT_NE(pixels.find_first_not_of('\xFE'), std::string::npos) << c.name << " frame " << frame;
    for (const std::string& earlier : frames) EXPECT_NE(pixels, earlier) << c.name << " frame " << frame;
    frames.push_back(pixels);
  }
  image.Unlock();
}

INSTANTIATE_TEST_SUITE_P(Controls, GeneratedControlImagesTest,
                         testing::Values(ControlImageCase{"button.bmp", 80, 32, 3},
                                         ControlImageCase{"check.bmp", 20, 20, 4},
                                         ControlImageCase{"radio.bmp", 20, 20, 4}),
                         [](const testing::TestParamInfo<ControlImageCase>& info) {
                           std::string name = info.param.name;
                           return name.substr(0, name.find('.'));
                         });

}  // namespace
