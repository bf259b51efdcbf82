#include <gtest/gtest.h>

#include <map>

#include "game/world/CityTileBodies.h"
#include "game/world/TileCatalogue.h"

namespace {

// Every id with a body has one of its own or shares it only with ids of its kind, and every
// body lies among the city's body ids.
TEST(CityTileBodies, BodiesAreCityIdsSharedOnlyWithinAKind) {
  std::map<int, TileKind> owner;
  for (uint32_t id = 0; id < 0x10000; id = id == 255 ? 0x8000 : id + 1) {
    if (id > 0x80FF) break;
    std::vector<int> ids = {TileBodyId(id), FarBodyId(id)};
    for (int direction = 1; direction < 4; ++direction) ids.push_back(RampBodyId(id, RampDirection(direction)));
    for (int body : ids) {
      if (body == kNoBody) continue;
      EXPECT_TRUE(IsCityBodyId(body)) << id << " " << body;
      auto [entry, added] = owner.emplace(body, LookUpTile(id).kind);
      EXPECT_TRUE(added || entry->second == LookUpTile(id).kind) << id << " " << body;
    }
  }
  for (int size = 2; size <= 4; ++size) EXPECT_TRUE(IsCityBodyId(LotBodyId(size)));
  EXPECT_EQ(LotBodyId(1), kNoBody);
  EXPECT_EQ(TileBodyId(29), kNoBody);  // a road is drawn by its ground
  EXPECT_EQ(RampBodyId(97, kRampEast), kNoBody);
}

TEST(CityTileBodies, RoadsAndRailsTakeTheGroundOfTheirExits) {
  struct Case {
    uint32_t id;
    int ground;
  } cases[] = {{29, 11}, {30, 12}, {43, 21}, {31, 12}, {44, 22}, {58, 32}, {64, 33}, {63, 34},
               {112, kGroundLawn}, {1, kGroundRubble}, {140, kGroundPaving}, {120, kGroundPaving},
               {211, kGroundPaving}, {215, kGroundPaving}, {222, kGroundPaving}, {124, -1}, {0, -1}, {6, -1}};
  for (const Case& c : cases) EXPECT_EQ(TileGroundByKind(c.id), c.ground) << c.id;
}

}  // namespace
