#include "pel3d/draw/ViewVolume.h"

#include "pel3d/math/View.h"

namespace {

constexpr int64_t kOnePixel = 4096;

// A distance small enough that its product with any depth stays within 64 bits.
bool Bounded(int64_t distance) { return distance > -(int64_t{1} << 31) && distance < (int64_t{1} << 31); }

}  // namespace

ViewVolume::ViewVolume()
    : scaleX_(gView.scaleX),
      scaleY_(gView.scaleY),
      left_(int64_t{gView.centreX} - gView.clip.left + kOnePixel),
      right_(int64_t{gView.clip.right} - gView.centreX + kOnePixel),
      top_(int64_t{gView.centreY} - gView.clip.top + kOnePixel),
      bottom_(int64_t{gView.clip.bottom} - gView.centreY + kOnePixel),
      far_(gView.farClip),
      sides_(gView.scaleX > 0 && gView.scaleY > 0 && Bounded(left_) && Bounded(right_) && Bounded(top_) &&
             Bounded(bottom_)) {}

bool VolumeCodes::Hidden(bool farClipsAll, bool sprites) const {
  if (all & kBeforeNear) return true;
  if (farClipsAll && (all & kBeyondFar)) return true;
  if (sprites || (any & kBeyondDepth)) return false;
  return (all & kBeyondSides) != 0;
}

VolumeCodes CodesOf(const ViewVolume& volume, const TransformedVertex* vertices, int32_t count) {
  VolumeCodes codes;
  for (int32_t i = 0; i < count && codes.all != 0; ++i) codes.Add(volume.Outcode(vertices[i]));
  return codes;
}
