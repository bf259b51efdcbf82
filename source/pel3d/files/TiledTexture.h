#pragma once
#include <cstdint>
#include <string>

struct ResourceGroup;

// Tile sets: a 256 x 256 texture cut into square tiles, which the tiled rasterisers repeat
// across terrain and large faces.

// The tile side of a wrap mask: 32 for 0x1F1F, 64 for 0x3F3F, 128 for 0x7F7F; 0 otherwise.
uint32_t TileSideForMask(uint32_t wrapMask);

// Turns a bitmap of the group into a tile set over the texture (its own pixels when the
// texture is null): tile t is column t mod (256 / side), row t div (256 / side), left to
// right then top to bottom. 1; or 0 with nothing changed for a mask not in the table, an
// index at or past the count, or, without a texture, a bitmap that is not 256 x 256; or 0
// with error 4 when the tile records cannot be had.
int SetupTiledTexture(ResourceGroup* group, uint32_t wrapMask, uint32_t index, uint8_t* texture);

// Reads a file of exactly one 256 x 256 bitmap into the engine's one tiled-texture block
// (64 KB, aligned to 64 KB, taken on the first load that passes its checks and reused by
// later ones) and turns the group's bitmap into a tile set over it. 1, or 0 with error 1
// or 2 (the file is not such a bitmap), or 0 with no code when the block cannot be had or
// SetupTiledTexture would refuse the mask or index (the block then keeps what it held);
// then SetupTiledTexture's result.
int LoadTiledTexture(const std::string& path, ResourceGroup* group, uint32_t wrapMask, uint32_t index);
