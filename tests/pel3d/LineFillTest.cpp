#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "DrawFixture.h"
#include "pel3d/EngineStart.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/raster/LineFills.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr int32_t kWidth = 560;
constexpr int32_t kHeight = 12;
constexpr int32_t kPitch = 576;
constexpr uint8_t kBackground = 10;
constexpr uint8_t kInk = 200;

using Pixel = std::pair<int32_t, int32_t>;  // (x, y)

class LineFillTest : public DrawTest {
protected:
  void SetUp() override {
    DrawTest::SetUp();
    frame.Install();
    frame.Clear(kBackground);
    ResetLinePhase();
    // Table n turns colour c into c + 10 (n + 1).
    for (std::size_t i = 0; i < remapTables.size(); ++i) remapTables[i] = static_cast<uint8_t>(i % 256 + 10 * (i / 256 + 1));
    SetRemapTables(remapTables.data(), 4);
  }
  void TearDown() override {
    EXPECT_TRUE(frame.BorderUntouched());
    DrawTest::TearDown();
  }

  void Draw(void (*line)(const DrawBlock&), std::vector<ScreenVertex> ends, uint32_t word) {
    DrawBlock block{static_cast<int32_t>(ends.size()), ends.data(), word, nullptr, nullptr, nullptr};
    line(block);
  }

  std::set<Pixel> Drawn() const {
    std::set<Pixel> drawn;
    for (int32_t y = 0; y < kHeight; ++y) {
      for (int32_t x = 0; x < kWidth; ++x) {
        if (frame.At(x, y) != kBackground) drawn.insert({x, y});
      }
    }
    return drawn;
  }

  std::vector<int> Row(int32_t y, int32_t from, int32_t count) const { return frame.RowPixels(from, y, count); }

  std::vector<uint8_t> remapTables = std::vector<uint8_t>(4 * 256);
  GuardedFrameBuffer frame{kWidth, kHeight, kPitch};
};

std::vector<ScreenVertex> Ends(double x0, double y0, double x1, double y1) {
  return {{Px(x0), Px(y0), 0, 0, 0}, {Px(x1), Px(y1), 0, 0, 0}};
}

struct LineCase {
  std::string name;
  std::vector<ScreenVertex> ends;
  std::set<Pixel> pixels;
};

class SolidLineTest : public LineFillTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(SolidLineTest, LightsThePixelsOfTheWalk) {
  Draw(DrawSolidLine, GetParam().ends, 0x300 | kInk);
  EXPECT_EQ(Drawn(), GetParam().pixels);
  EXPECT_EQ(frame.CountOf(kInk), static_cast<int32_t>(GetParam().pixels.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SolidLineTest,
    ::testing::Values(
        // The error starts at 0: the step down comes only after a whole long-axis length.
        LineCase{"ShallowLeavesItsRowLate", Ends(0, 0, 4, 1), {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 1}}},
        LineCase{"Diagonal", Ends(0, 0, 2, 2), {{0, 0}, {1, 1}, {2, 2}}},
        LineCase{"OnePoint", Ends(3.7, 7.2, 3.1, 7.9), {{3, 7}}},
        LineCase{"RightToLeft", Ends(5, 0, 0, 0), {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}},
        LineCase{"SteepWalksDown", Ends(1, 0, 2, 3), {{1, 0}, {1, 1}, {1, 2}, {2, 3}}},
        LineCase{"SteepWalksUp", Ends(2, 3, 1, 0), {{2, 3}, {2, 2}, {2, 1}, {1, 0}}},
        // End points are held inside the view one coordinate at a time.
        LineCase{"HeldAtTheRightAndBottom", Ends(600, 20, 600, 11), {{559, 11}}},
        LineCase{"HeldAtTheLeftAndTop", Ends(-30, -4, -1, -9), {{0, 0}}},
        LineCase{"LastRow", Ends(7, 12, 9, 12), {{7, 11}, {8, 11}, {9, 11}}}),
    CaseName<LineCase>);

TEST_F(LineFillTest, ALineAndItsReverseDiffer) {
  Draw(DrawSolidLine, Ends(2, 2, 20, 9), kInk);
  const std::set<Pixel> forward = Drawn();
  EXPECT_TRUE(forward.count({3, 2}) && forward.count({4, 2}) && forward.count({5, 3}));
  frame.Clear(kBackground);
  Draw(DrawSolidLine, Ends(20, 9, 2, 2), kInk);
  const std::set<Pixel> backward = Drawn();
  EXPECT_TRUE(backward.count({4, 3}) && backward.count({3, 3}) && backward.count({2, 2}));
  EXPECT_FALSE(backward.count({3, 2}));
  EXPECT_EQ(forward.size(), 19u);
  EXPECT_EQ(backward.size(), 19u);
}

TEST_F(LineFillTest, OtherVertexCountsDrawNothing) {
  std::vector<ScreenVertex> three = Ends(0, 0, 9, 9);
  three.push_back({Px(5), 0, 0, 0, 0});
  Draw(DrawSolidLine, three, kInk);
  Draw(DrawSolidLine, {three[0]}, kInk);
  Draw(DrawRemapLine, three, 0);
  Draw(DrawRemapLine, {three[0]}, 0);
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
  // The remap line's phase did not move: the next line uses table 1.
  Draw(DrawRemapLine, Ends(0, 0, 0, 0), 0);
  EXPECT_EQ(frame.At(0, 0), kBackground + 20);
}

TEST_F(LineFillTest, RemapLineWritesFourBytesFromWhatItReads) {
  frame.Clear(kBackground);
  Draw(DrawRemapLine, Ends(0, 1, 0, 1), 0);  // table 1: + 20
  EXPECT_EQ(Row(1, 0, 5), (std::vector<int>{30, 30, 30, 30, kBackground}));
  // A step to the right reads the pixel the step before replaced (table 2: + 30).
  Draw(DrawRemapLine, Ends(10, 2, 12, 2), 0);
  EXPECT_EQ(Row(2, 10, 7), (std::vector<int>{40, 70, 100, 100, 100, 100, kBackground}));
  // A step down reads the pixel as it was (table 3: + 40).
  Draw(DrawRemapLine, Ends(20, 3, 21, 5), 0);
  EXPECT_EQ(Row(3, 20, 5), (std::vector<int>{50, 50, 50, 50, kBackground}));
  EXPECT_EQ(Row(4, 20, 5), (std::vector<int>{50, 50, 50, 50, kBackground}));
  EXPECT_EQ(Row(5, 20, 6), (std::vector<int>{kBackground, 50, 50, 50, 50, kBackground}));
}

TEST_F(LineFillTest, RemapLinePhaseTurnsFromLineToLine) {
  // Tables word + 1, + 2, + 3, + 0, + 1 for the first five lines after start-up.
  std::vector<int> colours;
  for (int32_t i = 0; i < 5; ++i) {
    Draw(DrawRemapLine, Ends(8 * i, 0, 8 * i, 0), 0);
    colours.push_back(frame.At(8 * i, 0));
  }
  EXPECT_EQ(colours, (std::vector<int>{30, 40, 50, 20, 30}));
  InitEngine();
  SetRemapTables(remapTables.data(), 4);
  frame.Install();
  Draw(DrawRemapLine, Ends(0, 5, 0, 5), 0);
  EXPECT_EQ(frame.At(0, 5), 30);
}

TEST_F(LineFillTest, RemapLineIsHeldFourPixelsFromTheRightEdge) {
  Draw(DrawRemapLine, Ends(600, 0, 600, 0), 0);
  EXPECT_EQ(Row(0, 555, 5), (std::vector<int>{kBackground, 30, 30, 30, 30}));
  Draw(DrawSolidLine, Ends(600, 1, 600, 1), kInk);
  EXPECT_EQ(frame.At(559, 1), kInk);
}

TEST_F(LineFillTest, RemapLineWithoutItsTableDrawsNothingButTurnsThePhase) {
  // Word 3 names tables 4, 5 and 6, past the block's four, then table 3.
  for (int32_t i = 0; i < 3; ++i) Draw(DrawRemapLine, Ends(0, 0, 9, 0), 3);
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
  Draw(DrawRemapLine, Ends(0, 0, 0, 0), 3);
  EXPECT_EQ(frame.At(0, 0), kBackground + 40);
  // A word of 2^32 - 1 does not wrap round to table 0.
  Draw(DrawRemapLine, Ends(0, 5, 0, 5), 0xFFFFFFFFu);
  SetRemapTables(nullptr, 4);
  Draw(DrawRemapLine, Ends(0, 6, 0, 6), 0);
  EXPECT_EQ(frame.At(0, 5), kBackground);
  EXPECT_EQ(frame.At(0, 6), kBackground);
}

}  // namespace
