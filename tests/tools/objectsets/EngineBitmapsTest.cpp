// The engine's bitmap file "PEL3D.BMP" as the data set writes it.
#include <gtest/gtest.h>

#include <array>

#include "enginefiles/BitmapFileWriter.h"
#include "enginefiles/ShadeTable.h"
#include "imagefiles/GamePalette.h"
#include "objectsets/EngineBitmaps.h"
#include "objectsets/FacadeTiles.h"
#include "objectsets/ObjectSetIds.h"
#include "objectsets/ObjectSets.h"
#include "pel3d/bodies/ColourRamps.h"

namespace {

struct Image {
  uint32_t width;
  uint32_t height;
  uint32_t flags;
  std::vector<uint8_t> pixels;
};

uint32_t U32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

// The file read back as the engine walks it.
std::vector<Image> ReadBack() {
  BitmapFileWriter writer;
  std::string error;
  EXPECT_TRUE(AddEngineBitmaps(writer, error)) << error;
  const std::vector<uint8_t> bytes = writer.Build();
  const uint32_t count = U32(bytes, 8);
  std::vector<Image> images;
  size_t at = 16 + 12 * static_cast<size_t>(count);
  for (uint32_t i = 0; i < count; ++i) {
    Image image{U32(bytes, at), U32(bytes, at + 4), U32(bytes, at + 8), {}};
    const size_t pixels = at + 12 + 4 * static_cast<size_t>(image.height);
    image.pixels.assign(bytes.begin() + static_cast<ptrdiff_t>(pixels),
                        bytes.begin() + static_cast<ptrdiff_t>(pixels + image.width * image.height));
    at = pixels + image.width * image.height;
    images.push_back(std::move(image));
  }
  EXPECT_EQ(at, bytes.size());
  return images;
}

const std::vector<Image>& Images() {
  static const std::vector<Image> images = ReadBack();
  return images;
}

uint8_t MostFrequent(const std::vector<uint8_t>& pixels, size_t first, size_t width, size_t rows, size_t pitch) {
  std::array<int, 256> counts{};
  for (size_t y = 0; y < rows; ++y)
    for (size_t x = 0; x < width; ++x) ++counts[pixels[first + y * pitch + x]];
  return static_cast<uint8_t>(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

const ColourRamp* RampOf(uint32_t colour) { return FindColourRamp(static_cast<int32_t>(colour)); }

TEST(EngineBitmapsTest, EverySlotIsThereWithItsShape) {
  ASSERT_EQ(Images().size(), EngineBitmapCount());
  for (const Image& image : Images()) EXPECT_EQ(image.flags & 4, 0u) << "no bitmap is stored as a tile set";
  for (uint32_t slot : {kResidentialFacades, kCommercialFacades, kIndustrialFacades, kPublicFacades}) {
    EXPECT_EQ(Images()[slot].width, 256u) << slot;
    EXPECT_EQ(Images()[slot].height, 256u) << slot;
  }
  for (uint32_t slot : {kDayShadeBitmap, kNightShadeBitmap}) {
    EXPECT_EQ(Images()[slot].width, kShadeTableWidth);
    EXPECT_EQ(Images()[slot].height, kShadeTableRows);
  }
  EXPECT_EQ(Images()[kDayShadeBitmap].pixels, MakeShadeTable(GamePalette(), kDayFogColour));
  EXPECT_EQ(Images()[kNightShadeBitmap].pixels, MakeShadeTable(GamePalette(), kNightFogColour));
  EXPECT_EQ(Images()[kGroundTiles].width * Images()[kGroundTiles].height, 1u);
  for (uint32_t slot : kFaceBitmaps) {
    EXPECT_EQ(Images()[slot].width, 52u) << slot;
    EXPECT_EQ(Images()[slot].height, 25u) << slot;
  }
}

TEST(EngineBitmapsTest, ParticlesAreSquareOnClearTexels) {
  for (uint32_t kind = 0; kind < kParticleKinds; ++kind) {
    const Image& image = Images()[kFirstParticleBitmap + kind];
    ASSERT_EQ(image.width, image.height) << kind;
    const uint32_t w = image.width;
    EXPECT_EQ(image.pixels[0], 0) << kind;
    EXPECT_EQ(image.pixels[w * w - 1], 0) << kind;
    EXPECT_NE(image.pixels[(w / 2) * w + w / 2], 0) << kind << " has nothing at its centre";
  }
}

// A textured face is drawn far in its colour: that colour lies in the ramp of its tile's
// most frequent colour, which is also what the terrain-less colour table holds.
TEST(EngineBitmapsTest, FacadeFacesAreColouredInTheirTilesMainRamp) {
  int checked = 0;
  for (const BodyDescription& body : CityBodies()) {
    for (const FaceDescription& face : body.faces) {
      if (face.type < 16 || face.type > 18 || (face.texture >> 16) == kGroundTiles) continue;
      const uint32_t bitmap = face.texture >> 16, tile = face.texture & 0xFFFF;
      const Image& set = Images().at(bitmap);
      const size_t first = (tile / 8) * kFacadeTile * 256 + (tile % 8) * kFacadeTile;
      const uint8_t main = MostFrequent(set.pixels, first, kFacadeTile, kFacadeTile, 256);
      ASSERT_NE(RampOf(face.colour), nullptr);
      EXPECT_EQ(RampOf(face.colour), RampOf(main)) << "body " << body.id << " tile " << tile;
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
}

}  // namespace
