#include "support/TestCity.h"
#include "support/CityColumnsAndSprites.h"
#include "support/CityFurniture.h"

#include <algorithm>
#include <array>

#include "enginefiles/BitmapFileWriter.h"
#include "enginefiles/BodyWriter.h"
#include "enginefiles/ResourceFileWriter.h"
#include "enginefiles/ShadeTable.h"
#include "imagefiles/GamePalette.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/bodies/BodyAccessors.h"
#include "pel3d/bodies/Lighting.h"
#include "pel3d/bodies/TexCoordScaling.h"
#include "pel3d/bodies/VertexPool.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/SceneDraw.h"
#include "pel3d/draw/TerrainGrid.h"
#include "pel3d/draw/ViewDistance.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/files/ResourceGroupLoader.h"
#include "pel3d/math/View.h"
#include "pel3d/raster/LineFills.h"
#include "support/TestCityGround.h"

namespace {

constexpr uint32_t kWallColour = 136;
constexpr uint32_t kRoofColour = 72;
constexpr uint8_t kStreetColour = 20;
constexpr uint8_t kBlockColour = 100;
constexpr int32_t kDynamicCount = 16;
constexpr int32_t kTiledCount = 4;
// Bitmaps of the city's group: the roof pattern, the day shade table, the wall textures,
// then the night shade table at the index the world's bitmap group gives it.
constexpr uint32_t kFirstWallTexture = 2;
constexpr uint32_t kWallTextureCount = kNightShadeBitmap - kFirstWallTexture;
constexpr uint32_t kWallsUsed = 6;
constexpr uint32_t kTextureSide = 64;

// The kinds of building; the last two are the towers' far substitutes.
enum Kind { kLowBlock, kHighBlock, kTower, kHighTower, kKiosk, kTowerFar, kHighTowerFar, kKindCount };

// The furniture's bodies follow the dynamic ones.
constexpr int32_t kLampBody = kKindCount + kDynamicCount + kTiledCount;
constexpr int32_t kParkBody = kLampBody + 1;

struct Shape {
  int32_t height;
  int32_t roof;  // height of a pyramid roof above the walls; 0 for a flat roof
  int32_t inset;  // distance of the walls from the cell's edges
};

constexpr std::array<Shape, kKindCount> kShapes{
    {{16, 0, 8}, {28, 0, 6}, {40, 14, 14}, {64, 20, 16}, {8, 0, 24}, {40, 0, 14}, {64, 0, 16}}};

Fixedpoint Units(int32_t value) { return value * kFixedOne; }

// A box from (x0, 0, z0) to (x1, height, z1): four walls and a flat roof, or a pyramid.
BodyDescription Building(uint32_t id, int32_t x0, int32_t z0, int32_t x1, int32_t z1, const Shape& shape) {
  BodyDescription body;
  body.id = id;
  body.radius = Units(64);
  for (int i = 0; i < 8; ++i) {
    body.vertices.push_back({Units(i & 1 ? x1 : x0), Units(i & 2 ? shape.height : 0), Units(i & 4 ? z1 : z0)});
  }
  const std::array<std::array<int32_t, 4>, 4> walls{{{1, 3, 2, 0}, {6, 7, 5, 4}, {2, 6, 4, 0}, {5, 7, 3, 1}}};
  for (const auto& wall : walls) {
    FaceDescription face;
    face.corners.assign(wall.begin(), wall.end());
    face.colour = kWallColour;
    face.type = 0;
    face.texture = kFirstWallTexture + (id + face.corners[0]) % kWallsUsed;
    // u along the wall, v from the top down: the whole texture on every wall.
    const bool alongX = (wall[0] & 4) == (wall[1] & 4) && (wall[1] & 4) == (wall[2] & 4);
    for (int32_t corner : wall) {
      const bool far = alongX ? (corner & 1) != 0 : (corner & 4) != 0;
      face.texCoords.push_back({far ? kFixedOne : 0, corner & 2 ? 0 : kFixedOne});
    }
    body.faces.push_back(face);
  }
  FaceDescription roof;
  roof.colour = kRoofColour;
  roof.type = 15;
  if (shape.roof == 0) {
    roof.corners = {3, 7, 6, 2};
    body.faces.push_back(roof);
    return body;
  }
  body.vertices.push_back({Units((x0 + x1) / 2), Units(shape.height + shape.roof), Units((z0 + z1) / 2)});
  for (const auto& edge : std::array<std::array<int32_t, 2>, 4>{{{3, 7}, {7, 6}, {6, 2}, {2, 3}}}) {
    roof.corners = {edge[0], edge[1], 8};
    body.faces.push_back(roof);
  }
  return body;
}

std::vector<uint8_t> PatternPixels() {
  std::vector<uint8_t> pixels(64 * 64);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(((i / 64) / 8 + (i % 64) / 8) % 2 ? 136 : 72);
  return pixels;
}

// A wall of brick courses in one colour ramp with four rows of four windows.
std::vector<uint8_t> WallPixels(uint32_t variant) {
  constexpr std::array<uint8_t, 6> kRamps{48, 112, 192, 96, 128, 64};
  const uint8_t ramp = kRamps[variant % kRamps.size()];
  std::vector<uint8_t> pixels(kTextureSide * kTextureSide);
  for (uint32_t y = 0; y < kTextureSide; ++y) {
    for (uint32_t x = 0; x < kTextureSide; ++x) {
      const bool window = x % 16 >= 4 && x % 16 < 12 && y % 16 >= 3 && y % 16 < 12;
      const bool mortar = y % 4 == 3 || (x + (y / 4) % 2 * 4) % 8 == 0;
      uint8_t colour = static_cast<uint8_t>(ramp + 8 + (x * 3 + y * 5 + variant) % 3);
      if (mortar) colour = static_cast<uint8_t>(ramp + 12);
      if (window) colour = static_cast<uint8_t>(80 + 3 + (y % 16 < 6 ? 4 : 0) + variant % 2);
      pixels[y * kTextureSide + x] = colour;
    }
  }
  return pixels;
}

bool AddCityBitmaps(BitmapFileWriter& bitmaps) {
  if (!bitmaps.AddBitmap(64, 64, PatternPixels())) return false;
  if (!bitmaps.AddBitmap(kShadeTableWidth, kShadeTableRows, MakeShadeTable(GamePalette(), kDayFogColour))) return false;
  for (uint32_t i = 0; i < kWallTextureCount; ++i) {
    if (!bitmaps.AddBitmap(kTextureSide, kTextureSide, WallPixels(i))) return false;
  }
  return bitmaps.AddBitmap(kShadeTableWidth, kShadeTableRows, MakeShadeTable(GamePalette(), kNightFogColour)) &&
         AddCityTiledBitmaps(bitmaps);
}

bool IsStreet(int32_t row, int32_t column) { return row % 4 == 0 || column % 4 == 0; }

bool IsTiledBlock(int32_t row, int32_t column) { return (row * 5 + column * 3) % 9 == 0; }

Kind KindOf(int32_t row, int32_t column) {
  const uint32_t hash = static_cast<uint32_t>(row * 7919 + column * 104729) * 2654435761u;
  return static_cast<Kind>((hash >> 24) % 5);
}

}  // namespace

TestCity::TestCity(const std::string& folder) { mReady = Build(folder); }

TestCity::~TestCity() {
  if (mBodies) FreeResourceGroup(mBodies);
  if (mBitmaps) FreeResourceGroup(mBitmaps);
  if (mPool) DestroyVertexPool(mPool);
}

bool TestCity::Build(const std::string& folder) {
  std::vector<BodyDescription> bodies;
  for (int32_t kind = 0; kind < kKindCount; ++kind) {
    const Shape& s = kShapes[static_cast<std::size_t>(kind)];
    bodies.push_back(Building(static_cast<uint32_t>(kind + 1), s.inset, s.inset, kCellSize - s.inset,
                              kCellSize - s.inset, s));
    if (kind == kTower || kind == kHighTower) UseEdgeCorrectedWalls(bodies.back());
  }
  FurnishBuildings(bodies);
  for (int32_t i = 0; i < kDynamicCount; ++i) {
    bodies.push_back(Building(static_cast<uint32_t>(100 + i), -20, -20, 20, 20, {20 + 4 * (i % 4), 0, 0}));
  }
  for (int32_t i = 0; i < kTiledCount; ++i) {
    BodyDescription& body = bodies.emplace_back(
        Building(static_cast<uint32_t>(210 + i), 10, 10, kCellSize - 10, kCellSize - 10, {36 + 10 * i, 0, 10}));
    MakeTiledBuilding(body, static_cast<uint32_t>(i), kFirstWallTexture + static_cast<uint32_t>(i));
  }
  bodies.push_back(LampBody(200));
  bodies.push_back(ParkBody(201));
  for (BodyDescription& body : StreetFurnitureBodies()) bodies.push_back(body);
  ResourceFileWriter resources;
  BitmapFileWriter bitmaps;
  const std::string bodyPath = folder + "/CITY.ZEF";
  const std::string bitmapPath = folder + "/CITY.BMP";
  const std::string parkPath = folder + "/PARK.BMP";
  if (!AddBodyGroup(resources, "CITY", bodies, mError) || !resources.Save(bodyPath) ||
      !AddCityBitmaps(bitmaps) || !AddFurnitureBitmaps(bitmaps) ||
      !AddColumnAndSpriteBitmaps(bitmaps, WallPixels) || !bitmaps.Save(bitmapPath) || !WriteParkTexture(parkPath)) {
    if (mError.empty()) mError = "the city's files cannot be written";
    return false;
  }
  mBitmaps = LoadResourceGroup(bitmapPath, kGroupBitmaps);
  mBodies = LoadResourceGroup(bodyPath, kGroupBodies, "CITY");
  if (!mBitmaps || !mBodies || !SetUpCityTiles(mBitmaps, parkPath) || !ScaleBodyTexCoords(mBodies, mBitmaps)) {
    mError = "the city's files do not load";
    return false;
  }
  std::size_t transformed = 0, projected = 0;
  for (int32_t i = 0; i < mBodies->count; ++i) {
    transformed = std::max(transformed, GetTransformedBytes(mBodies->bodies[i]));
    projected = std::max(projected, GetProjectedBytes(mBodies->bodies[i]));
  }
  mPool = CreateVertexPool(transformed, 4 * projected);
  for (int32_t i = 0; i < mBodies->count; ++i) {
    Body* body = mBodies->bodies[i];
    AttachVertexPool(body, mPool);
    if (i >= kKindCount && i < kKindCount + kDynamicCount) body->flags |= kBodyOwnMatrix | kBodyVerticalLight;
  }
  mBodies->bodies[kTower]->userData = mBodies->bodies[kTowerFar];
  mBodies->bodies[kHighTower]->userData = mBodies->bodies[kHighTowerFar];
  mBodies->bodies[kKiosk]->userData = kSkipInFarCells;
  LayOutCells();
  return true;
}

void TestCity::LayOutCells() {
  mCells.assign(static_cast<std::size_t>(kSide * kSide), DrawCell{});
  int32_t dynamic = 0;
  for (int32_t row = 0; row < kSide; ++row) {
    for (int32_t column = 0; column < kSide; ++column) {
      DrawCell& cell = *Cell(row, column);
      cell.originX = static_cast<int16_t>(column * kCellSize);
      cell.originZ = static_cast<int16_t>(row * kCellSize);
      const bool furnished = AddFurniture(cell, row, column);
      if (IsStreet(row, column)) {
        PlaceStreetFurniture(row, column, cell);
        continue;
      }
      if (furnished) continue;
      if ((row * 13 + column * 5) % 23 == 0 && dynamic < kDynamicCount) {
        DrawObject& object = mObjects.emplace_back();
        object.body = mBodies->bodies[kKindCount + dynamic++];
        object.position = {Units(column * kCellSize + 32), 0, Units(row * kCellSize + 32)};
        MatrixIdentity(object.orientation);
        MatrixRotateY(Units(150 * dynamic), object.orientation);
        cell.firstObjects = &object;
        continue;
      }
      StaticEntry& entry = mStatics.emplace_back();
      const int32_t tiled = kKindCount + kDynamicCount + (row + column) % kTiledCount;
      entry.body = mBodies->bodies[IsTiledBlock(row, column) ? tiled : KindOf(row, column)];
      cell.staticObjects = &entry;
    }
  }
}

bool TestCity::AddFurniture(DrawCell& cell, int32_t row, int32_t column) {
  const Furniture furniture = FurnitureOf(row, column);
  if (furniture == Furniture::kNone) return false;
  StaticEntry& entry = mStatics.emplace_back();
  entry.body = mBodies->bodies[furniture == Furniture::kLamp ? kLampBody : kParkBody];
  cell.staticObjects = &entry;
  return true;
}

DrawCell* TestCity::Cell(int32_t row, int32_t column) {
  if (row < 0 || row >= kSide || column < 0 || column >= kSide) return nullptr;
  return &mCells[static_cast<std::size_t>(row * kSide + column)];
}

uint8_t TestCity::GroundColour(int32_t row, int32_t column) const {
  return IsStreet(row, column) ? kStreetColour : kBlockColour;
}

const TileRecord* TestCity::GroundTile(int32_t row, int32_t column) const {
  const auto variant = static_cast<uint32_t>(row * 3 + column);
  if (row % 4 == 0 && column % 4 == 0) return CityGroundTile(mBitmaps, GroundKind::kCrossing, variant);
  if (row % 4 == 0) return CityGroundTile(mBitmaps, GroundKind::kStreetAlongX, variant);
  if (column % 4 == 0) return CityGroundTile(mBitmaps, GroundKind::kStreetAlongZ, variant);
  const bool park = !IsTiledBlock(row, column) && KindOf(row, column) == kKiosk;
  return CityGroundTile(mBitmaps, park ? GroundKind::kPark : GroundKind::kPaving, variant);
}

void TestCity::PlaceDynamicObjects() {
  for (DrawObject& object : mObjects) {
    Placement placement;
    placement.position = object.position;
    placement.orientation = object.orientation;
    for (int row = 0; row < 3; ++row) placement.orientation[4 * row + 3] = 0;
    SetBodyMatrix(object.body, placement, kNoScale);
  }
}

void TestCity::LightBodies() {
  for (int32_t i = 0; i < mBodies->count; ++i) LightBodyFaces(mBodies->bodies[i]);
}

void TestCity::SetFarRows(int32_t cameraRow, int32_t farRows) {
  for (int32_t row = 0; row < kSide; ++row) {
    for (int32_t column = 0; column < kSide; ++column) {
      DrawCell& cell = *Cell(row, column);
      cell.flags = static_cast<uint16_t>(row - cameraRow >= farRows ? kCellFar : 0);
    }
  }
}

const uint8_t* TestCity::ShadeTable(bool night) const {
  const Bitmap* bitmap = GetBitmapRecord(mBitmaps, night ? kNightShadeBitmap : kDayShadeBitmap);
  return bitmap ? bitmap->pixels : nullptr;
}

CityDriver::CityDriver(TestCity& city, int32_t viewDepth, bool night, bool objectTextures, bool terrainTextures)
    : mCity(city), mDepth(viewDepth) {
  // The remap lines' phase turns with every frame; each driver starts it again, so an
  // image does not depend on the frames drawn before it.
  ResetLinePhase();
  GridInit(viewDepth);
  SetViewDistance(Units(32 * (viewDepth - 1)), {mCity.Bitmaps(), night, false});
  int32_t remapTables = 0;
  const uint8_t* remapBlock = RemapTablesOf(mCity.Bitmaps(), remapTables);
  SetRemapTables(remapBlock, remapTables);
  SetObjectTextures(objectTextures ? 1 : 0);
  SetTerrainTextures(terrainTextures ? 1 : 0);
  const LightLevels& light = night ? kNightLight : kDayLight;
  SetLight(light.ambient, light.first, light.second, light.vertical);
  mCity.LightBodies();
  mCity.SetFarRows(mCameraRow, 16);
  mCamera = {Units(mCameraColumn * TestCity::kCellSize + 32), Units(90), Units(mCameraRow * TestCity::kCellSize + 32)};
  Matrix camera;
  MatrixIdentity(camera);
  for (int axis = 0; axis < 3; ++axis) camera[4 * axis + 3] = -mCamera[axis];
  SetCamera(mCamera, camera);
}

void CityDriver::PrepareFrame() {
  const int32_t cells = gGrid.cells;
  const int32_t half = (cells - 1) / 2;
  gGrid.origin = mCamera;
  gGrid.origin.y = 0;
  gGrid.cellCount = 0;
  gGrid.groundCount = 0;
  for (int32_t row = 0; row < half; ++row) {
    const int32_t cityRow = mCameraRow + half - row;
    for (int32_t column = 0; column < cells; ++column) {
      const int32_t cityColumn = mCameraColumn - half + column;
      DrawCell* cell = mCity.Cell(cityRow, cityColumn);
      GroundTriangle* pair = gGrid.cellTriangles[static_cast<std::size_t>(row * kGridMaxCells + column)];
      const uint8_t colour = cell ? mCity.GroundColour(cityRow, cityColumn) : 0;
      pair[0].word = colour;
      pair[1].word = colour + 1u;
      pair[0].tile = pair[1].tile = mCity.GroundTile(cityRow, cityColumn);
      gGrid.cellList[gGrid.cellCount++] = cell;
      gGrid.groundList[gGrid.groundCount++] = pair;
      gGrid.groundList[gGrid.groundCount++] = pair + 1;
      if (cell) cell->drawCountdown = 1;
    }
  }
  mCity.PlaceDynamicObjects();
}

void CityDriver::DrawFrame() {
  PrepareFrame();
  GridViewSetup();
  DrawView();
}
