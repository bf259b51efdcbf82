#pragma once
#include <cstdint>

struct Bitmap;
struct Face;
struct ResourceGroup;

// Faces keep their texture coordinates as fractions of the texture (16.16, from the file's
// copy); drawing needs them in texels of the bitmap or tile the face uses.

// Makes the bitmap the face's texture and its coordinates copy.u x (width - 1), copy.v x
// (height - 1). A face without a copy keeps its coordinates.
void ScaleFaceTexCoords(Face* face, const Bitmap* bitmap);
// Makes tile number tile of the tile set the face's texture and its coordinates copy.u x
// side, copy.v x side. The tile must exist.
void ScaleTileTexCoords(Face* face, const Bitmap* tileSet, uint32_t tile);
// Scales every textured face of every body of the body group to the bitmap group: 1, or 0
// with error 13 at the first face whose bitmap or tile the group does not have (the faces
// before it stay scaled). Faces with flag 1 and not 4, or with 0x800, 0x8000, 0x10000 or
// 0x4000, are not textured.
int ScaleBodyTexCoords(const ResourceGroup* bodyGroup, const ResourceGroup* bitmapGroup);
