#include "support/TestCityGround.h"

#include <array>

#include "enginefiles/BitmapFileWriter.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/files/TiledTexture.h"

namespace {

constexpr uint32_t kSide = kTiledTextureSide;
// The tiled textures' bitmaps follow the night shade table.
constexpr uint32_t kGroundTexture = 42;  // tiles of 32
constexpr uint32_t kFacadeTexture = 43;  // tiles of 64
constexpr uint32_t kRoofTexture = 44;  // tiles of 128
constexpr uint32_t kParkBitmap = 45;  // tiles of 32 over the park texture's file
constexpr uint32_t kParkStandInSide = 32;

// Palette ramps.
constexpr uint8_t kGrey = 48;
constexpr uint8_t kYellow = 64;
constexpr uint8_t kBlue = 80;
constexpr uint8_t kBrown = 112;
constexpr uint8_t kSand = 192;
constexpr uint8_t kFoliage = 208;
constexpr uint8_t kCream = 16;

// A small deterministic noise in 0..n-1.
uint32_t Noise(uint32_t x, uint32_t y, uint32_t n) { return ((x * 73856093u) ^ (y * 19349663u)) % 97u % n; }

// Tile t of a texture of tiles of the side: where its texel (row, column) lies.
uint8_t& TexelOf(std::vector<uint8_t>& texture, uint32_t side, uint32_t t, uint32_t row, uint32_t column) {
  const uint32_t perRow = kSide / side;
  return texture[(t / perRow * side + row) * kSide + t % perRow * side + column];
}

uint8_t Asphalt(uint32_t r, uint32_t c) { return static_cast<uint8_t>(kGrey + 2 + Noise(r, c, 3)); }

// Ground tiles: 0 plain asphalt, 1 a dashed line along v, 2 along u, 3 a crossing with
// stop bars; 8 and 9 paving slabs; the rest asphalt with a tint of their number.
uint8_t GroundTexel(uint32_t t, uint32_t r, uint32_t c) {
  const bool dash = (r / 4) % 2 == 0;
  switch (t) {
    case 1: return c >= 15 && c <= 16 && dash ? kYellow + 10 : Asphalt(r, c);
    case 2: return r >= 15 && r <= 16 && (c / 4) % 2 == 0 ? kYellow + 10 : Asphalt(r, c);
    case 3: return (r < 2 || c < 2) && (r + c) % 4 < 2 ? kCream + 14 : Asphalt(r, c);
    case 8:
    case 9: {
      const uint8_t ramp = t == 8 ? kSand : kCream;
      if (r % 8 == 0 || (c + (r / 8) % 2 * 4) % 8 == 0) return static_cast<uint8_t>(ramp + 4);
      return static_cast<uint8_t>(ramp + 8 + Noise(r, c, 2));
    }
    default: return static_cast<uint8_t>(Asphalt(r, c) + t % 4);
  }
}

// Facade tiles: glass panes between mullions, the panes' shade and the spandrels' colour
// by the tile's number.
uint8_t FacadeTexel(uint32_t t, uint32_t r, uint32_t c) {
  if (c % 16 < 2) return kGrey + 12;
  if (r % 32 >= 26) return static_cast<uint8_t>((t % 2 ? kSand : kBrown) + 8 + Noise(r, c, 2));
  return static_cast<uint8_t>(kBlue + 4 + (t % 4) + (r % 32) / 8);
}

// Roof tiles: concentric squares of gravel, a drain in the middle.
uint8_t RoofTexel(uint32_t t, uint32_t r, uint32_t c) {
  const uint32_t dr = r < 64 ? 63 - r : r - 64;
  const uint32_t dc = c < 64 ? 63 - c : c - 64;
  const uint32_t ring = (dr > dc ? dr : dc) / 8;
  if (ring == 0) return kGrey + 4;
  return static_cast<uint8_t>((ring % 2 ? kGrey + 7 : kBrown + 6) + Noise(r, c, 2) + t);
}

// Park tiles: grass with flowers, the tile's number thinning them out.
uint8_t ParkTexel(uint32_t t, uint32_t r, uint32_t c) {
  if (Noise(r + 7 * t, c, 61) == 0) return kYellow + 12;
  return static_cast<uint8_t>(kFoliage + 6 + Noise(r, c + t, 4));
}

template <class Texel>
std::vector<uint8_t> TiledTexture(uint32_t side, Texel texel) {
  std::vector<uint8_t> texture(kSide * kSide);
  const uint32_t tiles = (kSide / side) * (kSide / side);
  for (uint32_t t = 0; t < tiles; ++t) {
    for (uint32_t r = 0; r < side; ++r) {
      for (uint32_t c = 0; c < side; ++c) TexelOf(texture, side, t, r, c) = texel(t, r, c);
    }
  }
  return texture;
}

uint32_t TileId(uint32_t bitmap, uint32_t tile) { return MakeTileId(bitmap, tile); }

}  // namespace

bool AddCityTiledBitmaps(BitmapFileWriter& bitmaps) {
  return bitmaps.AddBitmap(kSide, kSide, TiledTexture(32, GroundTexel)) &&
         bitmaps.AddBitmap(kSide, kSide, TiledTexture(64, FacadeTexel)) &&
         bitmaps.AddBitmap(kSide, kSide, TiledTexture(128, RoofTexel)) &&
         bitmaps.AddBitmap(kParkStandInSide, kParkStandInSide,
                           std::vector<uint8_t>(kParkStandInSide * kParkStandInSide, kFoliage + 6));
}

bool WriteParkTexture(const std::string& path) {
  BitmapFileWriter park;
  return park.AddBitmap(kSide, kSide, TiledTexture(32, ParkTexel)) && park.Save(path);
}

bool SetUpCityTiles(ResourceGroup* bitmaps, const std::string& parkPath) {
  return SetupTiledTexture(bitmaps, 0x1F1F, kGroundTexture, nullptr) == 1 &&
         SetupTiledTexture(bitmaps, 0x3F3F, kFacadeTexture, nullptr) == 1 &&
         SetupTiledTexture(bitmaps, 0x7F7F, kRoofTexture, nullptr) == 1 &&
         LoadTiledTexture(parkPath, bitmaps, 0x1F1F, kParkBitmap) == 1;
}

const TileRecord* CityGroundTile(const ResourceGroup* bitmaps, GroundKind kind, uint32_t variant) {
  switch (kind) {
    case GroundKind::kStreetAlongX: return GetTileRecord(bitmaps, TileId(kGroundTexture, 2));
    case GroundKind::kStreetAlongZ: return GetTileRecord(bitmaps, TileId(kGroundTexture, 1));
    case GroundKind::kCrossing: return GetTileRecord(bitmaps, TileId(kGroundTexture, 3));
    case GroundKind::kPaving: return GetTileRecord(bitmaps, TileId(kGroundTexture, 8 + variant % 2));
    case GroundKind::kPark: return GetTileRecord(bitmaps, TileId(kParkBitmap, variant % 64));
  }
  return nullptr;
}

void MakeTiledBuilding(BodyDescription& body, uint32_t variant, uint32_t plainTexture) {
  constexpr int32_t kRepeats = 3 * 65536;
  int32_t wall = 0;
  for (FaceDescription& face : body.faces) {
    if (face.type == 15) {
      // The flat roof over corners 3, 7, 6, 2: the paving tile twice each way.
      face.type = 16;
      face.texture = TileId(kRoofTexture, variant % 4);
      face.texCoords = {{0, 0}, {0, 2 * 65536}, {2 * 65536, 2 * 65536}, {2 * 65536, 0}};
      continue;
    }
    if (wall++ == 0) {
      face.type = 13;
      face.texture = plainTexture;
      continue;
    }
    for (auto& coords : face.texCoords) {
      coords[0] = coords[0] ? kRepeats : 0;
      coords[1] = coords[1] ? kRepeats : 0;
    }
    face.type = variant % 2 ? 17 : 18;
    face.texture = TileId(kFacadeTexture, (variant + static_cast<uint32_t>(wall)) % 16);
  }
}
