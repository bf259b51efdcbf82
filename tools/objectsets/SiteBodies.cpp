#include "objectsets/SiteBodies.h"

#include <cmath>

#include "game/world/TileCatalogue.h"
#include "objectsets/BodyShape.h"
#include "objectsets/ObjectSetIds.h"

namespace {

constexpr double kPi = 3.14159265358979;
constexpr uint32_t kPaving = 48 + 8;
constexpr uint32_t kConcrete = 48 + 10;
constexpr uint32_t kMarkingYellow = 64 + 12;
constexpr uint32_t kMarkingWhite = 16 + 15;
constexpr uint32_t kPadLight = 250;
constexpr uint32_t kWater = 10 + 3;
const Point kUp{0, 1, 0};

void GroundQuad(BodyShape& shape, double x0, double z0, double x1, double z1, double y, uint32_t colour, uint32_t flags = 0) {
  shape.Flat({{x0, y, z0}, {x1, y, z0}, {x1, y, z1}, {x0, y, z1}}, kUp, colour, face_type::kFlat, flags);
}

uint32_t Hash(uint32_t a, uint32_t b) { return (a * 2654435761u + b * 40503u) >> 7; }

}  // namespace

BodyDescription TreeBody(uint32_t bodyId, uint32_t tileId) {
  BodyShape shape(bodyId);
  const uint32_t low = tileId & 0xFF;
  const int count = 1 + static_cast<int>(low % 3);
  for (int t = 0; t < count; ++t) {
    const uint32_t kind = (low + static_cast<uint32_t>(t)) % kTreeKinds;
    const double angle = 2 * kPi * (t + low * 0.37) / count;
    const double spread = count == 1 ? 0 : 14;
    const double height = 10 + static_cast<double>(Hash(low, static_cast<uint32_t>(t)) % 16);
    // The tree bitmaps are square: a sprite as wide as it is high keeps the crown round.
    shape.Sprite({spread * std::cos(angle), 0, spread * std::sin(angle)}, height, height, kFirstTreeBitmap + kind,
                 face_type::kSprite, kFaceSeeThrough);
  }
  return shape.Finish();
}

BodyDescription RubbleBody(uint32_t bodyId, int32_t size) {
  BodyShape shape(bodyId);
  constexpr int kSides = 8;
  const double base = 32.0 * size - 6;
  const double middle = base * 0.55;
  const double peak = 5.0 + 3.0 * size;
  std::vector<Point> outer, inner;
  for (int i = 0; i < kSides; ++i) {
    const double a = 2 * kPi * i / kSides;
    const double jitter = 0.8 + 0.2 * static_cast<double>(Hash(bodyId, static_cast<uint32_t>(i)) % 100) / 100;
    outer.push_back({base * std::cos(a), 0, base * std::sin(a)});
    inner.push_back({middle * jitter * std::cos(a + 0.3), peak * 0.6 * jitter, middle * jitter * std::sin(a + 0.3)});
  }
  const Point top{2.0 * size, peak, -1.5 * size};
  for (int i = 0; i < kSides; ++i) {
    const int j = (i + 1) % kSides;
    const uint32_t colour = (i % 2 ? 112 : 48) + 6;
    const Point out{(outer[i].x + outer[j].x) / 2, 4, (outer[i].z + outer[j].z) / 2};
    shape.Shaded({outer[i], outer[j], inner[j]}, out, colour);
    shape.Shaded({outer[i], inner[j], inner[i]}, out, colour);
    shape.Shaded({inner[i], inner[j], top}, {out.x, 8, out.z}, colour);
  }
  return shape.Finish();
}

BodyDescription LotBody(uint32_t bodyId, int32_t size) {
  BodyShape shape(bodyId);
  const double half = 32.0 * size;
  GroundQuad(shape, -half, -half, half, half, 0.2, kPaving, kFaceUnsorted);
  return shape.Finish();
}

BodyDescription PadBody(uint32_t bodyId) {
  BodyShape shape(bodyId);
  const double half = 24, top = 2;
  shape.Box({-half, 0, -half}, {half, top, half}, kConcrete, -1);
  shape.Textured({{-half, top, -half}, {half, top, -half}, {half, top, half}, {-half, top, half}}, kUp, 48 + 2,
                 face_type::kPerspective, {kHelipadBitmap, {{0, 1}, {1, 1}, {1, 0}, {0, 0}}});
  for (double x : {-half, half})
    for (double z : {-half, half}) shape.PointFace({x, top + 0.5, z}, kPadLight, face_type::kBlinkingLight);
  return shape.Finish();
}

BodyDescription ApronBody(uint32_t bodyId) {
  BodyShape shape(bodyId);
  const double half = 30;
  GroundQuad(shape, -half, -half, half, half, 0.3, kConcrete);
  // A yellow border and a white centre cross, just above the concrete.
  const double y = 0.6, w = 1.5;
  GroundQuad(shape, -half + 2, -half + 2, half - 2, -half + 2 + w, y, kMarkingYellow);
  GroundQuad(shape, -half + 2, half - 2 - w, half - 2, half - 2, y, kMarkingYellow);
  GroundQuad(shape, -half + 2, -half + 2, -half + 2 + w, half - 2, y, kMarkingYellow);
  GroundQuad(shape, half - 2 - w, -half + 2, half - 2, half - 2, y, kMarkingYellow);
  GroundQuad(shape, -10, -w, 10, w, y, kMarkingWhite);
  GroundQuad(shape, -w, -10, w, 10, y + 0.1, kMarkingWhite);
  return shape.Finish();
}

BodyDescription PlazaBody(uint32_t bodyId, uint32_t tileId) {
  BodyShape shape(bodyId);
  const double half = 32.0 * LookUpTile(tileId).size - 2;
  GroundQuad(shape, -half, -half, half, half, 0.2, 192 + 9);
  GroundQuad(shape, -half + 6, -half + 6, half - 6, half - 6, 0.4, 112 + 9);
  // The fountain: a basin of water and the spray rising from it.
  shape.Box({-10, 0, -10}, {10, 3, 10}, 48 + 11, -1);
  GroundQuad(shape, -10, -10, 10, 10, 2.5, kWater);
  shape.Box({-1.5, 0, -1.5}, {1.5, 7, 1.5}, 48 + 11, 48 + 12);
  shape.PointFace({0, 10, 0}, 0, face_type::kParticle);
  return shape.Finish();
}
