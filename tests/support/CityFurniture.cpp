#include "support/CityFurniture.h"

#include <array>
#include <cmath>

#include "enginefiles/BitmapFileWriter.h"
#include "enginefiles/RemapTable.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"

namespace {

constexpr uint32_t kDrawn = 0x2;
constexpr uint32_t kLineFlags = kDrawn | kFaceLine;
constexpr uint32_t kShadedFlags = kDrawn | kFaceVertexShaded;
constexpr uint32_t kMastColour = 36;  // dark grey
constexpr uint8_t kBlockColour = 100;  // the ground of the city's blocks
constexpr uint8_t kLawnColour = 150;  // green
constexpr uint32_t kDomeColour = 168;  // purple
constexpr uint32_t kPoolShades = 3;
constexpr int32_t kDomeSides = 6;
constexpr double kPi = 3.14159265358979323846;

// The remap tables of the pool and the lawn follow the remap-table block.
constexpr uint32_t kPoolBitmap = kRemapTableBitmap + 1;
constexpr uint32_t kLawnBitmap = kRemapTableBitmap + 2;

Fixedpoint Units(double value) { return static_cast<Fixedpoint>(std::lround(value * kFixedOne)); }

Vec3 Point(double x, double y, double z) { return {Units(x), Units(y), Units(z)}; }

FaceDescription Line(int32_t from, int32_t to, uint8_t type, uint32_t word) {
  FaceDescription line;
  line.corners = {from, to};
  line.flags = kLineFlags;
  line.type = type;
  line.colour = word;
  line.texture = word;
  return line;
}

// A flat square remap face at the height, its corners ordered to face up.
void AddRemapSquare(BodyDescription& body, double x0, double z0, double x1, double z1, double y, uint32_t bitmap) {
  const int32_t first = static_cast<int32_t>(body.vertices.size());
  for (const auto& [x, z] : std::array<std::array<double, 2>, 4>{{{x0, z0}, {x0, z1}, {x1, z1}, {x1, z0}}}) {
    body.vertices.push_back(Point(x, y, z));
  }
  FaceDescription face;
  face.corners = {first, first + 1, first + 2, first + 3};
  face.type = 11;
  face.texture = bitmap;
  face.texCoords = {{0, 0}, {0, kFixedOne}, {kFixedOne, kFixedOne}, {kFixedOne, 0}};
  body.faces.push_back(face);
}

FaceDescription ShadedFace(std::vector<int32_t> corners) {
  FaceDescription face;
  face.corners = std::move(corners);
  face.flags = kShadedFlags;
  face.type = 19;
  face.colour = kDomeColour;
  face.texCoords.resize(face.corners.size());
  return face;
}

// A dome of two rings of six corners and an apex, every face vertex-shaded.
void AddDome(BodyDescription& body, double cx, double cz) {
  const int32_t first = static_cast<int32_t>(body.vertices.size());
  constexpr std::array<std::array<double, 2>, 2> kRings{{{18, 0}, {13, 10}}};  // radius, height
  for (const auto& [radius, height] : kRings) {
    for (int32_t i = 0; i < kDomeSides; ++i) {
      const double angle = 2 * kPi * i / kDomeSides;
      body.vertices.push_back(Point(cx + radius * std::cos(angle), height, cz + radius * std::sin(angle)));
    }
  }
  const int32_t apex = static_cast<int32_t>(body.vertices.size());
  body.vertices.push_back(Point(cx, 16, cz));
  for (int32_t i = 0; i < kDomeSides; ++i) {
    const int32_t next = (i + 1) % kDomeSides;
    const int32_t base = first + i, baseNext = first + next, mid = first + kDomeSides + i,
                  midNext = first + kDomeSides + next;
    body.faces.push_back(ShadedFace({baseNext, midNext, mid, base}));
    body.faces.push_back(ShadedFace({midNext, apex, mid}));
  }
}

std::vector<uint8_t> LawnTable() {
  std::vector<uint8_t> table(kRemapTableWidth);
  for (uint32_t c = 0; c < kRemapTableWidth; ++c) table[c] = static_cast<uint8_t>(c);
  table[kBlockColour] = kLawnColour;
  return table;
}

}  // namespace

Furniture FurnitureOf(int32_t row, int32_t column) {
  if (row % 4 == 0 || column % 4 == 0) return (row + column) % 8 == 6 ? Furniture::kLamp : Furniture::kNone;
  return (row * 11 + column * 3) % 7 == 0 && column % 8 < 4 ? Furniture::kPark : Furniture::kNone;
}

BodyDescription LampBody(uint32_t id) {
  BodyDescription lamp;
  lamp.id = id;
  lamp.radius = Units(64);
  lamp.vertices = {Point(32, 0, 32), Point(32, 40, 32), Point(42, 40, 32), Point(42, 39, 32), Point(42, 1, 32)};
  lamp.faces = {Line(0, 1, 20, kMastColour), Line(1, 2, 20, kMastColour), Line(3, 4, 27, 0)};
  AddRemapSquare(lamp, 34, 24, 50, 40, 0.25, kPoolBitmap);
  return lamp;
}

BodyDescription ParkBody(uint32_t id) {
  BodyDescription park;
  park.id = id;
  park.radius = Units(64);
  AddRemapSquare(park, 4, 4, 60, 60, 0.25, kLawnBitmap);
  AddDome(park, 32, 32);
  return park;
}

bool AddFurnitureBitmaps(BitmapFileWriter& bitmaps) {
  if (bitmaps.Count() > kRemapTableBitmap) return false;
  while (bitmaps.Count() < kRemapTableBitmap) {
    if (!bitmaps.AddBitmap(1, 1, {0})) return false;
  }
  return bitmaps.AddBitmap(kRemapTableWidth, kRemapBlockRows, MakeRemapBlock()) &&
         bitmaps.AddBitmap(16, 16, MakeLighteningTable(kPoolShades)) &&
         bitmaps.AddBitmap(16, 16, LawnTable(), kBlockColour);
}

void UseEdgeCorrectedWalls(BodyDescription& building) {
  for (FaceDescription& face : building.faces) {
    if (face.type == 0) face.type = 5;
  }
}

const uint8_t* RemapTablesOf(const ResourceGroup* bitmaps, int32_t& tables) {
  tables = 0;
  const Bitmap* block = GetBitmapRecord(bitmaps, kRemapTableBitmap);
  if (!block || block->width != kRemapTableWidth || !block->pixels) return nullptr;
  tables = static_cast<int32_t>(block->height);
  return block->pixels;
}
