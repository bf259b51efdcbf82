#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "pel3d/draw/CellRecords.h"
#include "pel3d/math/FixedPoint.h"
#include "pel3d/math/Vec3.h"

struct Body;
struct ResourceGroup;
struct TileRecord;
struct VertexPool;

// A city of generated bodies for drawing tests and benchmarks: 80 x 80 cells of 64 units,
// every fourth row and column a street, every other cell a block (5 faces) or a tower (8
// faces) of one of several heights, textured walls of type 0 (edge-corrected type 5 on the
// towers) and roofs of type 15, or a block with tiled walls and roof (types 13, 16, 17 and
// 18); lamps along the streets and parks on some blocks (CityFurniture.h), and the trees,
// street lamps, column walls and fences of CityColumnsAndSprites.h. Some buildings
// are dynamic objects with matrices of their own; far cells draw low-detail substitutes
// and leave the kiosks out. The bodies are written to engine files in the folder and
// loaded from there.
class TestCity {
public:
  static constexpr int32_t kSide = 80;
  static constexpr int32_t kCellSize = 64;

  // Writes and loads the city's files in the folder; Ready() tells whether it worked.
  explicit TestCity(const std::string& folder);
  ~TestCity();
  TestCity(const TestCity&) = delete;
  TestCity& operator=(const TestCity&) = delete;

  bool Ready() const { return mReady; }
  const std::string& Error() const { return mError; }
  // The record of a cell, null outside the city.
  DrawCell* Cell(int32_t row, int32_t column);
  // The ground colour of a cell: street or block.
  uint8_t GroundColour(int32_t row, int32_t column) const;
  // The ground texture's tile of a cell: a street's, a block's paving or a park's grass.
  const TileRecord* GroundTile(int32_t row, int32_t column) const;
  // Places the dynamic objects' bodies for the current camera.
  void PlaceDynamicObjects();
  const ResourceGroup* Bitmaps() const { return mBitmaps; }
  // The pixel data of the day or night shade table of the city's bitmaps (32 rows of 256).
  const uint8_t* ShadeTable(bool night) const;
  // Relights every body from the current lights.
  void LightBodies();
  // Marks cells at least this many rows from the camera's row as far.
  void SetFarRows(int32_t cameraRow, int32_t farRows);

private:
  bool Build(const std::string& folder);
  void LayOutCells();
  // Puts the cell's furniture (CityFurniture.h) on it; false when it has none.
  bool AddFurniture(DrawCell& cell, int32_t row, int32_t column);
  // Trees and lamps along the streets that run away from the camera (CityColumnsAndSprites.h).
  void PlaceStreetFurniture(int32_t row, int32_t column, DrawCell& cell);

  bool mReady = false;
  std::string mError;
  ResourceGroup* mBodies = nullptr;
  ResourceGroup* mBitmaps = nullptr;
  VertexPool* mPool = nullptr;
  std::vector<DrawCell> mCells;
  std::deque<StaticEntry> mStatics;
  std::deque<DrawObject> mObjects;
};

// Plays the world's part each frame: lays out the grid around a fixed camera, lists the
// cells ahead of it far to near with their ground colours and countdowns, and sets the
// view distance (its far clip, thresholds, tables and sky), the day or night light, and
// what the object sets' preparation sets (the remap-table block). The ground triangles
// carry their cells' tile records; terrain textures are off unless asked for.
class CityDriver {
public:
  CityDriver(TestCity& city, int32_t viewDepth, bool night, bool objectTextures = true,
             bool terrainTextures = false);
  // Sets up the lists of one frame; GridViewSetup and DrawView follow.
  void PrepareFrame();
  // PrepareFrame, GridViewSetup and DrawView.
  void DrawFrame();

private:
  TestCity& mCity;
  int32_t mDepth;
  int32_t mCameraRow = 10;
  int32_t mCameraColumn = 40;
  Vec3 mCamera;
};
