#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "Drovane/DataPaths.h"
#include "Drovane/PcxImage.h"
#include "Drovane/Screenshot.h"
#include "platform/SystemPalette.h"
#include "support/IsolatedFiles.h"
#include "support/PcxDecoder.h"

namespace {

std::vector<uint8_t> Encode(const std::vector<uint8_t>& pixels, int32_t width) {
  std::vector<uint8_t> out;
  EXPECT_EQ(EncodePcxRow(out, pixels.data(), width), width);
  return out;
}

TEST(PcxRowTest, EncodesRunsThatNeverCrossTheRowsEnd) {
  // 640 sevens encode the same whatever byte follows the row.
  std::vector<uint8_t> expected;
  for (int i = 0; i < 10; ++i) expected.insert(expected.end(), {0xFF, 0x07});
  expected.insert(expected.end(), {0xC9, 0x07, 0x07});
  for (uint8_t after : {uint8_t{7}, uint8_t{8}}) {
    std::vector<uint8_t> row(641, 7);
    row[640] = after;
    EXPECT_EQ(Encode(row, 640), expected) << "followed by " << int{after};
  }
  struct Case {
    std::vector<uint8_t> pixels;
    int32_t width;
    std::vector<uint8_t> encoded;
  };
  for (const Case& c : {Case{{0x01, 0xC5, 0x02}, 3, {0x01, 0xC1, 0xC5, 0x02}}, Case{{0x3F}, 1, {0x3F}},
                        Case{{0x20, 0x20, 0x21}, 3, {0xC1, 0x20, 0x20, 0x21}}, Case{{0xC0}, 1, {0xC1, 0xC0}},
                        Case{{0xFF, 0xFF}, 2, {0xC1, 0xFF, 0xC1, 0xFF}}, Case{{5}, 0, {}}}) {
    EXPECT_EQ(Encode(c.pixels, c.width), c.encoded);
  }
}

class ScreenshotTest : public testing::Test {
protected:
  void SetUp() override {
    platform::ResetSystemPalette();
    gDataPaths.SetRoots(files.folder.Game("a"), files.folder.Game("b"));
    pixels.resize(static_cast<size_t>(kPitch * kHeight));
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i % 7 == 0 ? 200 : i / 50);
  }
  void TearDown() override { SetScreenshotFrameProvider(nullptr); }

  void ProvideFrame(ScreenshotFrame frame) {
    SetScreenshotFrameProvider([frame] { return frame; });
  }
  std::string Written(const std::string& name) { return files.folder.Read("xdg/halvorine/" + name); }
  bool WrittenExists(const std::string& name) { return files.folder.Exists("xdg/halvorine/" + name); }

  static constexpr int32_t kWidth = 37;
  static constexpr int32_t kHeight = 9;
  static constexpr int32_t kPitch = 40;
  IsolatedFiles files;
  std::vector<uint8_t> pixels;
};

TEST_F(ScreenshotTest, DecodesBackToTheFrameAndTheSystemPalette) {
  ProvideFrame({pixels.data(), kWidth, kHeight, kPitch});
  ASSERT_EQ(SaveScreenshot(), 1);
  DecodedPcx decoded;
  ASSERT_TRUE(DecodePcx(Written("screen00.pcx"), decoded));
  EXPECT_EQ(decoded.width, kWidth);
  EXPECT_EQ(decoded.height, kHeight);
  std::vector<uint8_t> expected;
  for (int32_t y = 0; y < kHeight; ++y) {
    expected.insert(expected.end(), pixels.begin() + y * kPitch, pixels.begin() + y * kPitch + kWidth);
  }
  EXPECT_EQ(decoded.pixels, expected);
  platform::PaletteEntry system[256];
  ASSERT_TRUE(platform::GetSystemPaletteEntries(0, 256, system));
  for (size_t i = 0; i < 256; ++i) {
    EXPECT_EQ(decoded.palette[i], (platform::Rgb{system[i].red, system[i].green, system[i].blue})) << i;
  }
  const std::string file = Written("screen00.pcx");
  EXPECT_EQ(file.substr(0, 4), std::string("\x0A\x05\x01\x08", 4));
}

TEST_F(ScreenshotTest, TakesTheNextFreeNameAndKeepsEarlierOnes) {
  ProvideFrame({pixels.data(), kWidth, kHeight, kPitch});
  files.folder.Write("xdg/halvorine/screen01.pcx", "mine");
  ASSERT_EQ(SaveScreenshot(), 1);
  ASSERT_EQ(SaveScreenshot(), 1);
  ASSERT_EQ(SaveScreenshot(), 1);
  EXPECT_EQ(Written("screen01.pcx"), "mine");
  for (const char* name : {"screen00.pcx", "screen02.pcx", "screen03.pcx"}) {
    DecodedPcx decoded;
    EXPECT_TRUE(DecodePcx(Written(name), decoded)) << name;
  }
  EXPECT_FALSE(files.folder.Exists("a/screen00.pcx"));
}

TEST_F(ScreenshotTest, WritesNothingWithoutAFrame) {
  for (const ScreenshotFrame& frame : {ScreenshotFrame{}, ScreenshotFrame{nullptr, kWidth, kHeight, kPitch},
                                       ScreenshotFrame{pixels.data(), 0, kHeight, kPitch},
                                       ScreenshotFrame{pixels.data(), kWidth, 0, kPitch},
                                       ScreenshotFrame{pixels.data(), kWidth, kHeight, kWidth - 1}}) {
    ProvideFrame(frame);
    EXPECT_EQ(SaveScreenshot(), 0);
  }
  SetScreenshotFrameProvider(nullptr);
  EXPECT_EQ(SaveScreenshot(), 0);
  EXPECT_FALSE(files.folder.Exists("xdg/halvorine"));
}

// A file stands where the folder should be: nothing can be created below it.
TEST_F(ScreenshotTest, AFailedWriteLeavesNoFile) {
  ProvideFrame({pixels.data(), kWidth, kHeight, kPitch});
  files.folder.Write("xdg/halvorine/blocked", "a file");
  EXPECT_EQ(WriteScreenshotPcx(files.folder.Game("xdg/halvorine/blocked/shot.pcx")), 0);
  EXPECT_EQ(files.folder.Read("xdg/halvorine/blocked"), "a file");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(files.folder.System("xdg/halvorine")),
                          std::filesystem::directory_iterator()), 1);
}

}  // namespace
