#include "support/CityColumnsAndSprites.h"

#include <array>
#include <cmath>

#include "enginefiles/BitmapFileWriter.h"
#include "enginefiles/RemapTable.h"
#include "enginefiles/ShadeTable.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/math/FixedPoint.h"
#include "support/TestCity.h"

namespace {

// These bitmaps follow the remap-table block and the two remap tables of the furniture.
constexpr uint32_t kTreeBitmap = kRemapTableBitmap + 3;
constexpr uint32_t kLampPoleBitmap = kTreeBitmap + 1;
constexpr uint32_t kLampGlowBitmap = kTreeBitmap + 2;
constexpr uint32_t kFenceBitmap = kTreeBitmap + 3;
constexpr uint32_t kFirstColumnWallBitmap = kTreeBitmap + 4;
constexpr uint32_t kFirstRowWallBitmap = 2;  // the city's own wall textures
constexpr uint32_t kColumnWallCount = 6;
constexpr uint32_t kWallSide = 64;

constexpr uint32_t kDrawnFace = 0x2;
constexpr uint32_t kSpriteFace = 0x4;
constexpr uint32_t kTransparentFace = 0x10;
constexpr uint32_t kTranslucentFace = 0x1;

constexpr uint32_t kLowBlockId = 1;
constexpr uint32_t kTowerId = 3;
constexpr uint32_t kHighTowerId = 4;
constexpr uint32_t kKioskId = 5;

Fixedpoint Units(double value) { return static_cast<Fixedpoint>(value * kFixedOne); }

// A crown of foliage over a trunk, transparent around them.
std::vector<uint8_t> TreePixels() {
  constexpr int32_t kW = 32, kH = 48;
  std::vector<uint8_t> pixels(kW * kH, 0);
  for (int32_t y = 0; y < kH; ++y) {
    for (int32_t x = 0; x < kW; ++x) {
      const double dx = (x - 15.5) / 15.0, dy = (y - 18.0) / 18.0;
      uint8_t& p = pixels[static_cast<std::size_t>(y * kW + x)];
      if (dx * dx + dy * dy <= 1.0) {
        p = static_cast<uint8_t>(208 + 4 + (x * 7 + y * 3) % 5 + (dx < 0 ? 4 : 0) - (dy > 0.3 ? 3 : 0));
      } else if (y >= 30 && x >= 14 && x < 18) {
        p = static_cast<uint8_t>(114 + x % 2);
      }
    }
  }
  return pixels;
}

std::vector<uint8_t> PolePixels() {
  std::vector<uint8_t> pixels(4 * 32);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i % 4 == 0 ? 52 : 56);
  return pixels;
}

// Stored a wall column to a row: row r is the fence's column r, a post every eighth and two
// rails between, open elsewhere.
std::vector<uint8_t> FencePixels() {
  std::vector<uint8_t> pixels(32 * 32, 0);
  for (uint32_t r = 0; r < 32; ++r) {
    for (uint32_t v = 0; v < 32; ++v) {
      const bool post = r % 8 < 2;
      const bool rail = (v >= 4 && v < 8) || (v >= 20 && v < 24);
      if (post || rail) pixels[r * 32 + v] = static_cast<uint8_t>(post ? 118 : 122);
    }
  }
  return pixels;
}

std::vector<uint8_t> Transposed(const std::vector<uint8_t>& pixels, uint32_t side) {
  std::vector<uint8_t> turned(pixels.size());
  for (uint32_t y = 0; y < side; ++y) {
    for (uint32_t x = 0; x < side; ++x) turned[x * side + y] = pixels[y * side + x];
  }
  return turned;
}

// The four walls of a box from (x0, 0, z0) to (x1, height, z1), facing out, u along the
// wall and v from the top down; their vertices are appended to the body.
void AddBoxWalls(BodyDescription& body, double x0, double z0, double x1, double z1, double height, uint8_t type,
                 uint32_t texture, uint32_t flags) {
  const auto base = static_cast<int32_t>(body.vertices.size());
  for (int i = 0; i < 8; ++i) {
    body.vertices.push_back({Units(i & 1 ? x1 : x0), Units(i & 2 ? height : 0), Units(i & 4 ? z1 : z0)});
  }
  const std::array<std::array<int32_t, 4>, 4> walls{{{1, 3, 2, 0}, {6, 7, 5, 4}, {2, 6, 4, 0}, {5, 7, 3, 1}}};
  for (const auto& wall : walls) {
    FaceDescription face;
    face.flags = flags;
    face.type = type;
    face.colour = 118;
    face.texture = texture;
    const bool alongX = (wall[0] & 4) == (wall[1] & 4) && (wall[1] & 4) == (wall[2] & 4);
    for (int32_t corner : wall) {
      face.corners.push_back(base + corner);
      const bool far = alongX ? (corner & 1) != 0 : (corner & 4) != 0;
      face.texCoords.push_back({far ? kFixedOne : 0, corner & 2 ? 0 : kFixedOne});
    }
    body.faces.push_back(face);
  }
}

FaceDescription SpriteFace(int32_t first, uint8_t type, uint32_t texture, uint32_t flags) {
  FaceDescription face;
  face.corners = {first, first + 1};
  face.flags = kDrawnFace | kSpriteFace | flags;
  face.type = type;
  face.colour = 210;
  face.texture = texture;
  face.texCoords = {{0, 0}, {kFixedOne, kFixedOne}};
  return face;
}

// A sprite's two vertices: its centre, and the centre moved by its half-size.
void AddSprite(BodyDescription& body, double x, double y, double z, double halfWidth, double halfHeight,
               uint8_t type, uint32_t texture, uint32_t flags) {
  const auto first = static_cast<int32_t>(body.vertices.size());
  body.vertices.push_back({Units(x), Units(y), Units(z)});
  body.vertices.push_back({Units(x + halfWidth), Units(y + halfHeight), Units(z)});
  body.faces.push_back(SpriteFace(first, type, texture, flags));
}

}  // namespace

std::vector<uint8_t> GlowPixels() {
  std::vector<uint8_t> pixels(16 * 16);
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x) {
      const double r = std::hypot(x - 7.5, y - 7.5) / 8.0;
      pixels[static_cast<std::size_t>(y * 16 + x)] = r < 1.0 ? static_cast<uint8_t>(31 * (1.0 - r) + 1) : 0;
    }
  }
  return pixels;
}

bool AddColumnAndSpriteBitmaps(BitmapFileWriter& bitmaps, std::vector<uint8_t> (*wallPixels)(uint32_t)) {
  if (!bitmaps.AddBitmap(32, 48, TreePixels()) || !bitmaps.AddBitmap(4, 32, PolePixels()) ||
      !bitmaps.AddBitmap(16, 16, GlowPixels()) || !bitmaps.AddBitmap(32, 32, FencePixels())) {
    return false;
  }
  for (uint32_t i = 0; i < kColumnWallCount; ++i) {
    if (!bitmaps.AddBitmap(kWallSide, kWallSide, Transposed(wallPixels(i), kWallSide))) return false;
  }
  return true;
}

void FurnishBuildings(std::vector<BodyDescription>& bodies) {
  for (BodyDescription& body : bodies) {
    if (body.id == kLowBlockId) {
      for (FaceDescription& face : body.faces) {
        if (face.type != 0) continue;
        face.type = 3;
        face.texture = kFirstColumnWallBitmap + (face.texture - kFirstRowWallBitmap) % kColumnWallCount;
      }
    }
    if (body.id == kTowerId || body.id == kHighTowerId) {
      for (FaceDescription& face : body.faces) {
        if (face.corners.size() != 3) continue;
        face.type = 7;
        face.texture = 0;
        face.texCoords = {{0, 0}, {kFixedOne, 0}, {kFixedOne / 2, kFixedOne}};
      }
    }
    if (body.id == kKioskId) AddBoxWalls(body, 10, 10, 54, 54, 6, 4, kFenceBitmap, kDrawnFace);
  }
}

std::vector<BodyDescription> StreetFurnitureBodies() {
  BodyDescription tree;
  tree.id = 202;
  tree.radius = Units(64);
  AddSprite(tree, 10, 12, 32, 8, 12, 1, kTreeBitmap, kTransparentFace);
  BodyDescription lamp;
  lamp.id = 203;
  lamp.radius = Units(64);
  AddSprite(lamp, 54, 10, 32, 1, 10, 1, kLampPoleBitmap, 0);
  AddSprite(lamp, 54, 22, 31.5, 6, 6, 2, kLampGlowBitmap, kTranslucentFace);
  return {tree, lamp};
}

void TestCity::PlaceStreetFurniture(int32_t row, int32_t column, DrawCell& cell) {
  if (column % 4 != 0 || row % 4 == 0) return;
  const int32_t first = static_cast<int32_t>(mBodies->count) - kStreetFurnitureCount;
  StaticEntry& entry = mStatics.emplace_back();
  entry.body = mBodies->bodies[first + (row % 2 == 1 ? 0 : 1)];
  entry.next = cell.staticObjects;
  cell.staticObjects = &entry;
}
