#pragma once
#include <cstdint>

#include "pel3d/bodies/VertexPool.h"
#include "pel3d/draw/DepthClip.h"
#include "pel3d/math/FixedPoint.h"

// Where view-space points lie against the view volume, so that a whole body or ground
// triangle that cannot reach the screen is dropped before any of its faces is clipped and
// projected. The side tests keep a margin of one pixel beyond the clip rectangle, so they
// only drop what the screen clip would drop too.
constexpr uint32_t kBeyondLeft = 0x1;
constexpr uint32_t kBeyondRight = 0x2;
constexpr uint32_t kBeyondTop = 0x4;
constexpr uint32_t kBeyondBottom = 0x8;
constexpr uint32_t kBeforeNear = 0x10;  // z at most the near clip depth
constexpr uint32_t kBeyondFar = 0x20;  // z at least a far clip other than 0
constexpr uint32_t kBeyondSides = kBeyondLeft | kBeyondRight | kBeyondTop | kBeyondBottom;
constexpr uint32_t kBeyondDepth = kBeforeNear | kBeyondFar;

// The side planes through the eye of this frame's projection and clip rectangle, and the
// depth limits.
class ViewVolume {
 public:
  // Read from gView: call after the projection and the far clip are set.
  ViewVolume();

  // Screen x is centreX + x * scaleX / z and screen y is centreY - y * scaleY / z; for
  // z > 0 each side test is the projected point lying a pixel or more beyond that clip
  // edge. The tests are linear in (x, y, z), so what holds for all corners holds for every
  // point between them. Inline: every vertex of every listed body passes here.
  uint32_t Outcode(const TransformedVertex& v) const {
    uint32_t code = 0;
    if (v.z <= kNearClipDepth) code |= kBeforeNear;
    if (far_ != 0 && v.z >= far_) code |= kBeyondFar;
    if (!sides_) return code;
    const int64_t x = v.x * scaleX_;
    const int64_t y = v.y * scaleY_;
    if (x <= -left_ * v.z) code |= kBeyondLeft;
    if (x >= right_ * v.z) code |= kBeyondRight;
    if (y >= top_ * v.z) code |= kBeyondTop;
    if (y <= -bottom_ * v.z) code |= kBeyondBottom;
    return code;
  }

 private:
  int64_t scaleX_;
  int64_t scaleY_;
  // Signed distances, in 20.12 pixels, from the screen centre to each clip edge and a
  // pixel beyond it.
  int64_t left_;
  int64_t right_;
  int64_t top_;
  int64_t bottom_;
  Fixedpoint far_;
  bool sides_;  // false when a scale is not positive or the clip is out of range: no side is tested
};

// The outcodes of a set of points combined: every bit all of them share, and any bit one
// of them has.
struct VolumeCodes {
  uint32_t all = ~0u;
  uint32_t any = 0;

  void Add(uint32_t code) {
    all &= code;
    any |= code;
  }
  // Nothing of what the points span can be drawn: all lie before the near plane, or all
  // beyond the far plane when far clipping applies to every face, or all beyond one side
  // while none is depth-clipped (a depth clip moves points by its rounding) and the
  // points carry no sprite (whose size reaches past its centre).
  bool Hidden(bool farClipsAll, bool sprites) const;
};

// The combined outcodes of count transformed vertices, given up with all 0 as soon as no
// bit is shared.
VolumeCodes CodesOf(const ViewVolume& volume, const TransformedVertex* vertices, int32_t count);
