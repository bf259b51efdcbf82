#include "pel3d/bodies/Lighting.h"

#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/ColourRamps.h"
#include "pel3d/math/Wrap32.h"

namespace {

LightLevels gLight = kDayLight;

// Faces with a second colour in their texture-id field take the shade there too, except
// type 11.
constexpr uint32_t kSecondColourFlags = 0x1 | kFaceSecondColour;
constexpr int32_t kTypeWithoutSecondColour = 11;

// Shades 234 to 245 run the other way in the palette.
constexpr int32_t kMirroredFirst = 234;
constexpr int32_t kMirroredLast = 245;

Fixedpoint Dot(const Vec3& light, const Vec3& n) {
  return wrap32::Add(wrap32::Add(FixMul(light.z, n.z), FixMul(light.y, n.y)), FixMul(light.x, n.x));
}

Fixedpoint Weighted(Fixedpoint dot, Fixedpoint level) { return dot > 0 ? FixMul(dot, level) : 0; }

// The light of the two fixed lights and the ambient on a surface with this normal.
Fixedpoint TwoLightLevel(const Vec3& n) {
  Fixedpoint level = Weighted(Dot(kFirstLightDirection, n), gLight.first);
  level = wrap32::Add(level, Weighted(Dot(kSecondLightDirection, n), gLight.second));
  return wrap32::Add(level, gLight.ambient);
}

bool IsLitFace(const Face& face) {
  return !(face.flags & (kFaceSprite | kFaceLine | kFaceLinePoint)) && face.plane;
}

void StoreShade(Face& face, int32_t shade) {
  face.colour = static_cast<uint32_t>(shade);
  if ((face.flags & kSecondColourFlags) && face.type != kTypeWithoutSecondColour) {
    face.textureId = static_cast<uint32_t>(shade);
  }
}

}  // namespace

void SetLight(Fixedpoint ambient, Fixedpoint first, Fixedpoint second, Fixedpoint vertical) {
  gLight = {ambient, first, second, vertical};
}

const LightLevels& GetLight() { return gLight; }

void LightBodyFaces(Body* body) {
  Face* face = body->faces;
  for (int32_t i = 0; i < body->faceCount; ++i, face = face->next) {
    const ColourRamp* ramp = FindColourRamp(face->colour);
    if (!IsLitFace(*face) || !ramp) continue;
    int32_t shade = ShadeForLight(*ramp, TwoLightLevel(face->plane->normal));
    if (shade >= kMirroredFirst && shade <= kMirroredLast) shade = kMirroredFirst + kMirroredLast - shade;
    StoreShade(*face, shade);
  }
}

void LightBodyVertical(Body* body, const Matrix& matrix) {
  if (!(body->flags & kBodyVerticalLight)) return;
  Vec3 light;
  TransformVertex(kVerticalLightDirection, light, matrix);
  Face* face = body->faces;
  for (int32_t i = 0; i < body->faceCount; ++i, face = face->next) {
    const ColourRamp* ramp = FindColourRamp(face->colour);
    if (!IsLitFace(*face) || !ramp) continue;
    const Vec3& n = face->plane->normal;
    const Fixedpoint dot =
        wrap32::Add(wrap32::Add(FixMul(light.y, n.y), FixMul(light.z, n.z)), FixMul(light.x, n.x));
    const Fixedpoint level = wrap32::Add(Weighted(dot, gLight.vertical), gLight.ambient);
    StoreShade(*face, ShadeForLight(*ramp, level));
  }
}

void LightFaceVertices(Body* body, const Vec3* normals) {
  Face* face = body->faces;
  for (int32_t i = 0; i < body->faceCount; ++i, face = face->next) {
    const ColourRamp* ramp = FindColourRamp(face->colour);
    if (!(face->flags & kFaceVertexShaded) || !ramp) continue;
    for (int32_t k = 0; k < face->vertexCount; ++k) {
      const int32_t shade = ShadeForLight(*ramp, TwoLightLevel(normals[face->indices[k]]));
      face->texCoords[k].u = shade * kFixedOne;
    }
  }
}

void SetFaceColour(Face* face, uint32_t colour) {
  face->colour = colour;
  face->textureId = colour;
}
