// The bodies of the three object sets, as the data set writes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "enginefiles/BodyCheck.h"
#include "game/world/CityTileBodies.h"
#include "game/world/TileCatalogue.h"
#include "objectsets/DeckBodies.h"
#include "objectsets/EffectBodies.h"
#include "objectsets/ObjectSetIds.h"
#include "objectsets/ObjectSets.h"
#include "pel3d/bodies/FacePlane.h"

namespace {

struct SetBodies {
  ObjectSet set;
  std::vector<BodyDescription> bodies;
};

const std::vector<SetBodies>& AllSets() {
  static const std::vector<SetBodies> sets{{ObjectSet::kCity, CityBodies()},
                                           {ObjectSet::kVehicles, VehicleBodies()},
                                           {ObjectSet::kEffects, EffectBodies()}};
  return sets;
}

const BodyDescription* FindIn(const std::vector<BodyDescription>& bodies, int id) {
  for (const BodyDescription& body : bodies)
    if (static_cast<int>(body.id) == id) return &body;
  return nullptr;
}

Vec3 Normal(const BodyDescription& body, const FaceDescription& face) {
  const auto at = [&](size_t k) { return body.vertices[static_cast<size_t>(face.corners[k])]; };
  return ComputeFacePlaneNormal(at(0), at(1), at(face.corners.size() - 1));
}

bool IsPointFace(const FaceDescription& face) { return (face.flags & 0x4) || face.corners.size() < 3; }

double TopOf(const BodyDescription& body) {
  int32_t top = 0;
  for (const Vec3& v : body.vertices) top = std::max(top, v.y);
  return top / 65536.0;
}

TEST(ObjectSetBodiesTest, EveryIdOfTheTableIsBuiltOnceInItsOwnSet) {
  std::map<uint32_t, int> seen;
  for (const SetBodies& set : AllSets()) {
    for (const BodyDescription& body : set.bodies) {
      ++seen[body.id];
      const BodyIdRange* range = FindBodyIdRange(body.id);
      ASSERT_NE(range, nullptr) << "body " << body.id << " is in no row of the table";
      EXPECT_EQ(range->set, set.set) << "body " << body.id;
    }
  }
  for (const BodyIdRange& range : kBodyIdRanges) {
    if (range.set == ObjectSet::kVehicles) continue;
    for (uint32_t id = range.first; id <= range.last; ++id) EXPECT_EQ(seen[id], 1) << "body " << id;
  }
}

TEST(ObjectSetBodiesTest, TheCitySetHoldsEveryBodyTheCityStartAsksFor) {
  const std::vector<BodyDescription>& city = AllSets()[0].bodies;
  for (uint32_t tile = 0; tile < 0x10000; tile = tile == 255 ? 0x8000 : tile + 1) {
    if (tile > 0x80FF) break;
    const int ids[] = {TileBodyId(tile), FarBodyId(tile), RampBodyId(tile, kRampWest)};
    for (int id : ids) {
      if (id != kNoBody) {
        EXPECT_NE(FindIn(city, id), nullptr) << "tile " << tile << " body " << id;
      }
    }
  }
  for (int size = 2; size <= 4; ++size) EXPECT_NE(FindIn(city, LotBodyId(size)), nullptr);
  for (int id = 0; id < 400; ++id) EXPECT_EQ(IsCityBodyId(id), FindIn(city, id) != nullptr) << id;
}

TEST(ObjectSetBodiesTest, EveryBodyLoads) {
  for (const SetBodies& set : AllSets()) {
    for (const BodyDescription& body : set.bodies) {
      const auto fault = CheckBody(body);
      EXPECT_FALSE(fault) << (fault ? DescribeBodyFault(body, *fault) : "");
    }
  }
}

// Lit faces need a ramp to be shaded in; the game's point routines and lines take their
// colour from the texture field; walls and floors are axis-aligned so fire and the height
// probes find them.
TEST(ObjectSetBodiesTest, FacesFollowTheDrawRules) {
  for (const SetBodies& set : AllSets()) {
    for (const BodyDescription& body : set.bodies) {
      for (size_t f = 0; f < body.faces.size(); ++f) {
        const FaceDescription& face = body.faces[f];
        const std::string where = "body " + std::to_string(body.id) + " face " + std::to_string(f);
        if (face.type == 15 || face.type == 20 || face.type == 25 || face.type == 26) {
          EXPECT_TRUE(face.flags & 0x800) << where;
          EXPECT_EQ(face.texture, face.colour) << where;
        }
        if (face.type == 25) {
          EXPECT_TRUE(face.colour == 249 || face.colour == 250) << where;
        } else if (!(face.flags & (0x4 | 0x8000 | 0x10000))) {
          EXPECT_TRUE(face.colour >= 10 && face.colour <= 245) << where << " colour " << face.colour;
        }
        if (face.type >= 16 && face.type <= 18 && !IsPointFace(face)) {
          const Vec3 n = Normal(body, face);
          const bool wall = std::abs(n.x) > 10000 || std::abs(n.z) > 10000;
          const bool floor = n.y < -100;
          EXPECT_TRUE(wall || floor) << where;
          if (!floor) {
            EXPECT_TRUE(n.y == 0 && (n.x == 0 || n.z == 0)) << where << " is not axis-aligned";
          }
        }
      }
    }
  }
}

// The highest level face of a roofed body is a floor seen from above: its normal points down.
TEST(ObjectSetBodiesTest, RoofsPadsDecksAndLotsAreFloors) {
  for (const BodyDescription& body : AllSets()[0].bodies) {
    const FaceDescription* highest = nullptr;
    int32_t highestY = INT32_MIN;
    for (const FaceDescription& face : body.faces) {
      if (IsPointFace(face) || face.type == 20) continue;
      const Vec3 n = Normal(body, face);
      if (n.x != 0 || n.z != 0) continue;
      const int32_t y = body.vertices[static_cast<size_t>(face.corners[0])].y;
      if (y > highestY) highestY = y, highest = &face;
    }
    if (!highest) continue;
    EXPECT_LT(Normal(body, *highest).y, -100) << "body " << body.id;
  }
}

struct HeightCase {
  TileKind kind;
  double low;
  double high;
};

TEST(ObjectSetBodiesTest, BuildingsStandWithinTheirKindsHeights) {
  const HeightCase cases[] = {{TileKind::kHouse, 15, 30},    {TileKind::kShop, 20, 30},
                              {TileKind::kApartment, 50, 100}, {TileKind::kOffice, 80, 160},
                              {TileKind::kTower, 160, 300},   {TileKind::kWorkshop, 25, 60},
                              {TileKind::kFactory, 25, 60}};
  const std::vector<BodyDescription>& city = AllSets()[0].bodies;
  for (const HeightCase& c : cases) {
    int found = 0;
    for (uint32_t tile = 112; tile < 256; ++tile) {
      if (LookUpTile(tile).kind != c.kind) continue;
      const BodyDescription* body = FindIn(city, TileBodyId(tile));
      ASSERT_NE(body, nullptr) << tile;
      EXPECT_GE(TopOf(*body), c.low) << "tile " << tile;
      EXPECT_LE(TopOf(*body), c.high) << "tile " << tile;
      ++found;
    }
    EXPECT_GT(found, 0) << TileKindName(c.kind);
  }
}

TEST(ObjectSetBodiesTest, TheApronLeavesTheStartOpen) {
  const std::vector<BodyDescription>& city = AllSets()[0].bodies;
  const BodyDescription* apron = FindIn(city, TileBodyId(246));
  ASSERT_NE(apron, nullptr);
  EXPECT_LE(TopOf(*apron), 1.0);
}

struct DeckCase {
  uint32_t tile;
  double top;
  bool parapets;  // straight pieces only
};

TEST(ObjectSetBodiesTest, DecksStandAtTheHeightsTheVehiclesDriveAt) {
  const std::vector<BodyDescription>& city = AllSets()[0].bodies;
  const DeckCase cases[] = {{81, 4, true},    {0x8051, 4, true},  {93, 4, true},  {90, 31, true},
                            {101, 31, false}, {105, 31, false},   {106, 62, true}, {0x806B, 62, true},
                            {97, 62, true},   {46, 31, true}};
  for (const DeckCase& c : cases) {
    const BodyDescription* body = FindIn(city, TileBodyId(c.tile));
    ASSERT_NE(body, nullptr) << c.tile;
    // Parapets stand 2.5 above the deck.
    EXPECT_NEAR(TopOf(*body), c.top + (c.parapets ? 2.5 : 0), 0.01) << "tile " << c.tile;
  }
}

// A slope is high on the side the vehicles climb toward: the highway's 97 to the west,
// 98 to the north, 99 to the east, 100 to the south; the rails' 46 east, 47 south, 48
// west, 49 north; a ramp toward its direction.
TEST(ObjectSetBodiesTest, SlopesRiseTowardTheirHighSide) {
  const std::vector<BodyDescription>& city = AllSets()[0].bodies;
  struct Slope {
    int body;
    double dx;
    double dz;
  };
  const Slope slopes[] = {{TileBodyId(97), -1, 0},  {TileBodyId(98), 0, 1},  {TileBodyId(99), 1, 0},
                          {TileBodyId(100), 0, -1}, {TileBodyId(46), 1, 0},  {TileBodyId(47), 0, -1},
                          {TileBodyId(48), -1, 0},  {TileBodyId(49), 0, 1},  {RampBodyId(73, kRampNorth), 0, 1},
                          {RampBodyId(73, kRampEast), 1, 0}, {RampBodyId(74, kRampSouth), 0, -1},
                          {RampBodyId(74, kRampWest), -1, 0}};
  for (const Slope& slope : slopes) {
    const BodyDescription* body = FindIn(city, slope.body);
    ASSERT_NE(body, nullptr) << slope.body;
    const FaceDescription& top = body->faces[0];
    ASSERT_EQ(top.type, 17) << slope.body;
    const Vec3* high = nullptr;
    for (int32_t corner : top.corners) {
      const Vec3& v = body->vertices[static_cast<size_t>(corner)];
      if (!high || v.y > high->y) high = &v;
    }
    EXPECT_GT(high->x * slope.dx + high->z * slope.dz, 0) << "body " << slope.body;
  }
}

// The engine sizes a sprite by its second vertex minus its first (the half-width along x,
// the half-height along y): a sprite whose second vertex stands straight above its centre
// is drawn zero pixels wide, that is not at all.
TEST(ObjectSetBodiesTest, SpritesCarryTheirHalfSizeAndStandOnTheGround) {
  int sprites = 0;
  for (const SetBodies& set : AllSets()) {
    for (const BodyDescription& body : set.bodies) {
      for (size_t f = 0; f < body.faces.size(); ++f) {
        const FaceDescription& face = body.faces[f];
        if (!(face.flags & 0x4) || face.corners.size() != 2) continue;
        ++sprites;
        const std::string where = "body " + std::to_string(body.id) + " face " + std::to_string(f);
        const Vec3& centre = body.vertices[static_cast<size_t>(face.corners[0])];
        const Vec3& corner = body.vertices[static_cast<size_t>(face.corners[1])];
        const double halfWidth = (corner.x - centre.x) / 65536.0, halfHeight = (corner.y - centre.y) / 65536.0;
        EXPECT_GE(halfWidth, 2.0) << where;
        EXPECT_GE(halfHeight, 2.0) << where;
        EXPECT_NEAR(centre.y / 65536.0 - halfHeight, 0.0, 0.01) << where << " does not stand on the ground";
      }
    }
  }
  EXPECT_GT(sprites, 10) << "the trees and the flame are sprites";
}

TEST(ObjectSetBodiesTest, EffectsHaveTheirShapes) {
  const std::vector<BodyDescription>& effects = AllSets()[2].bodies;
  const BodyDescription* missile = FindIn(effects, kMissileBody);
  ASSERT_NE(missile, nullptr);
  int32_t front = INT32_MIN, back = INT32_MAX;
  for (const Vec3& v : missile->vertices) front = std::max(front, v.z), back = std::min(back, v.z);
  EXPECT_NEAR((front - back) / 65536.0, 6.0, 0.01);
  const BodyDescription* laser = FindIn(effects, kLaserBody);
  ASSERT_NE(laser, nullptr);
  for (const FaceDescription& face : laser->faces) EXPECT_EQ(face.colour, 249u);
  const BodyDescription* flame = FindIn(effects, kFlameBody);
  ASSERT_NE(flame, nullptr);
  EXPECT_NEAR(TopOf(*flame), 16.0, 0.01);
  for (const FaceDescription& face : flame->faces) {
    EXPECT_EQ(face.type, 2);
    EXPECT_TRUE(face.flags & 0x10);
  }
}

}  // namespace
