#include <gtest/gtest.h>

#include "ResFileFixture.h"
#include "X/File/CachedResFile.h"

namespace {

int gSwizzles = 0;
void CountSwizzle(uint8_t*, uint32_t) { ++gSwizzles; }

TEST_F(ResFileTest, ATypeTableHoldsEveryResourceOfTheTypeInOrder) {
  CachedResFile file;
  ASSERT_EQ(file.Open(SaveSample().c_str()), 0);
  gSwizzles = 0;
  ResTypeTable* table = file.LoadResourceTypeTable(kBhav, CountSwizzle);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->count, 2);
  EXPECT_EQ(table->type, kBhav);
  EXPECT_EQ(table->file, &file);
  ASSERT_EQ(table->entries.size(), 2u);
  EXPECT_EQ(table->entries[0].id, 128);
  EXPECT_EQ(table->entries[0].bytes[3], 4);
  EXPECT_EQ(table->entries[1].id, 129);
  EXPECT_TRUE(HIsLocked(table->entries[1].handle));
  EXPECT_EQ(file.LoadResourceTypeTable(kBhav, CountSwizzle), table);
  EXPECT_EQ(gSwizzles, 2);
  EXPECT_EQ(file.TableCount(), 1);
}

TEST_F(ResFileTest, AnUnknownTypeGivesAnEmptyTable) {
  CachedResFile file;
  ASSERT_EQ(file.Open(SaveSample().c_str()), 0);
  ResTypeTable* table = file.LoadResourceTypeTable(0x58585858, nullptr);
  EXPECT_EQ(table->count, 0);
  EXPECT_TRUE(table->entries.empty());
}

TEST_F(ResFileTest, ClosingFreesTheTablesAndReopeningMakesThemAnew) {
  CachedResFile file;
  std::string path = SaveSample();
  ASSERT_EQ(file.Open(path.c_str()), 0);
  size_t handles = LiveHandleCount();
  file.LoadResourceTypeTable(kBhav, nullptr);
  file.LoadResourceTypeTable(kStrings, nullptr);
  EXPECT_EQ(file.TableCount(), 2);
  EXPECT_EQ(LiveHandleCount(), handles + 3);
  file.Close();
  EXPECT_EQ(file.TableCount(), 0);
  ASSERT_EQ(file.Open(path.c_str()), 0);
  ResTypeTable* table = file.LoadResourceTypeTable(kStrings, nullptr);
  EXPECT_EQ(table->entries[0].bytes[0], 'h');
  EXPECT_TRUE(mAsserts.empty());
}

}  // namespace
