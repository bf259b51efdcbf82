#include "Drovane/HotSpot.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/ByteOrder.h"

namespace {

// Squares and products of coordinate differences need more than 64 bits.
using Wide = __int128;

int32_t Clamp32(int64_t value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

Wide SquaredDistance(int64_t ax, int64_t ay, int64_t bx, int64_t by) {
  Wide dx = ax - bx;
  Wide dy = ay - by;
  return dx * dx + dy * dy;
}

// The largest r with r * r <= value.
int64_t SquareRootDown(Wide value) {
  int64_t root = static_cast<int64_t>(std::sqrt(static_cast<long double>(value)));
  while (root > 0 && Wide{root} * root > value) --root;
  while (Wide{root + 1} * (root + 1) <= value) ++root;
  return root;
}

}  // namespace

HotSpot::HotSpot(uint32_t id, uint32_t type, size_t pointCount, const platform::Point* points)
    : mId(id), mType(type), mPoints(points, points + pointCount) {}

HotSpot::HotSpot(const uint8_t* record, size_t size) {
  if (size < kRecordHeaderSize) return;
  mId = platform::ReadLE32(record + 4);
  mType = platform::ReadLE32(record + 8);
  size_t count = std::min<size_t>(platform::ReadLE32(record + 12), (size - kRecordHeaderSize) / kPointSize);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* point = record + kRecordHeaderSize + i * kPointSize;
    mPoints.push_back({platform::ReadLE32Signed(point), platform::ReadLE32Signed(point + 4)});
  }
}

HotSpot::HotSpot(uint32_t id, const platform::Rect& rectangle)
    : mId(id), mType(kRectangle), mPoints{{rectangle.left, rectangle.top}, {rectangle.right, rectangle.bottom}} {}

bool HotSpot::HitTest(int32_t x, int32_t y) const {
  switch (mType) {
    case kRectangle:
      return mPoints.size() >= 2 && mPoints[0].x <= x && x <= mPoints[1].x && mPoints[0].y <= y && y <= mPoints[1].y;
    case kCircle:
      return HitsCircle(x, y);
    case kPolygon:
      return HitsPolygon(x, y);
    default:
      return false;
  }
}

bool HotSpot::HitsCircle(int64_t x, int64_t y) const {
  if (mPoints.size() < 2) return false;
  const platform::Point& centre = mPoints[0];
  const platform::Point& rim = mPoints[1];
  return SquaredDistance(centre.x, centre.y, x, y) <= SquaredDistance(centre.x, centre.y, rim.x, rim.y);
}

// Even-odd crossing rule: an edge counts when it straddles the line through y, half-open
// so that a vertex on the line is counted once.
bool HotSpot::HitsPolygon(int64_t x, int64_t y) const {
  bool inside = false;
  for (size_t i = 0, j = mPoints.size() - 1; i < mPoints.size(); j = i++) {
    int64_t xi = mPoints[i].x, yi = mPoints[i].y, xj = mPoints[j].x, yj = mPoints[j].y;
    if ((yi <= y && yj > y) || (yj <= y && yi > y)) {
      Wide crossing = xi + Wide{xj - xi} * (y - yi) / (yj - yi);
      if (crossing > x) inside = !inside;
    }
  }
  return inside;
}

void HotSpot::GetBounds(platform::Rect& bounds) const {
  bounds = {};
  if (mType == kRectangle && mPoints.size() >= 2) {
    bounds = {mPoints[0].x, mPoints[0].y, mPoints[1].x, mPoints[1].y};
  } else if (mType == kCircle && mPoints.size() >= 2) {
    CircleBounds(bounds);
  } else if (mType == kPolygon && !mPoints.empty()) {
    PolygonBounds(bounds);
  }
}

void HotSpot::CircleBounds(platform::Rect& bounds) const {
  const platform::Point& centre = mPoints[0];
  const platform::Point& rim = mPoints[1];
  int64_t radius = SquareRootDown(SquaredDistance(centre.x, centre.y, rim.x, rim.y));
  bounds = {Clamp32(centre.x - radius), Clamp32(centre.y - radius), Clamp32(centre.x + radius),
            Clamp32(centre.y + radius)};
}

void HotSpot::PolygonBounds(platform::Rect& bounds) const {
  bounds = {mPoints[0].x, mPoints[0].y, mPoints[0].x, mPoints[0].y};
  for (const platform::Point& point : mPoints) {
    bounds.left = std::min(bounds.left, point.x);
    bounds.top = std::min(bounds.top, point.y);
    bounds.right = std::max(bounds.right, point.x);
    bounds.bottom = std::max(bounds.bottom, point.y);
  }
}
