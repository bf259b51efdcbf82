#pragma once
#include <cstdint>

struct ResourceGroup;

// The colour that occurs most often in each bitmap of the texture group, and in each tile
// of its tile sets: the flat colour of the terrain when textures are switched off.
struct TextureColourEntry {
  uint8_t colour = 0;  // of an ordinary bitmap; 0 for a bitmap without pixels
  uint8_t* tileColours = nullptr;  // of a tile set: one colour per tile, in tile order
};

// Builds the bitmap group's table, allocating it (and the tile sets' tables) from the
// group's arena when keep is 1, else filling the tables it already has, and makes the group
// the current texture group. A bitmap is a tile set when it has tile records. 0, or 1 with
// error 4 when there is no table, or with error 11 (the current group unchanged) when the
// group is not a bitmap group. Of equally frequent colours the lowest wins.
int BuildTextureColourTable(ResourceGroup* group, int keep);
// The current table's colour of a texture id: a bitmap's, or a tile's of a tile id; 0 when
// there is no current table or it has no such bitmap or tile.
uint32_t GetTextureColour(uint32_t textureId);
// Forgets the current texture group when it is this group (which is being freed).
void ForgetTextureColourTable(const ResourceGroup* group);
