#pragma once
#include <cstdint>

struct CityArrays;

// The road pieces of the city's tiles as the vehicles use them. Tile ids are the XBLD byte,
// + 0x8000 for a flipped piece (see CityTileId).

// Exit bits of a road piece (1 north, 2 east, 4 south, 8 west) and 16 for a piece with a
// slope or height; 0 for an id that is no road piece of the table.
uint32_t P3RoadExits(uint32_t id);

// Whether a vehicle heading in the direction code (a direction bit) on a tile of one id may
// go on across the direction bits into its neighbour of the other id.
bool P3RoadConnects(uint32_t fromId, uint32_t toId, uint32_t directionCode, uint32_t directionBits);

// Whether two highway tiles join across the direction bits, for the highway tile walk.
bool P3HighwayConnects(uint32_t fromId, uint32_t toId, uint32_t directionBits);

// Whether the tile is a junction of the road graph (105 never is).
bool P3RoadIsVertexTile(const CityArrays& city, int x, int y);

// Travel time of one tile of the id; 0 for an id that is no road.
int P3RoadTileTime(uint32_t id);
// Highway pieces and ramps: 73-80, 97-107, 0x806A, 0x806B.
bool P3RoadIsHighway(uint32_t id);
// The 2 x 2 highway pieces: 97-107, 0x806A, 0x806B.
bool IsHighwayBlockId(uint32_t id);
// Bridge ends, flipped or not: 93-96.
bool IsBridgeEndId(uint32_t id);
