#include "objectsets/BodyShape.h"

#include <algorithm>
#include <cmath>

namespace {

Fixedpoint ToFixed(double units) { return static_cast<Fixedpoint>(std::lround(units * 65536.0)); }

Point Minus(const Point& a, const Point& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// The engine takes a face's normal as (last - first) x (second - first) and shows the face
// to a viewer the normal points away from: it points into the body.
bool Same(const Point& a, const Point& b) {
  return std::abs(a.x - b.x) < 1e-9 && std::abs(a.y - b.y) < 1e-9 && std::abs(a.z - b.z) < 1e-9;
}

// The corners without repeats (a corner equal to the one before it, or the last equal to the
// first), and the positions kept, so texture pairs can follow.
std::vector<size_t> DistinctCorners(const std::vector<Point>& corners) {
  std::vector<size_t> kept;
  for (size_t i = 0; i < corners.size(); ++i) {
    if (!kept.empty() && Same(corners[kept.back()], corners[i])) continue;
    kept.push_back(i);
  }
  while (kept.size() > 1 && Same(corners[kept.back()], corners[kept.front()])) kept.pop_back();
  return kept;
}

// Whether the corners span no area: such a face has no normal and is left out.
bool Degenerate(const std::vector<Point>& corners) {
  if (corners.size() < 3) return false;
  for (size_t i = 1; i + 1 < corners.size(); ++i) {
    const Point a = Minus(corners[i], corners[0]);
    const Point b = Minus(corners[i + 1], corners[0]);
    const Point n{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    if (n.x * n.x + n.y * n.y + n.z * n.z > 1e-6) return false;
  }
  return true;
}

bool WoundInward(const std::vector<Point>& corners, const Point& outward) {
  if (corners.size() < 3) return true;
  const Point a = Minus(corners[1], corners[0]);
  const Point b = Minus(corners.back(), corners[0]);
  const Point n{a.z * b.y - a.y * b.z, a.x * b.z - a.z * b.x, a.y * b.x - a.x * b.y};
  return n.x * outward.x + n.y * outward.y + n.z * outward.z <= 0;
}

int32_t ToFraction(double value) { return static_cast<int32_t>(std::lround(value * 65536.0)); }

double Distance(const Point& a, const Point& b) {
  const Point d = Minus(a, b);
  return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
}

}  // namespace

int32_t BodyShape::AddVertex(const Point& p) {
  const Vec3 v{ToFixed(p.x), ToFixed(p.y), ToFixed(p.z)};
  for (size_t i = 0; i < mBody.vertices.size(); ++i) {
    if (mBody.vertices[i] == v) return static_cast<int32_t>(i);
  }
  mBody.vertices.push_back(v);
  return static_cast<int32_t>(mBody.vertices.size() - 1);
}

FaceDescription& BodyShape::AddFace(const std::vector<Point>& corners, const Point& outward) {
  std::vector<Point> ordered = corners;
  if (!WoundInward(ordered, outward)) std::reverse(ordered.begin() + 1, ordered.end());
  FaceDescription& face = mBody.faces.emplace_back();
  for (const Point& p : ordered) face.corners.push_back(AddVertex(p));
  return face;
}

void BodyShape::Flat(const std::vector<Point>& given, const Point& outward, uint32_t colour, uint8_t type,
                     uint32_t extraFlags) {
  std::vector<Point> corners;
  for (size_t i : DistinctCorners(given)) corners.push_back(given[i]);
  if (Degenerate(corners)) return;
  FaceDescription& face = AddFace(corners, outward);
  face.type = type;
  face.colour = colour;
  face.flags = kFaceDrawn | extraFlags;
  if (type == face_type::kFlat) {
    face.flags |= kFaceColourInTexture;
    face.texture = colour;
  }
}

void BodyShape::Textured(const std::vector<Point>& given, const Point& outward, uint32_t colour, uint8_t type,
                         const Texturing& givenTexturing, uint32_t extraFlags) {
  std::vector<Point> corners;
  Texturing texturing{givenTexturing.texture, {}};
  for (size_t i : DistinctCorners(given)) {
    corners.push_back(given[i]);
    if (i < givenTexturing.coords.size()) texturing.coords.push_back(givenTexturing.coords[i]);
  }
  if (Degenerate(corners)) return;
  const bool reversed = !WoundInward(corners, outward);
  FaceDescription& face = AddFace(corners, outward);
  face.type = type;
  face.colour = colour;
  face.flags = kFaceDrawn | extraFlags;
  face.texture = texturing.texture;
  std::vector<std::array<double, 2>> coords = texturing.coords;
  if (reversed && coords.size() > 1) std::reverse(coords.begin() + 1, coords.end());
  for (const auto& pair : coords) face.texCoords.push_back({ToFraction(pair[0]), ToFraction(pair[1])});
}

void BodyShape::Shaded(const std::vector<Point>& given, const Point& outward, uint32_t colour) {
  std::vector<Point> corners;
  for (size_t i : DistinctCorners(given)) corners.push_back(given[i]);
  if (Degenerate(corners)) return;
  FaceDescription& face = AddFace(corners, outward);
  face.type = face_type::kGouraud;
  face.colour = colour;
  face.flags = kFaceDrawn | kFaceShadedCorners;
}

void BodyShape::Sprite(const Point& foot, double width, double height, uint32_t texture, uint8_t type,
                       uint32_t flags) {
  const int32_t centre = AddVertex({foot.x, foot.y + height / 2, foot.z});
  const int32_t corner = AddVertex({foot.x + width / 2, foot.y + height, foot.z});
  FaceDescription face = SpriteFace({centre, corner}, 0, type);
  face.flags |= flags;
  face.texture = texture;
  face.texCoords = {{0, 0}, {ToFraction(1.0), ToFraction(1.0)}};
  mBody.faces.push_back(face);
}

void BodyShape::PointFace(const Point& at, uint32_t colour, uint8_t type) {
  FaceDescription face = SpriteFace({AddVertex(at)}, colour, type);
  face.flags |= kFaceColourInTexture;
  face.texture = colour;
  mBody.faces.push_back(face);
}

void BodyShape::Line(const Point& from, const Point& to, uint32_t colour) {
  FaceDescription face = LineFace(AddVertex(from), AddVertex(to), colour);
  face.flags |= kFaceColourInTexture;
  mBody.faces.push_back(face);
}

void BodyShape::Box(const Point& low, const Point& high, uint32_t wallColour, int32_t roofColour) {
  const double x0 = low.x, y0 = low.y, z0 = low.z, x1 = high.x, y1 = high.y, z1 = high.z;
  Flat({{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0}}, {0, 0, -1}, wallColour);
  Flat({{x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}}, {0, 0, 1}, wallColour);
  Flat({{x0, y0, z0}, {x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}}, {-1, 0, 0}, wallColour);
  Flat({{x1, y0, z0}, {x1, y0, z1}, {x1, y1, z1}, {x1, y1, z0}}, {1, 0, 0}, wallColour);
  if (roofColour >= 0) {
    Flat({{x0, y1, z0}, {x1, y1, z0}, {x1, y1, z1}, {x0, y1, z1}}, {0, 1, 0}, static_cast<uint32_t>(roofColour));
  }
}

BodyDescription BodyShape::Finish() const {
  BodyDescription body = mBody;
  double radius = 1;
  for (const Vec3& v : body.vertices) radius = std::max(radius, Distance({v.x / 65536.0, v.y / 65536.0, v.z / 65536.0}, {}));
  body.radius = ToFixed(radius);
  return body;
}

Texturing TileCoords(uint32_t tileId, const std::vector<Point>& corners, double tileWidth, double tileHeight) {
  Texturing texturing{tileId, {}};
  if (corners.empty()) return texturing;
  double minX = corners[0].x, maxY = corners[0].y, minY = corners[0].y, maxZ = corners[0].z;
  for (const Point& p : corners) {
    minX = std::min(minX, p.x);
    maxY = std::max(maxY, p.y);
    minY = std::min(minY, p.y);
    maxZ = std::max(maxZ, p.z);
  }
  const bool level = maxY - minY < 1e-6;
  const Point& origin = corners[0];
  for (const Point& p : corners) {
    // A level face maps x and z; an upright one the distance along it and the depth below its top.
    const double u = level ? p.x - minX : std::hypot(p.x - origin.x, p.z - origin.z);
    const double v = level ? maxZ - p.z : maxY - p.y;
    texturing.coords.push_back({u / tileWidth, v / tileHeight});
  }
  return texturing;
}

Texturing QuadCoords(uint32_t texture) { return {texture, {{0, 1}, {1, 1}, {1, 0}, {0, 0}}}; }
