#include "pel3d/bodies/BodyHeightProbe.h"

#include <algorithm>

#include "pel3d/bodies/FaceBox.h"
#include "pel3d/math/Wrap32.h"

namespace {

constexpr Fixedpoint kFar = 30000 * kFixedOne;
constexpr Fixedpoint kCeilingGap = 10 * kFixedOne;
constexpr Fixedpoint kPointFaceHalfSize = 4 * kFixedOne;
// Normal y beyond which a face is a floor (below) or a ceiling (above); between: a wall.
constexpr Fixedpoint kLevelLimit = 100;
// A floor this level counts for the inside flag.
constexpr Fixedpoint kInsideLevel = -60000;
constexpr Fixedpoint kInsideMargin = 2 * kFixedOne;
constexpr Fixedpoint kInsideMarginNearest = kFixedOne;

struct ProbePoint {
  Fixedpoint x;
  Fixedpoint y;
  Fixedpoint z;
  Fixedpoint radius;
};

struct ProbeRules {
  Fixedpoint ceilingGap;  // how far above the point a ceiling counts
  bool wallsAsFloors;  // in the mode: walls reaching into the probe's height compete
  Fixedpoint probeHeight;
};

// What the probe has found so far.
class ProbeResult {
public:
  ProbeResult(uint32_t& word, Vec3* offset, int32_t* inside) : mWord(word), mOffset(offset), mInside(inside) {
    if (mInside) *mInside = 0;
  }

  Fixedpoint best = 0;
  Fixedpoint floorAbove = kFar;
  Fixedpoint ceiling = kFar;
  bool ceilingSeen = false;

  void TakePointFace(const Vec3& centre, Fixedpoint top, const ProbePoint& p) {
    best = top;
    if (mInside) *mInside = 0;
    SetOffset(wrap32::Sub(centre.x, p.x), wrap32::Sub(centre.z, p.z));
  }

  void TakeFace(const Face& face, Fixedpoint h, const FaceBox& box, const ProbePoint& p, Fixedpoint margin) {
    best = h;
    mWord = face.colour;
    SetOffset(wrap32::Sub(Middle(box.min.x, box.max.x), p.x), wrap32::Sub(Middle(box.min.z, box.max.z), p.z));
    if (mInside && face.plane->normal.y < kInsideLevel) *mInside = IsWellInside(box, p, margin) ? 1 : 0;
  }

  void TakeWall(const Face& face, Fixedpoint h) {
    best = h;
    mWord = face.colour;
    SetOffset(face.plane->normal.x, face.plane->normal.z);
  }

private:
  void SetOffset(Fixedpoint x, Fixedpoint z) {
    if (mOffset) *mOffset = {x, 0, z};
  }

  static bool IsWellInside(const FaceBox& box, const ProbePoint& p, Fixedpoint margin) {
    return int64_t{p.x} - margin >= box.min.x && int64_t{p.x} + margin <= box.max.x &&
           int64_t{p.z} - margin >= box.min.z && int64_t{p.z} + margin <= box.max.z;
  }

  uint32_t& mWord;
  Vec3* mOffset;
  int32_t* mInside;
};

// Whether the probe's square meets the x and z range (edges touching count).
bool SquareOverlaps(const ProbePoint& p, int64_t minX, int64_t maxX, int64_t minZ, int64_t maxZ) {
  return int64_t{p.x} - p.radius <= maxX && int64_t{p.x} + p.radius >= minX && int64_t{p.z} - p.radius <= maxZ &&
         int64_t{p.z} + p.radius >= minZ;
}

// A point face is a sprite 4.0 each way around its first vertex, as tall as its second.
void ProbePointFace(const Body& body, const Face& face, const ProbePoint& p, ProbeResult& result) {
  if (face.vertexCount < 1) return;
  const Vec3& a = body.vertices[face.indices[0]];
  const Vec3& b = face.vertexCount > 1 ? body.vertices[face.indices[1]] : a;
  const int64_t half = kPointFaceHalfSize;
  if (!SquareOverlaps(p, a.x - half, a.x + half, a.z - half, a.z + half)) return;
  if (b.y > result.best) result.TakePointFace(a, b.y, p);
}

// The height of the face's plane at (x, z), or the middle of its height range when the
// plane leaves the face there.
Fixedpoint PlaneHeight(const Body& body, const Face& face, const FaceBox& box, const ProbePoint& p) {
  const Vec3& n = face.plane->normal;
  const Vec3& last = body.vertices[face.indices[face.vertexCount - 1]];
  const Fixedpoint planeOffset =
      wrap32::Add(wrap32::Add(FixMul(n.y, last.y), FixMul(n.z, last.z)), FixMul(n.x, last.x));
  const Fixedpoint along = wrap32::Add(FixMul(n.z, p.z), FixMul(n.x, p.x));
  const Fixedpoint h = FixDiv(wrap32::Sub(planeOffset, along), n.y);
  if (h > box.max.y || h < box.min.y) return Middle(box.max.y, box.min.y);
  return h;
}

Fixedpoint Probe(const Body* body, const ProbePoint& p, uint32_t& word, const ProbeRules& rules, Vec3* offset,
                 int32_t* inside) {
  if (int64_t{p.y} > 2 * int64_t{body->radius} + 5 * kFixedOne) return body->radius >> 3;
  const bool nearest = word & kProbeNearestSurface;
  ProbeResult result(word, offset, inside);

  const Face* face = body->faces;
  for (int32_t i = 0; i < body->faceCount; ++i, face = face->next) {
    if (face->flags & kFaceSprite) {
      ProbePointFace(*body, *face, p, result);
      continue;
    }
    if ((face->flags & (kFaceLine | kFaceLinePoint)) || !face->plane || face->vertexCount < 1) continue;
    const Fixedpoint ny = face->plane->normal.y;
    const bool floor = ny < -kLevelLimit;
    const bool ceiling = ny > kLevelLimit;
    const bool wall = !floor && !ceiling;
    if ((ceiling && !nearest) || (wall && !(nearest && rules.wallsAsFloors))) continue;

    const FaceBox box = MeasureFaceBox(*body, *face, kFar, -kFar);
    if (!SquareOverlaps(p, box.min.x, box.max.x, box.min.z, box.max.z)) continue;
    if (wall && (int64_t{box.min.y} >= int64_t{p.y} + rules.probeHeight || box.max.y <= p.y)) continue;
    const Fixedpoint h = wall ? Middle(box.max.y, p.y) : PlaneHeight(*body, *face, box, p);

    if (!nearest) {
      if (h > result.best) result.TakeFace(*face, h, box, p, kInsideMargin);
    } else if (ceiling) {
      if (int64_t{h} >= int64_t{p.y} + rules.ceilingGap) {
        result.ceilingSeen = true;
        result.ceiling = std::min(result.ceiling, h);
      }
    } else if (h < p.y && h > result.best) {
      if (wall) {
        result.TakeWall(*face, h);
      } else {
        result.TakeFace(*face, h, box, p, kInsideMarginNearest);
      }
    } else if (h >= p.y && h < result.floorAbove) {
      result.floorAbove = h;
    }
  }

  if (nearest && result.ceilingSeen && result.ceiling > result.floorAbove) return result.floorAbove;
  if (nearest && !result.ceilingSeen && result.floorAbove != kFar) return result.floorAbove;
  return result.best;
}

}  // namespace

Fixedpoint ProbeBodyHeight(const Body* body, const Matrix& matrix, const Vec3& point, Fixedpoint radius) {
  Vec3 local;
  for (int axis = 0; axis < 3; ++axis) {
    local[axis] = wrap32::Add(wrap32::Add(FixMul(matrix[axis], point.x), FixMul(matrix[4 + axis], point.y)),
                              FixMul(matrix[8 + axis], point.z));
  }
  uint32_t word = 0;
  return ProbeBodyHeightLocal(body, local.x, local.y, local.z, word, radius);
}

Fixedpoint ProbeBodyHeightLocal(const Body* body, Fixedpoint x, Fixedpoint y, Fixedpoint z, uint32_t& word,
                                Fixedpoint radius, Vec3* offset, int32_t* inside) {
  return Probe(body, {x, y, z, radius}, word, {kCeilingGap, false, 0}, offset, inside);
}

Fixedpoint ProbeBodyContact(const Body* body, Fixedpoint x, Fixedpoint y, Fixedpoint z, uint32_t& word,
                            Fixedpoint radius, Fixedpoint probeHeight, Vec3* offset, int32_t* inside) {
  return Probe(body, {x, y, z, radius}, word, {probeHeight, true, probeHeight}, offset, inside);
}
