#include "pel3d/bodies/FaceInfo.h"

void GetFaceInfo(Face* face, FaceInfo& info) {
  info.face = face;
  info.vertexCount = face->vertexCount;
  info.flags = face->flags;
  info.type = face->type;
  info.textureId = face->textureId;
  info.textureBitmap = face->textureBitmap;
  info.textureTile = face->textureTile;
  info.indices = face->indices;
  info.texCoords = face->texCoords;
  info.texCoordCopy = face->texCoordCopy;
}

void SetFaceInfo(Face* face, const FaceInfo& info) {
  face->vertexCount = info.vertexCount;
  face->flags = info.flags;
  face->type = info.type;
  face->textureId = info.textureId;
  face->textureBitmap = info.textureBitmap;
  face->textureTile = info.textureTile;
  face->texCoords = info.texCoords;
  face->texCoordCopy = info.texCoordCopy;
}
