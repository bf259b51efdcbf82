#pragma once
#include <cstdint>
#include <vector>

#include "enginefiles/BodyWriter.h"

class BitmapFileWriter;

// What the test city draws beyond its blocks and towers: trees (transparent sprites) and
// street lamps (an opaque pole and a translucent glow) in the streets, low blocks with
// walls drawn column by column, kiosks fenced with see-through fences, and towers whose
// pyramid roofs are textured column polygons.

// The bitmaps that follow the furniture's remap tables in the city's group. wallPixels gives the
// row-major pixels of wall texture n; the column walls take them turned on their side.
bool AddColumnAndSpriteBitmaps(BitmapFileWriter& bitmaps, std::vector<uint8_t> (*wallPixels)(uint32_t));

// Turns the city's building bodies (ids 1 to 7, by kind) into their furnished forms.
void FurnishBuildings(std::vector<BodyDescription>& bodies);

// The street bodies: a tree and a lamp.
std::vector<BodyDescription> StreetFurnitureBodies();
constexpr int32_t kStreetFurnitureCount = 2;

// A 16 x 16 glow of translucency levels falling from the centre: strongest (31) in the
// middle, none (texel 0) outside.
std::vector<uint8_t> GlowPixels();
