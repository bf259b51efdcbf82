#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "DrawFixture.h"
#include "pel3d/EngineStart.h"
#include "pel3d/draw/DispatchTables.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/draw/GroundTriangle.h"
#include "pel3d/draw/RasterRoutines.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/raster/FogLevel.h"
#include "pel3d/raster/DepthCorrectedTiledFills.h"
#include "pel3d/raster/TiledFills.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr int32_t kWidth = 48;
constexpr int32_t kHeight = 40;
constexpr int32_t kPitch = 56;
constexpr uint8_t kBackground = 250;
constexpr uint32_t kTextureSide = 256;

using Fill = void (*)(const DrawBlock&);
using Samples = std::vector<std::pair<int, int>>;  // (row, column) in the tile

// Two 256 x 256 textures, one whose texels tell their row and one their column, each with
// a tile record of the mask on the texture's last tile, so that a fetch past the tile
// would read past the texture.
struct PlaceTiles {
  std::vector<uint8_t> rows = std::vector<uint8_t>(kTextureSide * kTextureSide);
  std::vector<uint8_t> columns = std::vector<uint8_t>(kTextureSide * kTextureSide);
  uint32_t corner;  // the last tile's first row and column
  TileRecord rowTile;
  TileRecord columnTile;

  explicit PlaceTiles(uint32_t wrapMask) : corner(kTextureSide - ((wrapMask & 0xFF) + 1)) {
    for (uint32_t i = 0; i < rows.size(); ++i) {
      rows[i] = static_cast<uint8_t>(i / kTextureSide);
      columns[i] = static_cast<uint8_t>(i % kTextureSide);
    }
    const uint32_t first = corner * kTextureSide + corner;
    rowTile = {wrapMask, rows.data() + first};
    columnTile = {wrapMask, columns.data() + first};
  }
};

// A one-row span on row 0 from x0 to x1, u and v at each end, the left side at depth zl
// and the right side at zr.
std::vector<ScreenVertex> Span(double x0, double x1, double u0, double u1, double v0, double v1, double zl = 10,
                               double zr = 10) {
  return {{Px(x0), 0, Fix(zl), Fix(u0), Fix(v0)},
          {Px(x1), 0, Fix(zr), Fix(u1), Fix(v1)},
          {Px(x1), Px(1), Fix(zr), Fix(u1), Fix(v1)},
          {Px(x0), Px(1), Fix(zl), Fix(u0), Fix(v0)}};
}

class TiledFillTest : public FogDrawTest {
protected:
  void SetUp() override {
    FogDrawTest::SetUp();
    frame.Install();
    frame.Clear(kBackground);
  }
  void TearDown() override {
    EXPECT_TRUE(frame.BorderUntouched());
    FogDrawTest::TearDown();
  }

  static void Draw(std::vector<ScreenVertex> polygon, Fill fill, const TileRecord* tile) {
    DrawBlock block{static_cast<int32_t>(polygon.size()), polygon.data(), 0, nullptr, tile, nullptr};
    fill(block);
  }

  std::vector<int> Pixels(int32_t x, int32_t y, int32_t count) const {
    std::vector<int> pixels;
    for (int32_t i = 0; i < count; ++i) pixels.push_back(frame.At(x + i, y));
    return pixels;
  }

  // The (row, column) in the tile of the texel each of the first count pixels of row 0
  // shows.
  Samples SamplesOf(const std::vector<ScreenVertex>& polygon, Fill fill, uint32_t wrapMask, int32_t count) {
    const PlaceTiles tiles(wrapMask);
    Draw(polygon, fill, &tiles.rowTile);
    const std::vector<int> rows = Pixels(0, 0, count);
    Draw(polygon, fill, &tiles.columnTile);
    const std::vector<int> columns = Pixels(0, 0, count);
    Samples samples;
    for (int32_t i = 0; i < count; ++i) {
      const auto corner = static_cast<int>(tiles.corner);
      samples.emplace_back(rows[static_cast<std::size_t>(i)] - corner, columns[static_cast<std::size_t>(i)] - corner);
    }
    return samples;
  }

  std::vector<int> ColumnsOf(const std::vector<ScreenVertex>& polygon, Fill fill, int32_t count) {
    std::vector<int> columns;
    for (const auto& sample : SamplesOf(polygon, fill, 0x1F1F, count)) columns.push_back(sample.second);
    return columns;
  }

  GuardedFrameBuffer frame{kWidth, kHeight, kPitch};
};

Samples InRow(int row, const std::vector<int>& columns) {
  Samples samples;
  for (int column : columns) samples.emplace_back(row, column);
  return samples;
}

struct WrapCase {
  std::string name;
  Fill fill;
  uint32_t wrapMask;
  std::vector<ScreenVertex> polygon;
  Samples samples;
};

class TileWrapTest : public TiledFillTest, public ::testing::WithParamInterface<WrapCase> {};

TEST_P(TileWrapTest, SamplesTheseTexels) {
  const WrapCase& c = GetParam();
  EXPECT_EQ(SamplesOf(c.polygon, c.fill, c.wrapMask, static_cast<int32_t>(c.samples.size())), c.samples);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, TileWrapTest,
    ::testing::Values(
        // The span's width is one pixel more than its length: u steps 10/11 of a texel.
        WrapCase{"AffineStepsShortOfTheRightEnd", FillPolygonTiled, 0x1F1F, Span(0, 10, 0, 10, 5, 5),
                 InRow(5, {0, 0, 1, 2, 3, 4, 5, 6, 7, 8})},
        WrapCase{"AffineWrapsRightward", FillPolygonTiled, 0x1F1F, Span(0, 10, 30, 40, 5, 5),
                 InRow(5, {30, 30, 31, 0, 1, 2, 3, 4, 5, 6})},
        // The column's borrow below 0 takes one from the row.
        WrapCase{"AffineBorrowsFromTheRowLeftward", FillPolygonTiled, 0x1F1F, Span(0, 10, 3, -7, 5, 5),
                 {{5, 3}, {5, 2}, {5, 1}, {5, 0}, {4, 31}, {4, 30}, {4, 29}, {4, 28}, {4, 27}, {4, 26}}},
        WrapCase{"NegativeRowIsTheTilesLast", FillPolygonTiled, 0x1F1F, Span(0, 4, 2, 2, -1, -1),
                 InRow(31, {2, 2, 2, 2})},
        // The column bias keeps a leftward step from borrowing.
        WrapCase{"PerspectiveNeverBorrows", FillPolygonTiledPerspective16, 0x1F1F, Span(0, 16, 3, -13, 5, 5),
                 InRow(5, {3, 2, 1, 0, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20})},
        // With 128-wide tiles the bias carries into the row at every rightward crossing.
        WrapCase{"Perspective128WideCarriesIntoTheRow", FillPolygonTiledPerspective32, 0x7F7F,
                 Span(0, 16, 120, 136, 5, 5),
                 {{5, 120}, {5, 121}, {5, 122}, {5, 123}, {5, 124}, {5, 125}, {5, 126}, {5, 127}, {6, 0}, {6, 1},
                  {6, 2}, {6, 3}, {6, 4}, {6, 5}, {6, 6}, {6, 7}}}),
    CaseName<WrapCase>);

struct SubSpanCase {
  std::string name;
  Fill fill;
  std::vector<ScreenVertex> polygon;
  std::vector<int> columns;
};

class SubSpanTest : public TiledFillTest, public ::testing::WithParamInterface<SubSpanCase> {};

TEST_P(SubSpanTest, SamplesTheseColumns) {
  const SubSpanCase& c = GetParam();
  EXPECT_EQ(ColumnsOf(c.polygon, c.fill, static_cast<int32_t>(c.columns.size())), c.columns);
}

std::vector<int> Upto(int count) {
  std::vector<int> columns;
  for (int i = 0; i < count; ++i) columns.push_back(i);
  return columns;
}

INSTANTIATE_TEST_SUITE_P(
    Spans, SubSpanTest,
    ::testing::Values(
        SubSpanCase{"OneDepthBy16", FillPolygonTiledPerspective16, Span(0, 32, 0, 32, 3, 3, 1, 1), Upto(32)},
        // The first sub-span ends a quarter of the way: the near end is compressed.
        SubSpanCase{"TwoDepthsBy16",
                    FillPolygonTiledPerspective16,
                    Span(0, 32, 0, 32, 3, 3, 1, 3),
                    {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7,
                     8, 9, 11, 12, 14, 15, 17, 18, 20, 21, 23, 24, 26, 27, 29, 30}},
        SubSpanCase{"TwoDepthsBy32IsOneSubSpan", FillPolygonTiledPerspective32, Span(0, 32, 0, 32, 3, 3, 1, 3),
                    Upto(32)},
        // Count 20: a short sub-span of 4 pixels, then one of 16.
        SubSpanCase{"ShortFirstSubSpan",
                    FillPolygonTiledPerspective16,
                    Span(0, 20, 0, 20, 3, 3, 1, 3),
                    {0, 0, 0, 1, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18}},
        SubSpanCase{"ShortOnlySubSpanBy32", FillPolygonTiledPerspective32, Span(0, 20, 0, 20, 3, 3, 1, 3),
                    Upto(20)}),
    CaseName<SubSpanCase>);

TEST_F(TiledFillTest, PerspectiveEdgeIsExactOnEveryRow) {
  // A column one pixel wide, 32 rows, v from 0 at depth 1.0 to 32 at depth 3.0: the row at
  // screen fraction t is 32 t / (3 - 2 t).
  const std::vector<ScreenVertex> column{{0, 0, Fix(1), 0, 0},
                                         {Px(1), 0, Fix(1), 0, 0},
                                         {Px(1), Px(32), Fix(3), 0, Fix(32)},
                                         {0, Px(32), Fix(3), 0, Fix(32)}};
  const PlaceTiles tiles(0x1F1F);
  Draw(column, FillPolygonTiledPerspective32, &tiles.rowTile);
  const std::vector<int> expected{0, 3, 8, 16};
  for (int32_t i = 0; i < 4; ++i) {
    EXPECT_EQ(frame.At(0, 8 * i) - static_cast<int>(tiles.corner), expected[static_cast<std::size_t>(i)]) << 8 * i;
  }
}

TEST_F(TiledFillTest, EveryEdgeStartsFromItsUpperVertex) {
  // Two edges on the left: rows 0 to 9 from v 0 towards v 7, rows 10 to 19 at v 7.
  const std::vector<ScreenVertex> polygon{{0, 0, Fix(1), 0, 0},         {Px(1), 0, Fix(1), 0, 0},
                                          {Px(1), Px(20), Fix(1), 0, 0}, {0, Px(20), Fix(1), 0, Fix(7)},
                                          {0, Px(10), Fix(4), 0, Fix(7)}};
  const PlaceTiles tiles(0x1F1F);
  Draw(polygon, FillPolygonTiledPerspective16, &tiles.rowTile);
  EXPECT_EQ(frame.At(0, 0), tiles.corner + 0);
  EXPECT_EQ(frame.At(0, 10), tiles.corner + 7);
  EXPECT_EQ(frame.At(0, 19), tiles.corner + 7);
}

TEST_F(TiledFillTest, FoggedEdgeStopsShortOfItsLowerLevel) {
  // The left chain: 10 rows from level 0 to level 16, then 10 rows back to 0. Spans are
  // one pixel, so each shows the left chain's level.
  const std::vector<ScreenVertex> polygon{{0, 0, Fix(100), 0, 0},         {Px(1), 0, Fix(100), 0, 0},
                                          {Px(1), Px(20), Fix(100), 0, 0}, {0, Px(20), Fix(100), 0, 0},
                                          {0, Px(10), Fix(132), 0, 0}};
  const std::vector<uint8_t> threes(kTextureSide * kTextureSide, 3);
  const TileRecord tile{0x1F1F, const_cast<uint8_t*>(threes.data())};
  Draw(polygon, FillPolygonTiledFog, &tile);
  std::vector<int> levels;
  for (int32_t y = 0; y < 11; ++y) levels.push_back(frame.At(0, y) / 8);
  // 87381 (1.3333) levels per row: just under 12 on the tenth row.
  EXPECT_EQ(levels, (std::vector<int>{0, 1, 2, 3, 5, 6, 7, 9, 10, 11, 16}));
}

TEST_F(TiledFillTest, FoggedSpanStepsByOnePixelMoreThanItsLength) {
  const std::vector<uint8_t> threes(kTextureSide * kTextureSide, 3);
  const TileRecord tile{0x1F1F, const_cast<uint8_t*>(threes.data())};
  Draw(Span(0, 20, 0, 20, 0, 0, 100, 132), FillPolygonTiledFog, &tile);
  std::vector<int> levels;
  for (int pixel : Pixels(0, 0, 20)) levels.push_back(pixel / 8);
  EXPECT_EQ(levels, (std::vector<int>{0, 0, 1, 2, 3, 3, 4, 5, 6, 6, 7, 8, 9, 9, 10, 11, 12, 12, 13, 14}));
}

const std::vector<std::pair<std::string, Fill>> kFills{{"Tiled", FillPolygonTiled},
                                                       {"TiledFog", FillPolygonTiledFog},
                                                       {"Perspective16", FillPolygonTiledPerspective16},
                                                       {"Perspective32", FillPolygonTiledPerspective32}};

TEST_F(TiledFillTest, TexelZeroIsWrittenLikeAnyOther) {
  const std::vector<uint8_t> zeros(kTextureSide * kTextureSide, 0);
  const TileRecord tile{0x1F1F, const_cast<uint8_t*>(zeros.data())};
  for (const auto& [name, fill] : kFills) {
    frame.Clear(kBackground);
    Draw(Span(0, 8, 0, 8, 0, 0, 50, 50), fill, &tile);
    EXPECT_EQ(frame.CountOf(0), 8) << name;  // level 0 of the shade table keeps colour 0
  }
}

TEST_F(TiledFillTest, LeftXNeverFallsBelowZero) {
  // The left edge steps out past the left border towards the bottom vertex: the rows there
  // start at column 0, never at the guarded byte before the row.
  const std::vector<ScreenVertex> polygon{{Px(3), 0, Fix(50), 0, 0},
                                          {Px(20), 0, Fix(50), Fix(18), 0},
                                          {Px(-3), Px(12), Fix(50), 0, Fix(12)}};
  const PlaceTiles tiles(0x7F7F);
  for (const auto& [name, fill] : kFills) {
    frame.Clear(kBackground);
    Draw(polygon, fill, &tiles.columnTile);
    EXPECT_NE(frame.At(0, 9), kBackground) << name;
  }
}

TEST_F(TiledFillTest, AnticlockwisePolygonDrawsNothing) {
  std::vector<ScreenVertex> polygon = Span(0, 10, 0, 10, 0, 0, 50, 50);
  std::swap(polygon[1], polygon[3]);
  const PlaceTiles tiles(0x1F1F);
  for (const auto& [name, fill] : kFills) Draw(polygon, fill, &tiles.rowTile);
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
}

TEST_F(TiledFillTest, NothingIsDrawnWithoutAUsableTile) {
  std::vector<uint8_t> texture(kTextureSide * kTextureSide, 9);
  const std::vector<TileRecord> unusable{{0x1F1F, nullptr}, {0xFFFF, texture.data()}, {0x1F3F, texture.data()}};
  for (const auto& [name, fill] : kFills) {
    Draw(Span(0, 10, 0, 10, 0, 0, 50, 50), fill, nullptr);
    for (const TileRecord& tile : unusable) Draw(Span(0, 10, 0, 10, 0, 0, 50, 50), fill, &tile);
  }
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
}

TEST_F(TiledFillTest, DenominatorOfZeroDoesNotStopTheDraw) {
  // Depths of 0 and below never come from the near plane; the fill still ends normally.
  const PlaceTiles tiles(0x1F1F);
  for (Fill fill : {FillPolygonTiledPerspective16, FillPolygonTiledPerspective32}) {
    Draw(Span(0, 40, 0, 40, 0, 0, 0, 0), fill, &tiles.rowTile);
    Draw(Span(0, 40, 0, 40, 0, 0, -1, 1), fill, &tiles.rowTile);
  }
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight - 40);
}

TEST(TiledRoutinesTest, TheGroundTableDrawsTerrainWithTheTiledFills) {
  InitEngine();
  EXPECT_EQ(GetRasterRoutine(kGroundTable[kGroundMiddle]), &FillPolygonTiled);
  EXPECT_EQ(GetRasterRoutine(kGroundTable[kGroundFar]), &FillPolygonTiledFog);
  EXPECT_EQ(GetRasterRoutine(kGroundTable[kGroundNear]), &FillPolygonTiledPerspective32);
  EXPECT_EQ(GetRasterRoutine(kBandTables[0][18]), &FillPolygonTiledPerspective16);
}

}  // namespace
