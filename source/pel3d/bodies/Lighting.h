#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"
#include "pel3d/math/Matrix.h"
#include "pel3d/math/Vec3.h"

struct Body;
struct Face;

// Faces are lit by two fixed lights and a vertical one, each weighted by a level, plus an
// ambient level; the shade is chosen in the ramp that holds the face's colour.
struct LightLevels {
  Fixedpoint ambient = 6553;  // 0.1
  Fixedpoint first = 26214;  // 0.4
  Fixedpoint second = 19660;  // 0.3
  Fixedpoint vertical = 52428;  // 0.8
};

constexpr LightLevels kDayLight{6553, 26214, 19660, 52428};
constexpr LightLevels kNightLight{6553, 13107, 6553, 19660};

constexpr Vec3 kFirstLightDirection{49152, -32768, 28180};  // (0.75, -0.5, 0.43)
constexpr Vec3 kSecondLightDirection{-49152, -32768, -28180};
constexpr Vec3 kVerticalLightDirection{0, -65536, 0};

// The body is lit from the vertical light every frame.
constexpr uint32_t kBodyVerticalLight = 0x100;

void SetLight(Fixedpoint ambient, Fixedpoint first, Fixedpoint second, Fixedpoint vertical);
const LightLevels& GetLight();

// Recolours every lit face of the body from the first two lights; shades 234 to 245 are
// mirrored within their ramp.
void LightBodyFaces(Body* body);
// Recolours every lit face of a body with kBodyVerticalLight from the vertical light, taken
// into the body's axes by the matrix.
void LightBodyVertical(Body* body, const Matrix& matrix);
// Stores a shade (x 65536) in the u of every corner of every vertex-shaded face, from the
// vertex normals (one per vertex).
void LightFaceVertices(Body* body, const Vec3* normals);
// Writes the colour into both the colour and the texture-id field.
void SetFaceColour(Face* face, uint32_t colour);
