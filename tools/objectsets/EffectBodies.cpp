#include "objectsets/EffectBodies.h"

#include <cmath>

#include "objectsets/BodyShape.h"
#include "objectsets/ObjectSetIds.h"

namespace {

constexpr double kPi = 3.14159265358979;

// A prism of n sides along z from z0 to z1, closed at both ends, radius r.
void Prism(BodyShape& shape, int n, double r, double z0, double z1, uint32_t colour, uint32_t endColour) {
  std::vector<Point> back, front;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * kPi * i / n;
    back.push_back({r * std::cos(a), r * std::sin(a), z0});
    front.push_back({r * std::cos(a), r * std::sin(a), z1});
  }
  for (int i = 0; i < n; ++i) {
    const int j = (i + 1) % n;
    const double a = 2 * kPi * (i + 0.5) / n;
    shape.Flat({back[i], back[j], front[j], front[i]}, {std::cos(a), std::sin(a), 0}, colour);
  }
  shape.Flat(back, {0, 0, -1}, endColour);
  shape.Flat(front, {0, 0, 1}, endColour);
}

// The missile flies along +z: a body, a nose cone and four fins, 6 long.
BodyDescription Missile() {
  BodyShape shape(kMissileBody);
  constexpr int kSides = 6;
  const double r = 0.4;
  Prism(shape, kSides, r, -3, 1.8, 48 + 12, 48 + 4);
  for (int i = 0; i < kSides; ++i) {
    const int j = (i + 1) % kSides;
    const double a0 = 2 * kPi * i / kSides, a1 = 2 * kPi * j / kSides, a = (a0 + a1) / 2;
    shape.Flat({{r * std::cos(a0), r * std::sin(a0), 1.8}, {r * std::cos(a1), r * std::sin(a1), 1.8}, {0, 0, 3}},
               {std::cos(a), std::sin(a), 0.5}, 96 + 9);
  }
  for (int f = 0; f < 4; ++f) {
    const double a = kPi / 2 * f;
    const double c = std::cos(a), s = std::sin(a);
    const std::vector<Point> fin{{r * c, r * s, -3}, {1.4 * c, 1.4 * s, -3}, {r * c, r * s, -1.2}};
    shape.Flat(fin, {-s, c, 0}, 48 + 6);
    shape.Flat(fin, {s, -c, 0}, 48 + 6);
  }
  return shape.Finish();
}

// A beam of light along +z.
BodyDescription Laser() {
  BodyShape shape(kLaserBody);
  shape.Line({0, 0, -6}, {0, 0, 6}, 249);
  shape.Line({0, 0.15, -6}, {0, 0.15, 6}, 249);
  return shape.Finish();
}

BodyDescription TearGas() {
  BodyShape shape(kTearGasBody);
  Prism(shape, 6, 0.5, -0.8, 0.8, 144 + 5, 64 + 10);
  return shape.Finish();
}

// Three flame sprites rising from the ground, 16 high, narrower than they are tall.
BodyDescription Flame() {
  BodyShape shape(kFlameBody);
  shape.Sprite({0, 0, 0}, 12, 16, kFlameBitmap, 2, kFaceSeeThrough);
  shape.Sprite({-4, 0, 2}, 8, 11, kFlameBitmap, 2, kFaceSeeThrough);
  shape.Sprite({4, 0, -2}, 10, 13, kFlameBitmap, 2, kFaceSeeThrough);
  return shape.Finish();
}

// An irregular chunk: a squashed octahedron with corners pulled by the chunk number.
BodyDescription Debris(uint32_t number) {
  BodyShape shape(kFirstDebrisBody + number);
  const double size = 1.5 + (number % 4) * 0.8;
  const auto pull = [&](int corner) { return 0.7 + 0.3 * static_cast<double>((number * 7 + corner * 3) % 5) / 4; };
  const Point top{0, size * pull(0), 0}, bottom{0, -size * 0.6 * pull(1), 0};
  const Point ring[4] = {{size * pull(2), 0, 0}, {0, 0, size * pull(3)}, {-size * pull(4), 0, 0}, {0, 0, -size * pull(5)}};
  const uint32_t colour = (number % 2 ? 112 : 48) + 5 + number % 3;
  for (int i = 0; i < 4; ++i) {
    const Point& a = ring[i];
    const Point& b = ring[(i + 1) % 4];
    const Point out{a.x + b.x, 0, a.z + b.z};
    shape.Flat({a, b, top}, {out.x, 1, out.z}, colour);
    shape.Flat({b, a, bottom}, {out.x, -1, out.z}, colour + 1);
  }
  return shape.Finish();
}

}  // namespace

std::vector<BodyDescription> EffectBodies() {
  std::vector<BodyDescription> bodies;
  for (uint32_t i = 0; i < kDebrisBodyCount; ++i) bodies.push_back(Debris(i));
  bodies.push_back(Laser());
  bodies.push_back(Missile());
  bodies.push_back(Flame());
  bodies.push_back(TearGas());
  return bodies;
}
