#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/BackBuffer.h"
#include "Drovane/DisplayFixture.h"

using platform::Rect;
using Picture = std::vector<std::string>;

namespace {

class BackBufferLinesTest : public DisplayFixture {
protected:
  // The buffer as text, '#' for every drawn pixel; fails when a row's padding was written.
  static Picture Draw(CBackBuffer& buffer) {
    Picture picture;
    const platform::MemorySurface* surface = Surface(buffer);
    for (int32_t y = 0; y < buffer.mHeight; ++y) {
      const uint8_t* row = surface->Pixels() + y * surface->Pitch();
      std::string line;
      for (int32_t x = 0; x < buffer.mWidth; ++x) line += row[x] ? '#' : '.';
      for (int32_t x = buffer.mWidth; x < surface->Pitch(); ++x) EXPECT_EQ(row[x], 0) << "padding of row " << y;
      picture.push_back(line);
    }
    return picture;
  }

  static CBackBuffer* Blank(int32_t width, int32_t height) {
    auto* buffer = new CBackBuffer(width, height);
    buffer->FillRect(0, nullptr);
    buffer->mColorIndex = 0x107;  // only the low byte is drawn
    return buffer;
  }
};

}  // namespace

// From the centre of a 9 by 9 buffer toward each octant: the points Bresenham's line takes
// for (4, 4)-(8, 6), mirrored.
TEST_F(BackBufferLinesTest, LinesInEveryOctant) {
  const int32_t base[][2] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}};
  for (int octant = 0; octant < 8; ++octant) {
    const bool swap = octant & 1;
    const int32_t sx = (octant & 2) ? -1 : 1;
    const int32_t sy = (octant & 4) ? -1 : 1;
    auto at = [&](const int32_t* p) {
      const int32_t dx = swap ? p[1] : p[0];
      const int32_t dy = swap ? p[0] : p[1];
      return std::pair<int32_t, int32_t>{4 + sx * dx, 4 + sy * dy};
    };
    Picture expected(9, std::string(9, '.'));
    for (const auto& p : base) expected[at(p).second][at(p).first] = '#';
    CBackBuffer* buffer = Blank(9, 9);
    const auto end = at(base[4]);
    EXPECT_EQ(buffer->DrawClippedLine(4, 4, end.first, end.second, 1), 0u);
    EXPECT_EQ(Draw(*buffer), expected) << "octant " << octant;
    EXPECT_EQ(PixelRows(*buffer)[4][4], 7);
    delete buffer;
  }
}

TEST_F(BackBufferLinesTest, ClippedLinesKeepWhatLiesInside) {
  const struct {
    Rect line;
    Picture expected;
  } cases[] = {
      {{-10, 1, 16, 1}, {"......", "######", "......", "......"}},
      {{2, -10, 2, 10}, {"..#...", "..#...", "..#...", "..#..."}},
      {{-3, -1, 2, -1}, {"......", "......", "......", "......"}},
      {{6, 0, 9, 3}, {"......", "......", "......", "......"}},
      {{-2, -2, 3, 3}, {"#.....", ".#....", "..#...", "...#.."}},
  };
  for (const auto& c : cases) {
    CBackBuffer* buffer = Blank(6, 4);
    buffer->DrawClippedLine(c.line.left, c.line.top, c.line.right, c.line.bottom, 1);
    EXPECT_EQ(Draw(*buffer), c.expected);
    delete buffer;
  }
}

TEST_F(BackBufferLinesTest, ThickLinesAreClippedAtEveryEdge) {
  const struct {
    Rect line;
    int32_t thickness;
    Picture expected;
  } cases[] = {
      // Down and right into the bottom-right corner, up and left into the top-left one.
      {{3, 2, 5, 4}, 3, {"......", "......", "...###", "...###", "...###"}},
      {{2, 2, 0, 0}, 3, {"###...", "###...", "###...", "......", "......"}},
      {{4, 0, 5, 2}, 2, {"....##", "....##", ".....#", ".....#", "......"}},
      {{1, 4, 0, 3}, 3, {"......", "#.....", "##....", "##....", "##...."}},
      {{-1, 4, 8, 4}, 3, {"......", "......", "......", "......", "######"}},
      {{5, -3, 5, 9}, 4, {".....#", ".....#", ".....#", ".....#", ".....#"}},
  };
  for (const auto& c : cases) {
    CBackBuffer* buffer = Blank(6, 5);
    buffer->DrawClippedLine(c.line.left, c.line.top, c.line.right, c.line.bottom, c.thickness);
    EXPECT_EQ(Draw(*buffer), c.expected) << c.line.left << "," << c.line.top << " thickness " << c.thickness;
    delete buffer;
  }
}

TEST_F(BackBufferLinesTest, ThickRectanglesAreClippedAtEveryEdge) {
  CBackBuffer* buffer = Blank(6, 5);
  buffer->DrawClippedRect({0, 0, 5, 4}, 2);
  EXPECT_EQ(Draw(*buffer), (Picture{"######", "######", "##...#", "##...#", "######"}));
  delete buffer;

  buffer = Blank(6, 5);
  buffer->DrawPixelRect({0, 0, 4, 3}, 3);
  EXPECT_EQ(Draw(*buffer), (Picture{"######", "######", "######", "######", "#####."}));
  delete buffer;
}

TEST_F(BackBufferLinesTest, PixelLinesLeaveOutWhatIsOutsideTheBuffer) {
  CBackBuffer* buffer = Blank(6, 4);
  buffer->DrawPixelLine(-2, -2, 3, 3, 1);
  buffer->DrawPixelLine(4, 1, 9, 1, 1);
  buffer->DrawPixelLine(0, 3, 2, 3, 0);
  EXPECT_EQ(Draw(*buffer), (Picture{"#.....", ".#..##", "..#...", "...#.."}));
  delete buffer;
}
