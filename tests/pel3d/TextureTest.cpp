#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BodyFileFixture.h"
#include "enginefiles/BitmapFileWriter.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/bodies/TexCoordScaling.h"
#include "pel3d/bodies/TextureColourTable.h"
#include "pel3d/files/TiledTexture.h"

namespace {

constexpr uint32_t kSide = 256;

// A 256 x 256 texture cut into tiles of 32: tile t is filled with colour 100 + t, but for
// one texel of colour 7 in each.
std::vector<uint8_t> TiledTexture() {
  std::vector<uint8_t> texels(kSide * kSide);
  for (uint32_t row = 0; row < kSide; ++row) {
    for (uint32_t column = 0; column < kSide; ++column) {
      const uint32_t tile = row / 32 * 8 + column / 32;
      texels[row * kSide + column] = static_cast<uint8_t>(row % 32 == 0 && column % 32 == 0 ? 7 : 100 + tile);
    }
  }
  return texels;
}

// A bitmap group of four: 0 is 8 x 4 mostly colour 9; 1 is 16 x 16 with colours 3 and 5
// equally often; 2 is a tile set of 32 x 32 tiles; 3 is 2 x 2 of colour 200.
class Textures : public BodyFileTest {
protected:
  void SetUp() override {
    BodyFileTest::SetUp();
    BitmapFileWriter writer;
    std::vector<uint8_t> first(8 * 4, 9);
    first[0] = first[1] = 1;
    writer.AddBitmap(8, 4, first);
    std::vector<uint8_t> halves(16 * 16, 5);
    std::fill(halves.begin(), halves.begin() + 128, 3);
    writer.AddBitmap(16, 16, halves);
    writer.AddBitmap(kSide, kSide, TiledTexture());
    writer.AddBitmap(2, 2, std::vector<uint8_t>(4, 200));
    mBitmaps = LoadResourceGroup(WriteFile("bmp/PEL3D.BMP", writer.Build()), kGroupBitmaps);
    ASSERT_NE(mBitmaps, nullptr);
    ASSERT_EQ(SetupTiledTexture(mBitmaps, 0x1F1F, 2, nullptr), 1);
  }

  // A body whose faces use the textures, with the flags given.
  static BodyDescription TexturedBody(const std::vector<std::pair<uint32_t, uint32_t>>& textureAndFlags) {
    BodyDescription body;
    body.id = 60;
    for (const auto& [texture, flags] : textureAndFlags) {
      AddSquare(body, 0, true);
      body.faces.back().texture = texture;
      body.faces.back().flags = flags;
    }
    return body;
  }

  ResourceGroup* mBitmaps = nullptr;
};

TEST_F(Textures, FacesAreScaledToTheirBitmapsAndTiles) {
  ResourceGroup* bodies = LoadBodies({TexturedBody({{1, 0x2}, {2 << 16 | 9, 0x2}, {0, 0x5}, {3, 0x2}})});
  ASSERT_NE(bodies, nullptr);
  ASSERT_EQ(ScaleBodyTexCoords(bodies, mBitmaps), 1);
  const Face* face = GetGroupBody(bodies, 0)->faces;
  // Bitmap 1 is 16 x 16: coordinates times 15.
  EXPECT_EQ(face->textureBitmap, GetBitmapRecord(mBitmaps, 1));
  EXPECT_EQ(face->textureTile, nullptr);
  EXPECT_EQ(face->texCoords[2].u, 15 * kOne);
  EXPECT_EQ(face->texCoords[3].u, 15 * kOne / 2);
  EXPECT_EQ(face->texCoords[1].v, 15 * kOne);
  EXPECT_EQ(face->texCoordCopy[2].u, kOne) << "the copy stays as read";
  // Tile 9 of bitmap 2: coordinates times the tile side, 32.
  face = face->next;
  EXPECT_EQ(face->textureTile, GetTileRecord(mBitmaps, 2 << 16 | 9));
  EXPECT_EQ(face->textureBitmap, nullptr);
  EXPECT_EQ(face->texCoords[3].u, 16 * kOne);
  // A point face with flag 1 is textured: bitmap 0 of 8 x 4.
  face = face->next;
  EXPECT_EQ(face->textureBitmap, GetBitmapRecord(mBitmaps, 0));
  EXPECT_EQ(face->texCoords[2].u, 7 * kOne);
  EXPECT_EQ(face->texCoords[2].v, 3 * kOne);
  face = face->next;
  EXPECT_EQ(face->texCoords[2].u, kOne);
}

TEST_F(Textures, UntexturedFacesAreLeftAlone) {
  for (uint32_t flags : {0x1u, 0x3u, 0x802u, 0x8002u, 0x10002u, 0x4002u}) {
    ResourceGroup* bodies = LoadBodies({TexturedBody({{99, flags}})});
    ASSERT_NE(bodies, nullptr);
    const Face* face = GetGroupBody(bodies, 0)->faces;
    const Fixedpoint u = face->texCoords[2].u;  // a Gouraud face holds its corner's shade
    EXPECT_EQ(ScaleBodyTexCoords(bodies, mBitmaps), 1) << flags;
    EXPECT_EQ(face->textureBitmap, nullptr) << flags;
    EXPECT_EQ(face->texCoords[2].u, u) << flags;
    FreeResourceGroup(bodies);
  }
}

TEST_F(Textures, TexturesTheGroupLacksGiveError13) {
  struct Case {
    const char* name;
    uint32_t texture;
  };
  const Case cases[] = {
      {"bitmap 4 of 4", 4},
      {"a tile of bitmap 4 of 4", 4 << 16 | 2},
      {"a tile of a bitmap that is no tile set", 1 << 16 | 2},
      {"tile 64 of a set of 64", 2 << 16 | 64},
  };
  for (const Case& c : cases) {
    ResourceGroup* bodies = LoadBodies({TexturedBody({{1, 0x2}, {c.texture, 0x2}, {3, 0x2}})});
    ASSERT_NE(bodies, nullptr);
    SetLastResourceError(kErrorNone);
    EXPECT_EQ(ScaleBodyTexCoords(bodies, mBitmaps), 0) << c.name;
    EXPECT_EQ(GetLastResourceError(), kErrorTextureIndex) << c.name;
    const Face* face = GetGroupBody(bodies, 0)->faces;
    EXPECT_NE(face->textureBitmap, nullptr) << "faces before the bad one stay scaled";
    EXPECT_EQ(face->next->next->textureBitmap, nullptr) << "faces after it are not reached";
    FreeResourceGroup(bodies);
  }
}

TEST_F(Textures, ColourTableHoldsTheMostFrequentColours) {
  ASSERT_EQ(BuildTextureColourTable(mBitmaps, 1), 0);
  struct Case {
    uint32_t id;
    uint32_t colour;
  };
  const Case cases[] = {
      {0, 9},
      {1, 3},  // equally many 3 and 5: the lower wins
      {3, 200},
      {2 << 16 | 0, 100},
      {2 << 16 | 7, 107},
      {2 << 16 | 63, 163},
      {2 << 16 | 64, 0},  // no such tile
      {4, 0},  // no such bitmap
  };
  for (const Case& c : cases) EXPECT_EQ(GetTextureColour(c.id), c.colour) << std::hex << c.id;
}

TEST_F(Textures, RebuildingWithoutKeepFillsTheTableItHas) {
  EXPECT_EQ(BuildTextureColourTable(mBitmaps, 1), 0);
  GetBitmapRecord(mBitmaps, 3)->pixels[0] = 50;
  GetBitmapRecord(mBitmaps, 3)->pixels[1] = 50;
  EXPECT_EQ(BuildTextureColourTable(mBitmaps, 0), 0);
  EXPECT_EQ(GetTextureColour(3), 50u);
}

TEST_F(Textures, NoTableGivesError4AndAFreedGroupIsForgotten) {
  EXPECT_EQ(GetTextureColour(0), 0u);
  EXPECT_EQ(BuildTextureColourTable(mBitmaps, 0), 1);
  EXPECT_EQ(GetLastResourceError(), kErrorOutOfMemory);
  EXPECT_EQ(GetTextureColour(0), 0u);

  ASSERT_EQ(BuildTextureColourTable(mBitmaps, 1), 0);
  EXPECT_EQ(GetTextureColour(0), 9u);
  FreeResourceGroup(mBitmaps);
  EXPECT_EQ(GetTextureColour(0), 0u);
}

// Only tile records make a tile set: a bitmap whose file flags carry the tile-set bit is
// counted as an ordinary bitmap. A group of bodies has no bitmaps to count.
TEST_F(Textures, ColourTableTakesTileSetsByTheirRecordsAndRefusesOtherGroups) {
  BitmapFileWriter writer;
  writer.AddBitmap(2, 2, std::vector<uint8_t>(4, 77), kBitmapTileSet);
  ResourceGroup* flagged = LoadResourceGroup(WriteFile("bmp/FLAGGED.BMP", writer.Build()), kGroupBitmaps);
  ASSERT_NE(flagged, nullptr);
  ASSERT_EQ(BuildTextureColourTable(flagged, 1), 0);
  EXPECT_EQ(GetTextureColour(0), 77u);

  ResourceGroup* bodies = LoadBodies({TexturedBody({{1, 0x2}})});
  ASSERT_NE(bodies, nullptr);
  SetLastResourceError(kErrorNone);
  EXPECT_EQ(BuildTextureColourTable(bodies, 1), 1);
  EXPECT_EQ(GetLastResourceError(), kErrorNotAGroup);
  EXPECT_EQ(GetTextureColour(0), 77u) << "the current table stays";
  FreeResourceGroup(bodies);
  FreeResourceGroup(flagged);
}

}  // namespace
