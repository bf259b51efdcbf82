#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/BackBuffer.h"
#include "screens/AnimStripWindow.h"
#include "screens/ScreensFixture.h"

namespace {

constexpr uint8_t kFirstFrameColour = 130;

struct StripCase {
  const char* name;
  int32_t mode;
  int32_t frames;
  // Milliseconds between draws: just past the delay, or far past it.
  uint32_t drawEveryMs;
  std::vector<int32_t> shown;
};

void PrintTo(const StripCase& c, std::ostream* os) { *os << c.name; }

class AnimStripWindowTest : public ScreensFixture, public testing::WithParamInterface<StripCase> {
protected:
  // A strip of frames 4 x 3 numbered by colour, at (2, 1) of a plain window that it draws into.
  AnimStripWindow* MakeStrip(GraphicWindow& parent, int32_t frames) {
    WriteNumberedStrip("strip.bmp", 4, 3, frames, kFirstFrameColour);
    return new AnimStripWindow("strip.bmp", {2, 1, 3, 2}, 4, 0, &parent, nullptr, 1, -1);
  }
  int32_t ShownFrame(GraphicWindow& parent) { return PixelAt(*parent.mpImage, 2, 1) - kFirstFrameColour; }
};

TEST_P(AnimStripWindowTest, ShowsItsSequenceOneFramePerDraw) {
  WritePlainBitmap("panel.bmp", 20, 10, 1);
  GraphicWindow panel("panel.bmp", {0, 0, 1, 1}, 1, nullptr, nullptr, 0, -1);
  AnimStripWindow* strip = MakeStrip(panel, GetParam().frames);
  strip->SetFrameDelay(55);
  strip->SetMode(GetParam().mode);
  strip->Start();
  std::vector<int32_t> shown;
  for (size_t draw = 0; draw < GetParam().shown.size(); ++draw) {
    strip->Draw();
    shown.push_back(ShownFrame(panel));
    clock.systemMs += GetParam().drawEveryMs;
  }
  EXPECT_EQ(shown, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, AnimStripWindowTest,
    testing::Values(StripCase{"Once", kStripPlayOnce, 4, 56, {0, 1, 2, 3, 3, 3, 3}},
                    StripCase{"Loop", kStripLoop, 3, 56, {0, 1, 2, 0, 1, 2, 0}},
                    StripCase{"PingPong", kStripPingPong, 4, 56, {0, 1, 2, 3, 3, 2, 1, 0, 0, 1}},
                    StripCase{"PingPongLate", kStripPingPong, 4, 5000, {0, 1, 2, 3, 3, 2, 1, 0, 0, 1}},
                    StripCase{"LoopLate", kStripLoop, 3, 100000, {0, 1, 2, 0, 1}},
                    StripCase{"OneFrameOnce", kStripPlayOnce, 1, 56, {0, 0, 0}},
                    StripCase{"OneFrameLoop", kStripLoop, 1, 56, {0, 0, 0}},
                    StripCase{"OneFramePingPong", kStripPingPong, 1, 56, {0, 0, 0, 0}}),
    [](const testing::TestParamInfo<StripCase>& info) { return std::string(info.param.name); });

TEST_F(AnimStripWindowTest, WaitsForItsDelayAndIsOneFrameWide) {
  WritePlainBitmap("panel.bmp", 20, 10, 1);
  GraphicWindow panel("panel.bmp", {0, 0, 1, 1}, 1, nullptr, nullptr, 0, -1);
  AnimStripWindow* strip = MakeStrip(panel, 3);
  EXPECT_EQ(strip->Width(), 4);
  EXPECT_EQ(strip->mAbsRect.right, 6);
  EXPECT_EQ(strip->mFrameDelayMs, 83u);
  EXPECT_EQ(strip->mFrameCount, -1);
  strip->Start();
  EXPECT_EQ(strip->mFrameCount, 3);
  EXPECT_EQ(strip->Draw(), 1) << "a strip that never changed frame is late";
  EXPECT_FALSE(strip->NeedsRedraw());
  clock.systemMs += 83;
  EXPECT_FALSE(strip->NeedsRedraw());
  EXPECT_EQ(strip->Draw(), 0);
  clock.systemMs += 1;
  EXPECT_TRUE(strip->NeedsRedraw());
  EXPECT_EQ(strip->Draw(), 1);
  EXPECT_EQ(strip->mFrame, 2);
}

TEST_F(AnimStripWindowTest, AStripNarrowerThanAFrameOrMissingDrawsNothing) {
  WritePlainBitmap("panel.bmp", 20, 10, 1);
  WritePlainBitmap("narrow.bmp", 3, 3, 9);
  GraphicWindow panel("panel.bmp", {0, 0, 1, 1}, 1, nullptr, nullptr, 0, -1);
  for (const char* name : {"narrow.bmp", "missing.bmp"}) {
    auto* strip = new AnimStripWindow(name, {2, 1, 3, 2}, 4, 0, &panel, nullptr, 1, -1);
    strip->Start();
    EXPECT_EQ(strip->mFrameCount, 0);
    clock.systemMs += 1000;
    EXPECT_EQ(strip->Draw(), 0);
    EXPECT_EQ(PixelAt(*panel.mpImage, 2, 1), 1);
    panel.DeleteChild(strip);
  }
}

}  // namespace
