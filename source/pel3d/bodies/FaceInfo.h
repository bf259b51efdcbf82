#pragma once
#include <cstdint>

#include "pel3d/bodies/Body.h"

// A face's fields as the game reads and edits them, without knowing the face record.
struct FaceInfo {
  Face* face = nullptr;
  int32_t vertexCount = 0;
  uint32_t flags = 0;  // kFaceSwitchedOff hides the face
  int32_t type = 0;
  uint32_t textureId = 0;  // also the second colour of faces with flag 1 or 0x800
  const Bitmap* textureBitmap = nullptr;
  const TileRecord* textureTile = nullptr;
  uint32_t* indices = nullptr;
  TexCoord* texCoords = nullptr;
  TexCoord* texCoordCopy = nullptr;
};

// Fills the record from the face.
void GetFaceInfo(Face* face, FaceInfo& info);
// Writes the record's vertex count, flags, type, texture, texture coordinates and their
// copy back into the face; the index list stays as it is.
void SetFaceInfo(Face* face, const FaceInfo& info);
