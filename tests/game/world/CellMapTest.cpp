#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StartedCity.h"

namespace {

class CellMap : public StartedCity {
protected:
  void SetUp() override { ASSERT_TRUE(Start()); }
};

TEST_F(CellMap, PointsFallInTheirCellsAndWrap) {
  struct Case {
    Fixedpoint x, z;
    int cellX, cellY;
  } cases[] = {
      {Units(-8192), Units(8192), 0, 0},
      {Units(8192) - 1, Units(-8192) + 1, 255, 255},
      {Units(8192), Units(8192), 0, 0},
      {Units(8192 + 64), Units(8192 - 64), 1, 1},
      {Units(-8192) - 1, Units(8192) + 1, 255, 255},
      {0, 0, 128, 128},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CellXOfPoint(c.x), c.cellX) << c.x;
    EXPECT_EQ(CellYOfPoint(c.z), c.cellY) << c.z;
    EXPECT_EQ(CellOfPoint(c.x, c.z), OMAP[c.cellX][c.cellY]);
  }
  EXPECT_EQ(CellOfTile(-1, 256), OMAP[255][0]);
}

TEST_F(CellMap, LinksAtTheHeadAndUnlinksAnywhere) {
  cell_info* cell = CellOfTile(10, 10);
  dyobj first, second, third;
  for (dyobj* object : {&first, &second, &third}) EXPECT_TRUE(LinkToCell(cell, *object));
  EXPECT_EQ(cell->firstObjects, &third);
  EXPECT_TRUE(UnlinkFromCell(cell, second));
  EXPECT_EQ(third.nextFirst, &first);
  EXPECT_TRUE(UnlinkFromCell(cell, third));
  EXPECT_TRUE(UnlinkFromCell(cell, first));
  EXPECT_EQ(cell->firstObjects, nullptr);
  EXPECT_TRUE(assertions.empty());
}

TEST_F(CellMap, BrokenLinksAreReportedAndRefused) {
  cell_info* cell = CellOfTile(10, 10);
  dyobj first, second, stranger;
  ASSERT_TRUE(LinkToCell(cell, first));
  ASSERT_TRUE(LinkToCell(cell, second));

  EXPECT_FALSE(LinkToCell(cell, second));  // at the head
  EXPECT_FALSE(LinkToCell(cell, first));  // deeper in the list: would tie it into a loop
  EXPECT_FALSE(LinkToCell(nullptr, stranger));
  EXPECT_FALSE(UnlinkFromCell(cell, stranger));
  EXPECT_FALSE(UnlinkFromCell(nullptr, first));
  EXPECT_EQ(assertions, (std::vector<std::string>{"cellPointer->dyptr != &dyObj", "cellPointer->dyptr != &dyObj",
                                                  "cellPointer", "*dyptrptr", "cellPointer"}));
  EXPECT_EQ(cell->firstObjects, &second);
  EXPECT_EQ(second.nextFirst, &first);
  EXPECT_EQ(first.nextFirst, nullptr);
}

TEST_F(CellMap, UnlinkingFromAnEmptyCellChangesNothing) {
  cell_info* cell = CellOfTile(3, 4);
  dyobj object;
  EXPECT_FALSE(UnlinkFromCell(cell, object));
  EXPECT_EQ(cell->firstObjects, nullptr);
  EXPECT_EQ(assertions, std::vector<std::string>{"*dyptrptr"});
}

}  // namespace
