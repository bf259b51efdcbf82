#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "imagefiles/PngFile.h"
#include "support/ImageCheck.h"

namespace {

const std::filesystem::path kGolden = std::filesystem::path(__FILE__).parent_path().parent_path() / "golden";

// A 3 by 2 frame in a 4-byte stride: the static colours 249 to 254.
struct SmallFrame {
  uint8_t bits[8] = {249, 250, 251, 0, 252, 253, 254, 0};
  FrameView View() { return {bits, 3, 2, 4}; }
};

// Runs the check and takes away the picture it left. Tests run in parallel processes, so
// each uses references of its own.
testing::AssertionResult CheckAndTidy(const FrameView& frame, const std::string& name, RgbImage* left = nullptr,
                                      const std::vector<platform::Rect>& leftOut = {}) {
  testing::AssertionResult result = MatchesGoldenImage(frame, GamePalette(), name, leftOut);
  const std::filesystem::path actual = kGolden / (name + ".actual.png");
  std::string message;
  if (left) ReadPng(actual.string(), *left, message);
  std::filesystem::remove(actual);
  return result;
}

}  // namespace

TEST(ImageCheckTest, PassesOnTheStoredPicture) {
  SmallFrame frame;
  EXPECT_TRUE(CheckAndTidy(frame.View(), "image_check_small"));
  EXPECT_TRUE(CheckAndTidy(FrameRegion(frame.View(), {1, 0, 3, 2}), "image_check_region"));
}

TEST(ImageCheckTest, AMismatchWritesWhatWasDrawnAndNamesBoth) {
  SmallFrame frame;
  frame.bits[5] = 255;
  RgbImage left;
  const testing::AssertionResult result = CheckAndTidy(frame.View(), "image_check_mismatch", &left);
  ASSERT_FALSE(result);
  const std::string message = result.message();
  EXPECT_NE(message.find("pixel (1, 1) differs"), std::string::npos) << message;
  EXPECT_NE(message.find("image_check_mismatch.png"), std::string::npos);
  EXPECT_NE(message.find("image_check_mismatch.actual.png"), std::string::npos);
  ASSERT_EQ(left.width, 3);
  EXPECT_EQ(left.pixels[3 * 4 + 0], 255);  // white where 253 (blue) was
  EXPECT_EQ(left.pixels[3 * 4 + 1], 255);
}

TEST(ImageCheckTest, NoReferenceFailsAndWritesTheActualPicture) {
  SmallFrame frame;
  RgbImage left;
  const testing::AssertionResult result = CheckAndTidy(frame.View(), "image_check_never_stored", &left);
  EXPECT_FALSE(result);
  EXPECT_EQ(left.height, 2);
}

TEST(ImageCheckTest, LeftOutRectanglesAreNotCompared) {
  SmallFrame frame;
  frame.bits[0] = 7;
  frame.bits[4] = 9;
  frame.bits[5] = 8;
  EXPECT_TRUE(CheckAndTidy(frame.View(), "image_check_left_out", nullptr, {{0, 0, 1, 2}, {1, 1, 2, 2}}));
  frame.bits[1] = 1;
  EXPECT_FALSE(CheckAndTidy(frame.View(), "image_check_left_out", nullptr, {{0, 0, 1, 2}, {1, 1, 2, 2}}));
}
