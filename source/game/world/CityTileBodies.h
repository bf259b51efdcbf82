#pragma once
#include <cstdint>

// The bodies, static-object flags and ground tile of each tile id: the tile catalogue's
// facts as the city start and the data set's body writer both need them. City bodies have
// ids 0-92 and 200-282; -1 means none (a tile drawn by its ground alone).

constexpr int kNoBody = -1;

// Directions a ramp rises toward, in the order of its four bodies.
enum RampDirection : int { kRampNorth, kRampEast, kRampSouth, kRampWest };

// The body drawn for the id (a ramp's first body).
int TileBodyId(uint32_t tileId);
// One of a ramp's four bodies (ids 73-80); kNoBody for any other id.
int RampBodyId(uint32_t tileId, RampDirection direction);
// The low-detail body of an office or a tower.
int FarBodyId(uint32_t tileId);
// The paved lot under a building of this size (2 to 4); kNoBody for other sizes.
int LotBodyId(int size);
// Whether a building of the id stands on a paved lot.
bool HasPavedLot(uint32_t tileId);
// The draw flags of the id's static object.
uint32_t TileNodeFlags(uint32_t tileId);
// Whether the id's static object covers the ground of its cells (a lot or a pad).
bool CoversGround(uint32_t tileId);
// Whether the body id is one of the city's: the ids the data set's bodies must cover.
bool IsCityBodyId(int bodyId);

// Ground tiles of "TILED1.BMP": tile t is texture (20 << 16) + t.
constexpr uint32_t kGroundTextureBase = 20u << 16;
enum GroundTile : uint8_t {
  kGroundGrass = 0,  // 0-3, picked by a hash of the cell
  kGroundBeach = 4,
  kGroundWater = 5,  // 5-9, the water kinds 5-9
  kGroundConcrete = 10,
  kGroundRoad = 11,  // 11-21 by exits 5, 10, 3, 6, 12, 9, 11, 7, 14, 13, 15
  kGroundRail = 22,  // 22-32 likewise
  kGroundRoadOverRail = 33,  // 33 road north-south, 34 east-west
  kGroundPaving = 35,
  kGroundLawn = 36,
  kGroundRubble = 37,
};
// The ground tile that the id itself asks for, or -1 when the terrain decides it.
int TileGroundByKind(uint32_t tileId);
