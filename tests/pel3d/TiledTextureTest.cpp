#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "EngineFileFixture.h"
#include "enginefiles/BitmapFileWriter.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/files/ResourceFileFormat.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/files/TiledTexture.h"

namespace {

constexpr uint32_t kSide = 256;

// A 256 x 256 texture whose every texel tells its place.
std::vector<uint8_t> Texture(uint8_t seed) {
  std::vector<uint8_t> texels(kSide * kSide);
  for (uint32_t row = 0; row < kSide; ++row)
    for (uint32_t column = 0; column < kSide; ++column)
      texels[row * kSide + column] = static_cast<uint8_t>(row * 3 + column * 5 + seed);
  return texels;
}

// The engine's bitmap group in small: bitmap 0 of 128 x 128, bitmap 1 of 256 x 256, and a
// 4 x 4 one.
class TiledTexture : public EngineFileTest {
protected:
  void SetUp() override {
    EngineFileTest::SetUp();
    BitmapFileWriter writer;
    writer.AddBitmap(128, 128, std::vector<uint8_t>(128 * 128, 9));
    writer.AddBitmap(kSide, kSide, Texture(0));
    writer.AddBitmap(4, 4, std::vector<uint8_t>(16, 7));
    mGroup = LoadResourceGroup(WriteFile("bmp/PEL3D.BMP", writer.Build()), kGroupBitmaps);
    ASSERT_NE(mGroup, nullptr);
  }

  std::string WriteTiledFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    return WriteFile("bmp/" + name, bytes);
  }
  static std::vector<uint8_t> TiledFile(uint8_t seed) {
    BitmapFileWriter writer;
    writer.AddBitmap(kSide, kSide, Texture(seed));
    return writer.Build();
  }

  // Whether the bitmap is still as it was loaded.
  void ExpectUntouched(uint32_t index) {
    const Bitmap* bitmap = GetBitmapRecord(mGroup, index);
    EXPECT_EQ(bitmap->width, mGroup->bitmaps[index].width);
    EXPECT_EQ(bitmap->height, mGroup->bitmaps[index].height);
    EXPECT_EQ(bitmap->flags, 0u);
    EXPECT_EQ(bitmap->tiles, nullptr);
  }

  ResourceGroup* mGroup = nullptr;
};

struct TileLayout {
  uint32_t mask;
  uint32_t side;
  uint32_t tiles;
};

class TileLayouts : public TiledTexture, public ::testing::WithParamInterface<TileLayout> {};

TEST_P(TileLayouts, CutTheTextureLeftToRightThenTopToBottom) {
  const TileLayout& layout = GetParam();
  Bitmap* bitmap = GetBitmapRecord(mGroup, 1);
  uint8_t* base = bitmap->pixels;
  ASSERT_EQ(SetupTiledTexture(mGroup, layout.mask, 1, nullptr), 1);
  EXPECT_EQ(bitmap->width, layout.side);
  EXPECT_EQ(bitmap->height, layout.side);
  EXPECT_EQ(bitmap->flags, kBitmapTileSet);
  EXPECT_EQ(bitmap->pixels, base);  // the plain pixels stay where they were
  EXPECT_EQ(GetTileCount(bitmap), layout.tiles);
  const uint32_t perRow = kSide / layout.side;
  for (uint32_t t = 0; t < layout.tiles; ++t) {
    SCOPED_TRACE(t);
    const TileRecord* tile = GetTileRecord(mGroup, MakeTileId(1, t));
    ASSERT_EQ(tile, &bitmap->tiles[t]);
    EXPECT_EQ(GetBitmap(mGroup, MakeTileId(1, t)), tile);
    EXPECT_EQ(tile->wrapMask, layout.mask);
    EXPECT_EQ(tile->texels, base + (t / perRow) * layout.side * kSide + (t % perRow) * layout.side);
  }
  EXPECT_EQ(GetBitmap(mGroup, MakeTileId(1, layout.tiles)), nullptr);
  EXPECT_EQ(GetBitmap(mGroup, 1), bitmap);
}

INSTANTIATE_TEST_SUITE_P(WrapMasks, TileLayouts,
                         ::testing::Values(TileLayout{0x1F1F, 32, 64}, TileLayout{0x3F3F, 64, 16},
                                           TileLayout{0x7F7F, 128, 4}));

TEST_F(TiledTexture, TileNineOfThirtyTwoAndTileThreeOfOneHundredTwentyEight) {
  uint8_t* base = GetBitmapRecord(mGroup, 1)->pixels;
  ASSERT_EQ(SetupTiledTexture(mGroup, 0x1F1F, 1, nullptr), 1);
  EXPECT_EQ(GetTileRecord(mGroup, MakeTileId(1, 9))->texels, base + 32 * 256 + 32);
  ASSERT_EQ(SetupTiledTexture(mGroup, 0x7F7F, 2, base), 1);  // any bitmap over a given texture
  EXPECT_EQ(GetTileRecord(mGroup, MakeTileId(2, 3))->texels, base + 128 * 256 + 128);
}

TEST_F(TiledTexture, SetUpRefusesAndChangesNothing) {
  struct Case {
    uint32_t mask;
    uint32_t index;
  };
  const Case cases[] = {{0x0F0F, 1}, {0xFFFF, 1}, {0x1F3F, 1}, {0x1F1F, 0}, {0x1F1F, 2}, {0x1F1F, 3}, {0x1F1F, 1000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(SetupTiledTexture(mGroup, c.mask, c.index, nullptr), 0);
  }
  for (uint32_t i = 0; i < 3; ++i) ExpectUntouched(i);
  // A tile set is no 256 x 256 bitmap any more.
  ASSERT_EQ(SetupTiledTexture(mGroup, 0x3F3F, 1, nullptr), 1);
  EXPECT_EQ(SetupTiledTexture(mGroup, 0x1F1F, 1, nullptr), 0);
  EXPECT_EQ(GetBitmapRecord(mGroup, 1)->width, 64u);
}

TEST_F(TiledTexture, LoadsATextureFileIntoOneAlignedBlock) {
  std::string first = WriteTiledFile("TILED1.BMP", TiledFile(11));
  std::string second = WriteTiledFile("TILED2.BMP", TiledFile(22));
  ASSERT_EQ(LoadTiledTexture(mFolder.Game("BMP/tiled1.bmp"), mGroup, 0x1F1F, 2), 1);
  const Bitmap* bitmap = GetBitmapRecord(mGroup, 2);
  EXPECT_EQ(bitmap->width, 32u);
  EXPECT_EQ(bitmap->flags, kBitmapTileSet);
  const uint8_t* block = bitmap->tiles[0].texels;
  EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % 65536, 0u);
  const std::vector<uint8_t> expected = Texture(11);
  for (uint32_t t : {0u, 9u, 63u}) {
    const TileRecord* tile = GetTileRecord(mGroup, MakeTileId(2, t));
    uint32_t top = t / 8 * 32;
    uint32_t left = t % 8 * 32;
    for (uint32_t r : {0u, 17u, 31u})
      for (uint32_t c : {0u, 5u, 31u})
        EXPECT_EQ(tile->texels[r * kSide + c], expected[(top + r) * kSide + left + c]) << t;
  }

  // A later texture reuses the block.
  uint32_t allocated = gMemoryStatistics.allocated;
  ASSERT_EQ(LoadTiledTexture(second, mGroup, 0x7F7F, 0), 1);
  const Bitmap* tiled = GetBitmapRecord(mGroup, 0);  // its tiles cannot be named by a texture id
  EXPECT_EQ(tiled->width, 128u);
  EXPECT_EQ(tiled->tiles[0].texels, block);
  EXPECT_EQ(GetTileRecord(mGroup, MakeTileId(0, 0)), nullptr);
  EXPECT_EQ(block[1], Texture(22)[1]);
  EXPECT_EQ(gMemoryStatistics.allocated, allocated);
}

TEST_F(TiledTexture, ALoadThatCannotSetUpLeavesTheLoadedTextureAlone) {
  ASSERT_EQ(LoadTiledTexture(WriteTiledFile("TILED1.BMP", TiledFile(11)), mGroup, 0x1F1F, 2), 1);
  const std::string second = WriteTiledFile("TILED2.BMP", TiledFile(22));
  const struct {
    uint32_t mask;
    uint32_t index;
  } refused[] = {{0x0F0F, 0}, {0x1F1F, 3}, {0x7F7F, 1000}};
  for (const auto& c : refused) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(LoadTiledTexture(second, mGroup, c.mask, c.index), 0);
  }
  ExpectUntouched(0);
  const std::vector<uint8_t> expected = Texture(11);
  const TileRecord* last = GetTileRecord(mGroup, MakeTileId(2, 63));
  EXPECT_EQ(last->texels[0], expected[224 * kSide + 224]);
  EXPECT_EQ(last->texels[31 * kSide + 31], expected[255 * kSide + 255]);
}

// A tiled-texture file that is not exactly one 256 x 256 bitmap.
struct BadTiledFile {
  const char* what;
  std::vector<uint8_t> (*bytes)();
};
void PrintTo(const BadTiledFile& value, std::ostream* out) { *out << value.what; }


std::vector<uint8_t> TwoBitmaps() {
  BitmapFileWriter writer;
  writer.AddBitmap(kSide, kSide, Texture(0));
  writer.AddBitmap(1, 1, {0});
  return writer.Build();
}
std::vector<uint8_t> SmallBitmap() {
  BitmapFileWriter writer;
  writer.AddBitmap(128, 128, std::vector<uint8_t>(128 * 128));
  return writer.Build();
}
std::vector<uint8_t> WideBitmap() {
  BitmapFileWriter writer;
  writer.AddBitmap(kSide, 128, std::vector<uint8_t>(kSide * 128));
  return writer.Build();
}
std::vector<uint8_t> Whole() {
  BitmapFileWriter writer;
  writer.AddBitmap(kSide, kSide, Texture(0));
  return writer.Build();
}
std::vector<uint8_t> Cut() {
  std::vector<uint8_t> bytes = Whole();
  bytes.pop_back();
  return bytes;
}
std::vector<uint8_t> Longer() {
  std::vector<uint8_t> bytes = Whole();
  bytes.push_back(0);
  return bytes;
}
std::vector<uint8_t> HeaderOnly() {
  std::vector<uint8_t> bytes = Whole();
  bytes.resize(20);
  return bytes;
}
std::vector<uint8_t> BadRowOffset() {
  std::vector<uint8_t> bytes = Whole();
  platform::WriteLE32(&bytes[kBitmapFileHeaderSize + kBitmapDirectoryEntrySize + kBitmapHeaderSize + 4], 255);
  return bytes;
}

class BadTiledFiles : public TiledTexture, public ::testing::WithParamInterface<BadTiledFile> {};

TEST_P(BadTiledFiles, FailWithCode2AndTakeNoMemory) {
  std::string path = WriteTiledFile("TILED1.BMP", GetParam().bytes());
  uint32_t allocated = gMemoryStatistics.allocated;
  EXPECT_EQ(LoadTiledTexture(path, mGroup, 0x1F1F, 1), 0);
  EXPECT_EQ(GetLastResourceError(), kErrorBadContent);
  EXPECT_EQ(gMemoryStatistics.allocated, allocated);
  ExpectUntouched(1);
}

INSTANTIATE_TEST_SUITE_P(NotOneTexture, BadTiledFiles,
                         ::testing::Values(BadTiledFile{"TwoBitmaps", TwoBitmaps},
                                           BadTiledFile{"SmallBitmap", SmallBitmap},
                                           BadTiledFile{"WideBitmap", WideBitmap}, BadTiledFile{"Cut", Cut},
                                           BadTiledFile{"Longer", Longer}, BadTiledFile{"HeaderOnly", HeaderOnly},
                                           BadTiledFile{"BadRowOffset", BadRowOffset}),
                         [](const ::testing::TestParamInfo<BadTiledFile>& info) { return info.param.what; });

TEST_F(TiledTexture, AMissingTextureFileFailsWithCode1) {
  EXPECT_EQ(LoadTiledTexture(mFolder.Game("bmp/NONE.BMP"), mGroup, 0x1F1F, 1), 0);
  EXPECT_EQ(GetLastResourceError(), kErrorOpenFailed);
  ExpectUntouched(1);
}

}  // namespace
