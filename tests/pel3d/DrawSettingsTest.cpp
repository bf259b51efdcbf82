#include <gtest/gtest.h>

#include <array>

#include "DrawFixture.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/PolygonList.h"

namespace {

TEST(DrawSettings, StartValues) {
  const DrawSettings fresh;
  EXPECT_EQ(fresh.objectTextures, 1);
  EXPECT_EQ(fresh.terrainTextures, 1);
  EXPECT_EQ(fresh.noGround, 0);
  EXPECT_EQ(fresh.fogThreshold, 0);
  EXPECT_EQ(fresh.flatThreshold, 0);
  EXPECT_EQ(fresh.fogRange, kFixedOne);
  EXPECT_EQ(fresh.shadeTable, nullptr);
}

TEST(DrawSettings, FogRangeNeverBelowOne) {
  const DrawSettings saved = gDrawSettings;
  for (const auto& [set, kept] : {std::pair{Fix(150), Fix(150)}, std::pair{Fix(1), Fix(1)},
                                  std::pair{Fix(0.5), Fix(1)}, std::pair{0, Fix(1)}, std::pair{Fix(-20), Fix(1)}}) {
    SetFogRange(set);
    EXPECT_EQ(gDrawSettings.fogRange, kept) << set;
  }
  gDrawSettings = saved;
}

TEST(DrawSettings, ShadeTableComesWithItsRows) {
  const DrawSettings saved = gDrawSettings;
  std::array<uint8_t, 32 * 256> table{};
  SetShadeTable(table.data(), 32);
  EXPECT_EQ(gDrawSettings.shadeTable, table.data());
  EXPECT_EQ(gDrawSettings.shadeRows, 32);
  SetShadeTable(table.data(), 0);
  EXPECT_EQ(gDrawSettings.shadeTable, nullptr);
  SetShadeTable(nullptr, 32);
  EXPECT_EQ(gDrawSettings.shadeRows, 0);
  gDrawSettings = saved;
}

TEST(DrawSettings, TranslucencyTableNeedsThirtyTwoRows) {
  const DrawSettings saved = gDrawSettings;
  std::array<uint8_t, 32 * 256> table{};
  SetTranslucencyTable(table.data(), 32);
  EXPECT_EQ(UsableTranslucencyTable(), table.data());
  SetTranslucencyTable(table.data(), 31);
  EXPECT_EQ(gDrawSettings.translucencyRows, 31);
  EXPECT_EQ(UsableTranslucencyTable(), nullptr);
  SetTranslucencyTable(nullptr, 32);
  EXPECT_EQ(gDrawSettings.translucencyRows, 0);
  EXPECT_EQ(UsableTranslucencyTable(), nullptr);
  gDrawSettings = saved;
}

TEST(DrawSettings, RemapTableOnlyWithinTheBlock) {
  const DrawSettings saved = gDrawSettings;
  std::array<uint8_t, 4 * 256> block{};
  EXPECT_EQ(DrawSettings{}.remapTables, nullptr);
  SetRemapTables(block.data(), 4);
  EXPECT_EQ(RemapTable(0), block.data());
  EXPECT_EQ(RemapTable(3), block.data() + 3 * 256);
  EXPECT_EQ(RemapTable(4), nullptr);
  EXPECT_EQ(RemapTable(-1), nullptr);
  EXPECT_EQ(RemapTable(int64_t{1} << 32), nullptr);
  SetRemapTables(block.data(), 0);
  EXPECT_EQ(RemapTable(0), nullptr);
  gDrawSettings = saved;
}

TEST(PolygonList, AppendsUntilFullThenDrops) {
  PolygonList list;
  Face face;
  for (int32_t i = 0; i < kPolygonListCapacity; ++i) ASSERT_NE(list.Append({&face, i, 3, nullptr}), nullptr);
  EXPECT_EQ(list.Append({&face, 0, 3, nullptr}), nullptr);
  EXPECT_EQ(list.count, kPolygonListCapacity);
  EXPECT_EQ(list.entries.back().depth, kPolygonListCapacity - 1);
  list.Empty();
  EXPECT_EQ(list.WritePosition(), list.entries.data());
}

}  // namespace
