#pragma once
#include <cstdint>
#include <string>
#include <vector>

// "TILED1.BMP": one 256 x 256 bitmap cut into 64 ground tiles of 32 x 32 texels, tile t at
// column t mod 8 and row t div 8, in the order of the city's ground tiles (grass, beach,
// water by depth, concrete, roads and rails by their exits, level crossings, paving, lawn,
// rubble; the rest grass). A tile's top row lies along its cell's north edge, its first
// column along the west edge. A texel is 2 units: roads are 16 texels wide.
constexpr int kGroundTileSide = 32;
constexpr int kGroundTilesPerRow = 8;
constexpr int kGroundTileCount = 64;
constexpr int kGroundTextureSide = 256;

std::vector<uint8_t> DrawGroundTiles();

bool WriteGroundTilesStep(const std::string& sourceFolder, const std::string& outputPath, std::string& error);
