#include "pel3d/bodies/TexCoordScaling.h"

#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/math/Wrap32.h"

namespace {

constexpr uint32_t kFaceColourOnly = 0x1;
constexpr uint32_t kFaceUntextured = kFaceSecondColour | kFaceLine | kFaceLinePoint | kFaceVertexShaded;

bool IsTextured(const Face& face) {
  if ((face.flags & kFaceColourOnly) && !(face.flags & kFaceSprite)) return false;
  return !(face.flags & kFaceUntextured);
}

void ScaleCoords(Face& face, int32_t width, int32_t height) {
  if (!face.texCoordCopy) return;
  for (int32_t k = 0; k < face.vertexCount; ++k) {
    face.texCoords[k] = {wrap32::Mul(face.texCoordCopy[k].u, width), wrap32::Mul(face.texCoordCopy[k].v, height)};
  }
}

int32_t Size(uint32_t value) { return static_cast<int32_t>(value); }

int FailTextureIndex() {
  SetLastResourceError(kErrorTextureIndex);
  return 0;
}

}  // namespace

void ScaleFaceTexCoords(Face* face, const Bitmap* bitmap) {
  face->textureBitmap = bitmap;
  face->textureTile = nullptr;
  ScaleCoords(*face, wrap32::Sub(Size(bitmap->width), 1), wrap32::Sub(Size(bitmap->height), 1));
}

void ScaleTileTexCoords(Face* face, const Bitmap* tileSet, uint32_t tile) {
  ScaleCoords(*face, Size(tileSet->width), Size(tileSet->height));
  face->textureTile = &tileSet->tiles[tile];
  face->textureBitmap = nullptr;
}

int ScaleBodyTexCoords(const ResourceGroup* bodyGroup, const ResourceGroup* bitmapGroup) {
  for (int32_t i = 0; i < GetGroupBodyCount(bodyGroup); ++i) {
    const Body* body = GetGroupBody(bodyGroup, i);
    Face* face = body->faces;
    for (int32_t f = 0; f < body->faceCount; ++f, face = face->next) {
      if (!IsTextured(*face)) continue;
      const uint32_t id = face->textureId;
      if (IsTileId(id)) {
        if (!GetTileRecord(bitmapGroup, id)) return FailTextureIndex();
        ScaleTileTexCoords(face, GetBitmapRecord(bitmapGroup, TileIdBitmap(id)), TileIdNumber(id));
      } else {
        const Bitmap* bitmap = GetBitmapRecord(bitmapGroup, id);
        if (!bitmap) return FailTextureIndex();
        ScaleFaceTexCoords(face, bitmap);
      }
    }
  }
  return 1;
}
