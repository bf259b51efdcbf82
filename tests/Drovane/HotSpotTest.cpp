#include <gtest/gtest.h>

#include <climits>
#include <list>
#include <vector>

#include "Drovane/HotSpotList.h"
#include "Drovane/ProgramResourceTable.h"
#include "Drovane/RecordFile.h"
#include "hotspots/HotSpotWriter.h"
#include "platform/ByteOrder.h"
#include "platform/ProgramResources.h"
#include "support/TempFolder.h"

namespace {

HotSpot Area(uint32_t type, std::vector<platform::Point> points, uint32_t id = 7) {
  return HotSpot(id, type, points.size(), points.data());
}

const HotSpot kRectangle(1, platform::Rect{10, 20, 30, 40});
const HotSpot kCircle = Area(HotSpot::kCircle, {{50, 50}, {53, 54}});  // radius 5
const HotSpot kSquare = Area(HotSpot::kPolygon, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
const HotSpot kTriangle = Area(HotSpot::kPolygon, {{0, 0}, {10, 5}, {4, 8}});

struct HitCase {
  const char* what;
  const HotSpot& area;
  int32_t x, y;
  bool inside;
};

TEST(HotSpotTest, HitTests) {
  const HotSpot unknownType = Area(9, {{0, 0}, {10, 10}});
  const HotSpot onePointRectangle = Area(HotSpot::kRectangle, {{0, 0}});
  const HotSpot onePointCircle = Area(HotSpot::kCircle, {{0, 0}});
  const HotSpot farCircle = Area(HotSpot::kCircle, {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX}});
  // Its long edge's product of differences needs more than 64 bits.
  const HotSpot farPolygon = Area(HotSpot::kPolygon, {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX}, {INT32_MIN, INT32_MAX}});
  const HitCase cases[] = {
      {"rectangle's left top corner", kRectangle, 10, 20, true},
      {"rectangle's right edge", kRectangle, 30, 25, true},
      {"rectangle's bottom edge", kRectangle, 15, 40, true},
      {"right of the rectangle", kRectangle, 31, 25, false},
      {"below the rectangle", kRectangle, 15, 41, false},
      {"circle's centre", kCircle, 50, 50, true},
      {"a point on the circle", kCircle, 55, 50, true},
      {"just outside the circle", kCircle, 54, 54, false},
      {"square's middle", kSquare, 5, 5, true},
      {"right of the square", kSquare, 15, 5, false},
      {"square's bottom edge", kSquare, 5, 0, true},
      {"square's top edge", kSquare, 5, 10, false},
      {"inside the triangle", kTriangle, 4, 4, true},
      {"outside the triangle", kTriangle, 9, 7, false},
      {"another type", unknownType, 5, 5, false},
      {"a rectangle with one point", onePointRectangle, 0, 0, false},
      {"a circle with one point", onePointCircle, 0, 0, false},
      {"the far corner of a circle at the limits", farCircle, INT32_MAX, INT32_MIN, true},
      {"beside the centre of a circle at the limits", farCircle, INT32_MIN + 1, INT32_MIN, true},
      {"inside a polygon at the limits", farPolygon, 0, INT32_MAX - 1, true},
      {"outside a polygon at the limits", farPolygon, INT32_MAX, INT32_MAX - 1, false},
  };
  for (const HitCase& c : cases) EXPECT_EQ(c.area.HitTest(c.x, c.y), c.inside) << c.what;
}

struct BoundsCase {
  const char* what;
  HotSpot area;
  platform::Rect bounds;
};

TEST(HotSpotTest, Bounds) {
  const BoundsCase cases[] = {
      {"rectangle", kRectangle, {10, 20, 30, 40}},
      {"circle", kCircle, {45, 45, 55, 55}},
      {"triangle", kTriangle, {0, 0, 10, 8}},
      {"polygon without vertices", Area(HotSpot::kPolygon, {}), {0, 0, 0, 0}},
      {"another type", Area(0, {{1, 2}, {3, 4}}), {0, 0, 0, 0}},
      {"rectangle with one point", Area(HotSpot::kRectangle, {{1, 2}}), {0, 0, 0, 0}},
      {"circle with one point", Area(HotSpot::kCircle, {{1, 2}}), {0, 0, 0, 0}},
      {"circle at the limits", Area(HotSpot::kCircle, {{0, 0}, {INT32_MIN, INT32_MIN}}),
       {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}},
      {"circle of radius 3 by a truncated root", Area(HotSpot::kCircle, {{0, 0}, {2, 3}}), {-3, -3, 3, 3}},
  };
  for (const BoundsCase& c : cases) {
    platform::Rect bounds{1, 1, 1, 1};
    c.area.GetBounds(bounds);
    EXPECT_EQ(bounds, c.bounds) << c.what;
  }
}

TEST(HotSpotTest, EqualityComparesIdTypeAndPointsInOrder) {
  EXPECT_EQ(kTriangle, Area(HotSpot::kPolygon, {{0, 0}, {10, 5}, {4, 8}}));
  EXPECT_NE(kTriangle, Area(HotSpot::kPolygon, {{0, 0}, {4, 8}, {10, 5}}));
  EXPECT_NE(kTriangle, Area(HotSpot::kPolygon, {{0, 0}, {10, 5}, {4, 8}}, 8));
  EXPECT_NE(kTriangle, Area(HotSpot::kPolygon, {{0, 0}, {10, 5}}));
  EXPECT_EQ(HotSpot(), Area(0, {}, 0));
}

class LoadHotSpotsTest : public testing::Test {
protected:
  void TearDown() override { SetResourceFile(""); }

  // Writes the bytes as resource 106 of a resource file and loads them into a list that
  // already holds one area.
  int Load(const std::vector<uint8_t>& bytes) {
    std::string path = folder.Game("halvorine.res");
    RecordFile file(path.c_str());
    file.OpenForWrite(platform::kResourceCreator, platform::kResourceFileType, platform::kResourceTypeVersion);
    file.WriteChunk(106, bytes.data(), bytes.size());
    file.Close();
    SetResourceFile(path);
    list = {kSquare};
    return LoadHotSpots(list, 106);
  }

  TempFolder folder;
  std::list<HotSpot> list;
};

const std::vector<HotSpot> kAreas{kRectangle, kCircle, kTriangle};

TEST_F(LoadHotSpotsTest, AppendsTheAreasInFileOrder) {
  ASSERT_EQ(Load(WriteHotSpots(kAreas)), 1);
  EXPECT_EQ(list, (std::list<HotSpot>{kSquare, kRectangle, kCircle, kTriangle}));
}

// The bytes of the three areas with one word changed, or cut short.
std::vector<uint8_t> Changed(size_t offset, uint32_t value) {
  std::vector<uint8_t> bytes = WriteHotSpots(kAreas);
  platform::WriteLE32(bytes.data() + offset, value);
  return bytes;
}

std::vector<uint8_t> Cut(size_t size) {
  std::vector<uint8_t> bytes = WriteHotSpots(kAreas);
  bytes.resize(size);
  return bytes;
}

TEST_F(LoadHotSpotsTest, RefusedResourcesLoadNothing) {
  const size_t lastRecord = 16 + 2 * 32;  // after two records of two points
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"version 2", Changed(8, 2)},
      {"another tag", Changed(0, 0x54505349)},
      {"a count past the records", Changed(12, 4)},
      {"the last record's points past the end", Changed(lastRecord + 12, 4)},
      {"a point count near the 32-bit limit", Changed(lastRecord + 12, 0xFFFFFFFF)},
      {"the last record cut short", Cut(WriteHotSpots(kAreas).size() - 1)},
      {"a header cut short", Cut(12)},
      {"no bytes", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Load(c.bytes), 0) << c.what;
    EXPECT_EQ(list, std::list<HotSpot>{kSquare}) << c.what;
  }
}

TEST_F(LoadHotSpotsTest, MissingResourceLoadsNothing) {
  Load(WriteHotSpots(kAreas));
  list = {kSquare};
  EXPECT_EQ(LoadHotSpots(list, 201), 0);
  EXPECT_EQ(list, std::list<HotSpot>{kSquare});
}

TEST_F(LoadHotSpotsTest, TheWordsNotReadMayHoldAnything) {
  std::vector<uint8_t> bytes = Changed(4, 0xDEADBEEF);
  platform::WriteLE32(bytes.data() + 16, 0xFFFFFFFF);
  ASSERT_EQ(Load(bytes), 1);
  EXPECT_EQ(list.size(), 4u);
}

TEST_F(LoadHotSpotsTest, DamagedAreasLoadButContainNothing) {
  const std::vector<HotSpot> damaged{Area(HotSpot::kRectangle, {{0, 0}}), Area(HotSpot::kCircle, {}),
                                     Area(HotSpot::kPolygon, {{INT32_MIN, INT32_MIN}, {INT32_MAX, 0}, {0, INT32_MAX}})};
  ASSERT_EQ(Load(WriteHotSpots(damaged)), 1);
  auto area = std::next(list.begin());
  platform::Rect bounds;
  for (int i = 0; i < 2; ++i, ++area) {
    EXPECT_FALSE(area->HitTest(0, 0));
    area->GetBounds(bounds);
    EXPECT_EQ(bounds, platform::Rect{}) << i;
  }
  area->GetBounds(bounds);
  EXPECT_EQ(bounds, (platform::Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}));
  EXPECT_TRUE(area->HitTest(0, 0));
}

}  // namespace
