#pragma once
#include <array>
#include <vector>

struct ResourceGroup;
struct VertexPool;

// The engine's data of the world: the bitmap group "PEL3D.BMP" with the tiled ground, and
// the three object sets "PEL3D1" to "PEL3D3" sharing one vertex pool. A group that failed
// to load stays null, and every later step passes it by.
constexpr int kObjectSetCount = 3;

// The world's bitmap group, from which textures, tables and the people's faces are taken.
extern ResourceGroup* WorldBitmapGroup;
extern std::array<ResourceGroup*, kObjectSetCount> gObjectSets;
extern VertexPool* gObjectSetPool;

// The object sets that loaded, in order.
std::vector<ResourceGroup*> LoadedObjectSets();

// Loads the bitmap group and the object sets, then the tiled ground "TILED1.BMP" as bitmap
// 20 and bitmaps 2, 39, 40 and 13 cut into tiles. A missing group shows the program-error box
// for "Unable to load resources\n", a tiled ground that does not load for "Unable to load
// tiled1 bmp\n"; the start carries on. Whatever an earlier call loaded is freed first.
void LoadWorldResources();
// Builds the bitmap group's texture colour table and one vertex pool for the largest body
// of the loaded object sets, attached to them ("Unable to create texture color table\n" and
// "Could not create mem pool\n" when they fail).
void PrepareWorldTextures();
// Scales the loaded object sets' texture coordinates to the bitmap group and frees their
// load pools.
void ScaleObjectSets();
// Frees the groups and the pool, and forgets the tables the draw read from them.
void FreeWorldResources();
