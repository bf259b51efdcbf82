#include "pel3d/bodies/BodyAccessors.h"

#include "pel3d/math/View.h"
#include "pel3d/math/Wrap32.h"

namespace {

struct FlagEdit {
  uint32_t andMask;
  uint32_t orMask;
};

constexpr FlagEdit kFlagEdits[kBodyFlagModeCount] = {
    {0x7FFFFFFF, 0},          {0x7FFFFFFF, 0x80000000}, {0xFFFFFFEF, 0x10}, {0xFFFFFFEF, 0},
    {0xFFFFFFF7, 0},          {0xFFFFFFDF, 0x20},       {0xFFFFFFDF, 0},    {0xFFFFFFFF, 1},
};

}  // namespace

int32_t CountBodyIndices(const Body* body) {
  int32_t count = 0;
  const Face* face = body->faces;
  for (int32_t i = 0; i < body->faceCount; ++i, face = face->next) {
    count = wrap32::Add(count, face->vertexCount);
  }
  return count;
}

uint32_t GetBodyFlags(const Body* body) { return body->flags; }
Face* GetBodyFaces(const Body* body) { return body->faces; }
Face* GetNextFace(const Face* face) { return face->next; }
void SetFaceTexture(Face* face, uint32_t textureId) { face->textureId = textureId; }
uint32_t GetFaceTexture(const Face* face) { return face->textureId; }
uint32_t GetBodyId(const Body* body) { return body->id; }

void SetBodyFlagMode(Body* body, int32_t mode) {
  if (mode < 0 || mode >= kBodyFlagModeCount) return;
  const FlagEdit& edit = kFlagEdits[mode];
  body->flags = (body->flags & edit.andMask) | edit.orMask;
}

void RecentreBody(Body* body) {
  body->flags |= kBodyRecentred;
  for (int32_t i = 0; i < body->vertexCount; ++i) {
    Vec3& vertex = body->vertices[i];
    for (int axis = 0; axis < 3; ++axis) vertex[axis] = wrap32::Sub(vertex[axis], body->position[axis]);
  }
  body->position = {};
}

void SetBodyMatrix(Body* body, const Placement& placement, int32_t mode) {
  Matrix work = placement.orientation;
  if (mode == kScaleAlongBodyAxes) MatrixScaleColumns(placement.scale, work);
  if (mode == kScaleAlongPlacedAxes) MatrixScaleRows(placement.scale, work);
  for (int row = 0; row < 3; ++row) {
    work[4 * row + 3] = wrap32::Add(work[4 * row + 3], placement.position[row]);
  }
  MatrixMultiply(gView.cameraMatrix, work, body->matrix);
}

void GetBodyInfo(Body* body, BodyInfo& info) {
  info.faceCount = body->faceCount;
  info.vertexCount = body->vertexCount;
  info.flags = body->flags;
  info.radius = body->radius;
  info.viewPosition = &body->viewPosition;
  info.vertices = body->vertices;
  info.matrix = &body->matrix;
}

Vec3 GetBodyPosition(const Body* body) { return body->position; }

void SetBodyPosition(Body* body, const Vec3& position) { body->position = position; }

void SetBodyUserData(Body* body, void* userData) { body->userData = userData; }
