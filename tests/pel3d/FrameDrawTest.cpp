#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "DrawFixture.h"
#include "pel3d/draw/DispatchTables.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/draw/PolygonDispatch.h"
#include "pel3d/draw/PolygonSort.h"
#include "pel3d/draw/RasterRoutines.h"
#include "pel3d/EngineStart.h"

namespace {

// Every id bound to a routine that records which id was called and with what word.
struct Call {
  RasterId id;
  uint32_t word;
  bool operator==(const Call&) const = default;
};
std::vector<Call> gCalls;

template <RasterId kId>
void Record(const DrawBlock& block) {
  gCalls.push_back({kId, block.word});
}

template <std::size_t... kIds>
void BindRecorders(std::index_sequence<kIds...>) {
  (BindRasterRoutine(static_cast<RasterId>(kIds), Record<static_cast<RasterId>(kIds)>), ...);
}

class DispatchTest : public DrawTest {
protected:
  void SetUp() override {
    DrawTest::SetUp();
    BindRecorders(std::make_index_sequence<static_cast<std::size_t>(RasterId::kCount)>());
    gCalls.clear();
    gDrawSettings.objectTextures = 1;
    gDrawSettings.fogThreshold = Fix(500);
    gDrawSettings.flatThreshold = Fix(2000);
  }
  void TearDown() override {
    for (std::size_t id = 1; id < static_cast<std::size_t>(RasterId::kCount); ++id) {
      BindRasterRoutine(static_cast<RasterId>(id), nullptr);
    }
    BindEngineRasterisers();
    DrawTest::TearDown();
  }

  // The call one entry of the scene draw makes.
  std::vector<Call> DrawOne(int32_t type, double depth, uint32_t flags = 0) {
    Face face;
    face.type = type;
    face.flags = flags;
    face.colour = 7;
    face.textureId = 9;
    ScreenVertex vertex;
    gCalls.clear();
    DrawSceneEntry(PolyEntry{&face, Fix(depth), 3, &vertex});
    return gCalls;
  }
};

using enum RasterId;

struct DispatchCase {
  std::string name;
  int32_t type;
  double depth;
  uint32_t flags;
  int32_t textures;
  double fogThreshold;
  double flatThreshold;
  std::vector<Call> calls;
};

class SceneDispatchTest : public DispatchTest, public ::testing::WithParamInterface<DispatchCase> {};

TEST_P(SceneDispatchTest, ChoosesTheRoutineAndTheWord) {
  const DispatchCase& c = GetParam();
  gDrawSettings.objectTextures = c.textures;
  gDrawSettings.fogThreshold = Fix(c.fogThreshold);
  gDrawSettings.flatThreshold = Fix(c.flatThreshold);
  EXPECT_EQ(DrawOne(c.type, c.depth, c.flags), c.calls);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SceneDispatchTest,
    ::testing::Values(
        DispatchCase{"Perspective16Near", 13, 200, 0, 1, 500, 2000, {{kFillPolygonPerspective16, 9}}},
        DispatchCase{"Perspective32Band1", 13, 300, 0, 1, 500, 2000, {{kFillPolygonPerspective32, 9}}},
        DispatchCase{"AffineBand2", 13, 450, 0, 1, 500, 2000, {{kDrawTexturedPolygon, 9}}},
        DispatchCase{"FogFromThreshold", 13, 500, 0, 1, 500, 2000, {{kDrawTexturedPolygonFog, 9}}},
        DispatchCase{"LowFogThresholdComesFirst", 0, 300, 0, 1, 250, 2000, {{kDrawTexturedPolygonFog, 9}}},
        // View distance 500: fog 425, flat floor 600, so nothing turns flat before fog.
        DispatchCase{"FoggedBeforeFlat", 0, 430, 0, 1, 425, 600, {{kDrawTexturedPolygonFog, 9}}},
        // View distance 1000: fog 850, flat 700.
        DispatchCase{"FlatBeforeFog", 0, 750, 0, 1, 850, 700, {{kFillPolygonFlat, 7}}},
        DispatchCase{"FlatAndFogged", 0, 900, 0, 1, 850, 700, {{kFillPolygonFlatFog, 7}}},
        DispatchCase{"LineKeepsItsType", 20, 900, kFaceLine, 1, 850, 700, {{kDrawSolidLine, 9}}},
        DispatchCase{"SpriteKeepsItsType", 1, 900, kFaceSprite, 1, 850, 700, {{kFarSprite, 9}}},
        DispatchCase{"PointKeepsItsType", 23, 900, kFaceLinePoint, 1, 850, 700, {{kDrawPixelPrimitive, 9}}},
        DispatchCase{"RemapKeepsItsType", 11, 900, 0, 1, 850, 700, {{kPaletteRemap, 9}}},
        DispatchCase{"UntexturedTiledIsFlat", 16, 100, 0, 0, 500, 2000, {{kFillPolygonFlat, 7}}},
        DispatchCase{"UntexturedGouraudStays", 19, 100, 0, 0, 500, 2000, {{kFillPolygonGouraud, 7}}},
        DispatchCase{"PersonTextured", 22, 100, 0, 1, 500, 2000, {{kPersonDrawFace, 9}}},
        DispatchCase{"PersonUntextured", 22, 100, 0, 0, 500, 2000, {{kPersonDrawFace, 7}}},
        DispatchCase{"TypeTwelveDrawsNothing", 12, 100, 0, 1, 500, 2000, {}},
        DispatchCase{"TypeAbove27DrawsNothing", 28, 100, 0, 1, 500, 2000, {}},
        DispatchCase{"NegativeTypeDrawsNothing", -1, 100, 0, 0, 500, 2000, {}},
        DispatchCase{"FarTypeAbove27DrawsNothing", 40, 3000, 0, 1, 500, 2000, {}}),
    CaseName<DispatchCase>);

TEST_F(DispatchTest, EntryWithoutVerticesDrawsNothing) {
  Face face;
  EXPECT_EQ((DrawSceneEntry(PolyEntry{&face, Fix(10), 0, nullptr}), gCalls.size()), 0u);
}

// Every entry of every table, written out as a row per type.
TEST(DispatchTables, HoldTheRoutineOfEveryType) {
  struct Row {
    int32_t type;
    RasterId near, band1, band2, fog, offNear, offFog;
  };
  const std::vector<Row> rows = {
      {0, kDrawTexturedPolygon, kDrawTexturedPolygon, kDrawTexturedPolygon, kDrawTexturedPolygonFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {1, kSprite, kSprite, kSprite, kFarSprite, kSprite, kFarSprite},
      {2, kSprite, kSprite, kSprite, kFarSprite, kSprite, kFarSprite},
      {3, kWallColumnFirst, kWallColumnFirst, kWallColumnFirst, kDrawTexturedPolygonFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {4, kWallColumnSecond, kWallColumnSecond, kWallColumnSecond, kDrawTexturedPolygonFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {5, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {6, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {7, kWallColumnThird, kWallColumnThird, kWallColumnThird, kDrawTexturedPolygonFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {8, kWallColumnThird, kWallColumnThird, kWallColumnThird, kDrawTexturedPolygonFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {9, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {10, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {11, kPaletteRemap, kPaletteRemap, kPaletteRemap, kPaletteRemap, kPaletteRemap, kPaletteRemap},
      {12, kNone, kNone, kNone, kNone, kNone, kNone},
      {13, kFillPolygonPerspective16, kFillPolygonPerspective32, kDrawTexturedPolygon, kDrawTexturedPolygonFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {14, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {15, kFillPolygonFlat, kFillPolygonFlat, kFillPolygonFlat, kFillPolygonFlatFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {16, kFillPolygonTiled, kFillPolygonTiled, kFillPolygonTiled, kFillPolygonTiledFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {17, kFillPolygonTiledPerspective32, kFillPolygonTiledPerspective32, kFillPolygonTiled, kFillPolygonTiledFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {18, kFillPolygonTiledPerspective16, kFillPolygonTiledPerspective32, kFillPolygonTiled, kFillPolygonTiledFog, kFillPolygonFlat, kFillPolygonFlatFog},
      {19, kFillPolygonGouraud, kFillPolygonGouraud, kFillPolygonGouraud, kFillPolygonGouraudFog, kFillPolygonGouraud, kFillPolygonGouraudFog},
      {20, kDrawSolidLine, kDrawSolidLine, kDrawSolidLine, kDrawSolidLine, kDrawSolidLine, kDrawSolidLine},
      {21, kHeliStub, kHeliStub, kHeliStub, kHeliStub, kHeliStub, kHeliStub},
      {22, kPersonDrawFace, kPersonDrawFace, kPersonDrawFace, kPersonDrawFace, kPersonDrawFace, kPersonDrawFace},
      {23, kDrawPixelPrimitive, kDrawPixelPrimitive, kDrawPixelPrimitive, kDrawPixelPrimitive, kDrawPixelPrimitive, kDrawPixelPrimitive},
      {24, kSprite, kSprite, kSprite, kSprite, kSprite, kSprite},
      {25, kDrawBlinkingLight, kDrawBlinkingLight, kDrawBlinkingLight, kDrawBlinkingLight, kDrawBlinkingLight, kDrawBlinkingLight},
      {26, kDrawParticleSprite, kDrawParticleSprite, kDrawParticleSprite, kDrawParticleSprite, kDrawParticleSprite, kDrawParticleSprite},
      {27, kDrawRemapLine, kDrawRemapLine, kDrawRemapLine, kDrawRemapLine, kDrawRemapLine, kDrawRemapLine},
  };
  for (const Row& row : rows) {
    const auto on = static_cast<std::size_t>(row.type);
    const auto off = on + kUntexturedOffset;
    EXPECT_EQ(kBandTables[0][on], row.near) << row.type;
    EXPECT_EQ(kBandTables[1][on], row.band1) << row.type;
    EXPECT_EQ(kBandTables[2][on], row.band2) << row.type;
    EXPECT_EQ(kBandTables[3][on], row.fog) << row.type;
    for (int band = 0; band < 3; ++band) EXPECT_EQ(kBandTables[band][off], row.offNear) << row.type;
    EXPECT_EQ(kBandTables[3][off], row.offFog) << row.type;
  }
  const std::array<RasterId, 32> body = {
      kDrawTexturedPolygonKeyed, kSprite, kSprite, kWallColumnFirst, kWallColumnSecond,
      kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected, kWallColumnThird, kWallColumnThird,
      kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected, kPaletteRemap, kNone,
      kFillPolygonPerspective16, kDrawTexturedPolygonEdgeCorrected, kFillPolygonPattern, kFillPolygonPerspective16,
      kNone, kNone, kFillPolygonPerspectiveBody, kFillPolygonPerspectiveBodyTransparent,
      kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected, kFillPolygonPerspectiveBody,
      kFillPolygonPerspectiveBodyTransparent, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected,
      kPaletteRemap, kNone, kDrawTexturedPolygonEdgeCorrected, kDrawTexturedPolygonEdgeCorrected,
      kFillPolygonFirstPixel};
  EXPECT_EQ(kBodyTable, body);
  const std::array<RasterId, 6> ground = {kFillPolygonTiled, kFillPolygonTiledFog, kFillPolygonTiledPerspective32,
                                          kFillPolygonFlat,  kFillPolygonFlatFog,  kFillPolygonFlat};
  EXPECT_EQ(kGroundTable, ground);
}

TEST(DispatchTables, EngineBindsItsFillsAndLeavesTheRestUnbound) {
  InitEngine();
  for (std::size_t i = 0; i < static_cast<std::size_t>(kCount); ++i) {
    const auto id = static_cast<RasterId>(i);
    const bool own = id == kFillPolygonFlat || id == kFillPolygonFirstPixel || id == kFillPolygonPattern ||
                     id == kDrawTexturedPolygon || id == kDrawTexturedPolygonKeyed || id == kFillPolygonFlatFog ||
                     id == kDrawTexturedPolygonFog || id == kFillPolygonTiled || id == kFillPolygonTiledFog ||
                     id == kFillPolygonTiledPerspective16 || id == kFillPolygonTiledPerspective32 ||
                     id == kFillPolygonPerspective16 || id == kFillPolygonPerspective32 ||
                     id == kFillPolygonPerspectiveBody || id == kFillPolygonPerspectiveBodyTransparent;
    const bool shadedLinesAndRemaps = id == kDrawTexturedPolygonEdgeCorrected || id == kFillPolygonGouraud ||
                                      id == kFillPolygonGouraudFog || id == kDrawSolidLine ||
                                      id == kDrawRemapLine || id == kPaletteRemap;
    const bool spritesAndColumns = id == kSprite || id == kFarSprite || id == kWallColumnFirst ||
                                   id == kWallColumnSecond || id == kWallColumnThird;
    EXPECT_EQ(GetRasterRoutine(id) != nullptr, own || shadedLinesAndRemaps || spritesAndColumns) << i;
  }
  EXPECT_EQ(GetDrawRoutine(), &DrawQueuedBodies);
  SelectSceneDraw();
  InitEngine();
  EXPECT_EQ(GetDrawRoutine(), &DrawQueuedBodies);
}

TEST(DispatchTables, GameRoutinesAreBoundInOneCall) {
  BindGameFaceRoutines({Record<kHeliStub>, Record<kPersonDrawFace>, Record<kDrawPixelPrimitive>,
                        Record<kDrawBlinkingLight>, Record<kDrawParticleSprite>});
  for (RasterId id : {kHeliStub, kPersonDrawFace, kDrawPixelPrimitive, kDrawBlinkingLight, kDrawParticleSprite}) {
    gCalls.clear();
    CallRasterRoutine(id, DrawBlock{});
    EXPECT_EQ(gCalls, std::vector<Call>({{id, 0}}));
  }
  BindGameFaceRoutines({});
  for (RasterId id : {kHeliStub, kPersonDrawFace}) EXPECT_EQ(GetRasterRoutine(id), nullptr);
}

struct SortCase {
  std::string name;
  std::vector<int32_t> keys;
};

class SortTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortTest, PutsTheFarthestFirstAndKeepsEveryEntry) {
  std::vector<PolyEntry> entries;
  std::vector<Face> faces(GetParam().keys.size());
  for (std::size_t i = 0; i < faces.size(); ++i) entries.push_back({&faces[i], GetParam().keys[i], 3, nullptr});
  if (entries.empty()) return;
  EXPECT_EQ(SortPolygons(entries.data(), entries.data() + entries.size() - 1), entries.data());
  std::vector<int32_t> expected = GetParam().keys;
  std::sort(expected.rbegin(), expected.rend());
  std::vector<int32_t> keys;
  std::vector<Face*> seen;
  for (const PolyEntry& e : entries) keys.push_back(e.depth), seen.push_back(e.face);
  EXPECT_EQ(keys, expected);
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
}

INSTANTIATE_TEST_SUITE_P(Keys, SortTest,
                         ::testing::Values(SortCase{"Ties", {5, 9, 9, 1}}, SortCase{"One", {3}},
                                           SortCase{"AllEqual", {4, 4, 4, 4, 4}},
                                           SortCase{"Ascending", {1, 2, 3, 4, 5, 6, 7, 8}},
                                           SortCase{"Descending", {8, 7, 6, 5, 4, 3, 2, 1}},
                                           SortCase{"Mixed", {-3, 70, 0, 70, 12, -3, 5, 900, 1, 12}}),
                         CaseName<SortCase>);

TEST(PolygonSort, FirstNotBelowLastChangesNothing) {
  PolyEntry entries[2] = {{nullptr, 1, 0, nullptr}, {nullptr, 2, 0, nullptr}};
  EXPECT_EQ(SortPolygons(&entries[1], &entries[0]), &entries[1]);
  EXPECT_EQ(entries[0].depth, 1);
}

}  // namespace
