// Checks the message boxes' bitmaps of the data set the build generated.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Drovane/BackBuffer.h"
#include "Drovane/DirectDrawObject.h"
#include "platform/Process.h"

namespace {

constexpr uint8_t kTransparent = 254;
constexpr uint8_t kCream = 21;

class GeneratedMessageBoxImagesTest : public testing::TestWithParam<const char*> {
protected:
  void SetUp() override { ASSERT_EQ(DDEnable(), 0u); }
  void TearDown() override { DDDisable(); }

  static std::string Path(const std::string& name) {
    return platform::ToGamePath(std::string(HALVORINE_DATA_SET "/bmp/") + name);
  }
  static uint8_t At(CBackBuffer& image, int32_t x, int32_t y) { return image.mpBits[y * image.mStride + x]; }
};

// The box has its rounded corners keyed out, a light panel under the text and a strip whose
// eight frames all differ.
TEST_P(GeneratedMessageBoxImagesTest, TheBoxAndItsStripOfALook) {
  const std::string suffix = GetParam();
  CBackBuffer box(Path("MBox" + suffix + ".bmp").c_str());
  ASSERT_EQ(box.mWidth, 420);
  ASSERT_EQ(box.mHeight, 320);
  ASSERT_GT(box.Lock(), 0);
  EXPECT_EQ(At(box, 0, 0), kTransparent);
  EXPECT_EQ(At(box, 419, 319), kTransparent);
  EXPECT_NE(At(box, 210, 20), kTransparent);
  EXPECT_EQ(At(box, 98, 78), kCream);
  EXPECT_EQ(At(box, 367, 199), kCream);
  box.Unlock();

  CBackBuffer strip(Path("MBoxl" + suffix + ".bmp").c_str());
  ASSERT_EQ(strip.mWidth, 8 * 149);
  ASSERT_EQ(strip.mHeight, 93);
  ASSERT_GT(strip.Lock(), 0);
  std::set<std::string> frames;
  for (int32_t frame = 0; frame < 8; ++frame) {
    std::string pixels;
    for (int32_t y = 0; y < 93; ++y)
      pixels.append(reinterpret_cast<const char*>(strip.mpBits + y * strip.mStride + frame * 149), 149);
    frames.insert(pixels);
  }
  strip.Unlock();
  EXPECT_EQ(frames.size(), 8u);

  CBackBuffer button(Path("button" + suffix + ".bmp").c_str());
  EXPECT_EQ(button.mWidth, 3 * 80);
  EXPECT_EQ(button.mHeight, 32);
}

INSTANTIATE_TEST_SUITE_P(Looks, GeneratedMessageBoxImagesTest, testing::Values("", "1", "2", "2d", "3", "4", "5", "6"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return *info.param ? std::string("Look") + info.param : std::string("Default");
                         });

TEST_F(GeneratedMessageBoxImagesTest, TheCheatFieldIsALightPanelWithSquareCorners) {
  CBackBuffer field(Path("MBoxCht.bmp").c_str());
  ASSERT_EQ(field.mWidth, 270);
  ASSERT_EQ(field.mHeight, 100);
  ASSERT_GT(field.Lock(), 0);
  EXPECT_NE(At(field, 0, 0), kTransparent);
  EXPECT_EQ(At(field, 135, 50), kCream);
  field.Unlock();
}

}  // namespace
