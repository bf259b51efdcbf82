#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "enginefiles/BodyWriter.h"

class BitmapFileWriter;
struct ResourceGroup;
struct TileRecord;

// The test city's tiled textures: ground, facades and roofs cut into tiles of 32, 64 and
// 128 texels, and a park texture read from a file of its own, as the world reads its
// terrain texture.

// Appends the tiled textures' bitmaps to the city's group, after the night shade table.
bool AddCityTiledBitmaps(BitmapFileWriter& bitmaps);
// Writes the park texture's file, one 256 x 256 bitmap.
bool WriteParkTexture(const std::string& path);
// Cuts the group's tiled textures into tiles and loads the park texture over its bitmap;
// false when one of them refuses.
bool SetUpCityTiles(ResourceGroup* bitmaps, const std::string& parkPath);

// The ground tile of a city cell: a street (with its markings), a block's paving or a
// park's grass.
enum class GroundKind { kStreetAlongX, kStreetAlongZ, kCrossing, kPaving, kPark };
const TileRecord* CityGroundTile(const ResourceGroup* bitmaps, GroundKind kind, uint32_t variant);

// Turns a box building into a tiled one: walls of face type 17 or 18 with repeated facade
// tiles, one wall of type 13 with a plain texture, a flat roof of type 16 with a large
// paving tile.
void MakeTiledBuilding(BodyDescription& body, uint32_t variant, uint32_t plainTexture);
