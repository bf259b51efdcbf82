#include "pel3d/bodies/BodyEdits.h"

#include <algorithm>
#include <cstdint>

#include "pel3d/math/Wrap32.h"

namespace {

Vec3 Add(const Vec3& a, const Vec3& b) {
  return {wrap32::Add(a.x, b.x), wrap32::Add(a.y, b.y), wrap32::Add(a.z, b.z)};
}

}  // namespace

void StretchLineFaces(Body* body, int32_t dx, int32_t dy) {
  const Vec3 half{wrap32::Mul(dx, kFixedOne / 2), wrap32::Mul(dy, kFixedOne / 2), 0};
  Face* face = body->faces;
  for (int32_t i = 0; i < body->faceCount; ++i, face = face->next) {
    // A one-vertex face has no second vertex to move.
    if (!(face->flags & kFaceSprite) || face->vertexCount < 2) continue;
    const Vec3& first = body->vertices[face->indices[0]];
    Vec3& second = body->vertices[face->indices[1]];
    second = {wrap32::Add(first.x, half.x), wrap32::Add(first.y, half.y), second.z};
  }
}

void TranslateBody(Body* body, const Vec3& offset) {
  for (int32_t i = 0; i < body->vertexCount; ++i) body->vertices[i] = Add(body->vertices[i], offset);
  body->position = Add(body->position, offset);
}

Fixedpoint GetBodyVodY(const Body* body) {
  Fixedpoint top = INT32_MIN;
  for (int32_t i = 0; i < body->vertexCount; ++i) top = std::max(top, body->vertices[i].y);
  return top;
}

void PlaceLineBody(Body* body, const Vec3& place) {
  const Face* face = body->faces;
  if (body->faceCount < 1 || !(face->flags & kFaceSprite) || face->vertexCount < 1) return;
  Vec3& first = body->vertices[face->indices[0]];
  Vec3& second = body->vertices[face->indices[face->vertexCount > 1 ? 1 : 0]];
  const Fixedpoint spanX = wrap32::Sub(second.x, first.x);
  const Fixedpoint spanY = wrap32::Sub(second.y, first.y);
  first = place;
  second = {wrap32::Add(place.x, spanX), wrap32::Add(place.y, spanY), place.z};
  body->position = place;
}
