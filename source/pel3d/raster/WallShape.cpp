#include "pel3d/raster/WallShape.h"

#include <algorithm>
#include <array>
#include <utility>

#include "pel3d/math/View.h"

namespace {

bool WithinReach(const ScreenVertex& vertex) {
  const ClipRect& clip = gView.clip;
  return int64_t{vertex.x} >= int64_t{clip.left} - kWallReachOutside &&
         int64_t{vertex.x} <= int64_t{clip.right} + kWallReachOutside &&
         int64_t{vertex.y} >= int64_t{clip.top} - kWallReachOutside &&
         int64_t{vertex.y} <= int64_t{clip.bottom} + kWallReachOutside;
}

}  // namespace

std::optional<WallCorners> FindWallCorners(const ScreenVertex* vertices, int32_t count) {
  if (count != 4 || !vertices) return std::nullopt;
  std::array<const ScreenVertex*, 4> byX{vertices, vertices + 1, vertices + 2, vertices + 3};
  if (!std::all_of(byX.begin(), byX.end(), [](const ScreenVertex* v) { return WithinReach(*v); })) {
    return std::nullopt;
  }
  std::stable_sort(byX.begin(), byX.end(), [](const ScreenVertex* a, const ScreenVertex* b) { return a->x < b->x; });
  if (byX[0]->x != byX[1]->x || byX[2]->x != byX[3]->x || byX[1]->x == byX[2]->x) return std::nullopt;
  const auto upperFirst = [](const ScreenVertex* a, const ScreenVertex* b) {
    return a->y <= b->y ? std::pair{a, b} : std::pair{b, a};
  };
  const auto [topLeft, bottomLeft] = upperFirst(byX[0], byX[1]);
  const auto [topRight, bottomRight] = upperFirst(byX[2], byX[3]);
  return WallCorners{topLeft, topRight, bottomRight, bottomLeft};
}
