#pragma once
#include <cstdint>

#include "enginefiles/BodyWriter.h"

class BitmapFileWriter;
struct ResourceGroup;

// The test city's furniture, which shows the shaded, line and remap faces in the scene:
// a street lamp on every eighth street cell (a mast and an arm of solid lines, a beam of remapping
// line, and a pool of light, a remap face that lightens the street under it) and parks on
// a few blocks (a lawn, a remap face that turns the ground's block colour green, and a
// vertex-shaded dome).
enum class Furniture { kNone, kLamp, kPark };

// What stands on a cell of the city.
Furniture FurnitureOf(int32_t row, int32_t column);

BodyDescription LampBody(uint32_t id);
BodyDescription ParkBody(uint32_t id);

// Adds the furniture's bitmaps to the city's group, after the city's own: the remap-table
// block at index 51 (unused slots before it filled with plain bitmaps), then the remap
// tables of the pool and the lawn. False when a bitmap cannot be added or the group
// already holds more than 51 bitmaps.
bool AddFurnitureBitmaps(BitmapFileWriter& bitmaps);

// Makes the building's walls edge-corrected (type 5).
void UseEdgeCorrectedWalls(BodyDescription& building);

// The remap-table block of the group's bitmap 51 and its count of 256-byte tables; null
// (and 0) when the group has no such bitmap.
const uint8_t* RemapTablesOf(const ResourceGroup* bitmaps, int32_t& tables);
