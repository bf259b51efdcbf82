#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/WindowMessages.h"

// One clickable area of a full-screen picture, in picture coordinates: a rectangle (left,
// top then right, bottom, both inclusive), a circle (the centre, then any point on it) or a
// polygon (its vertices, closed from the last back to the first). Any other type, and a
// rectangle or circle without its two points, contains nothing.
class HotSpot {
public:
  enum Type : uint32_t { kNone = 0, kRectangle = 1, kCircle = 2, kPolygon = 3 };

  // The bytes of one record of a hot-spot resource: a word not read, the id, the type, the
  // point count and the points.
  static constexpr size_t kRecordHeaderSize = 16;
  static constexpr size_t kPointSize = 8;

  HotSpot() = default;
  HotSpot(uint32_t id, uint32_t type, size_t pointCount, const platform::Point* points);
  // A record of a resource; only the points that lie within the bytes are taken.
  HotSpot(const uint8_t* record, size_t size);
  HotSpot(uint32_t id, const platform::Rect& rectangle);

  bool operator==(const HotSpot&) const = default;

  bool HitTest(int32_t x, int32_t y) const;
  // The bounding rectangle, clamped to the 32-bit range; all zero for an area that
  // contains nothing.
  void GetBounds(platform::Rect& bounds) const;

  uint32_t GetId() const { return mId; }
  uint32_t GetType() const { return mType; }
  const std::vector<platform::Point>& GetPoints() const { return mPoints; }

private:
  bool HitsCircle(int64_t x, int64_t y) const;
  bool HitsPolygon(int64_t x, int64_t y) const;
  void CircleBounds(platform::Rect& bounds) const;
  void PolygonBounds(platform::Rect& bounds) const;

  uint32_t mId = 0;
  uint32_t mType = kNone;
  std::vector<platform::Point> mPoints;
};
