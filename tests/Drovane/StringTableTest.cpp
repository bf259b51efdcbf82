#include <gtest/gtest.h>

#include <string>

#include "Drovane/DataPaths.h"
#include "Drovane/DebugConsole.h"
#include "Drovane/ErrorReport.h"
#include "Drovane/StringTable.h"
#include "Drovane/StringTableFixture.h"
#include "platform/MessageBox.h"
#include "support/TempFolder.h"

namespace {

std::string Le(uint32_t value) {
  return std::string{static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                     static_cast<char>(value >> 24)};
}

// A table file of raw chunks, as a damaged or hostile file may hold them.
std::string TableFile(const std::string& chunks) {
  return "VIFF" + Le(2) + Le(StringTable::kCreator) + Le(StringTable::kFileType) + Le(1) +
         Le(static_cast<uint32_t>(28 + chunks.size())) + Le(1) + chunks;
}

std::string Chunk(uint32_t id, const std::string& text) {
  return Le(id) + Le(static_cast<uint32_t>(text.size() + 8)) + text;
}

class StringTableTest : public testing::Test {
protected:
  ScopedStringTable scoped{{}};
  TempFolder folder;
  StringTable table;
};

TEST_F(StringTableTest, SavedTablesLoadWhole) {
  table.Add(3, "Are you sure you want to quit?");
  table.Add(433, "Current\nFunds");
  table.Add(44999, "");
  ASSERT_TRUE(table.Save(folder.Game("strings.tbl")));
  EXPECT_EQ(folder.Read("strings.tbl").substr(28, 8), Le(3) + Le(38));
  StringTable loaded;
  ASSERT_TRUE(loaded.Load(folder.Game("strings.tbl")));
  EXPECT_EQ(loaded.Texts(), table.Texts());
}

TEST_F(StringTableTest, OutOfRangeAndRepeatedIdsAreDropped) {
  EXPECT_TRUE(table.Add(7, "first"));
  EXPECT_FALSE(table.Add(7, "second"));
  EXPECT_FALSE(table.Add(45000, "past the last language"));
  EXPECT_EQ(gpDebugConsole->Log().back(), "String id 45000 is outside the table; dropped.\n");
  std::string text;
  EXPECT_TRUE(table.Find(7, text));
  EXPECT_EQ(text, "first");
  EXPECT_FALSE(table.Find(45000, text));
  EXPECT_EQ(table.Count(), 1u);
}

struct DamageCase {
  const char* name;
  std::string chunks;
  std::map<uint32_t, std::string> texts;
};

void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

class DamagedTableTest : public StringTableTest, public testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedTableTest, LoadsWhatItCan) {
  folder.Write("strings.tbl", TableFile(GetParam().chunks));
  EXPECT_TRUE(table.Load(folder.Game("strings.tbl")));
  EXPECT_EQ(table.Texts(), GetParam().texts);
}

const std::string kLong(5000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedTableTest,
    testing::Values(DamageCase{"cut", Chunk(1, "one") + Chunk(2, "two").substr(0, 10), {{1, "one"}}},
                    DamageCase{"cutHeader", Chunk(1, "one") + "\x02", {{1, "one"}}},
                    DamageCase{"overlong", Chunk(5, kLong) + Chunk(6, "six"),
                               {{5, kLong.substr(0, 4095)}, {6, "six"}}},
                    DamageCase{"badIds", Chunk(0xFFFFFFFF, "x") + Chunk(45000, "y") + Chunk(44999, "z"),
                               {{44999, "z"}}},
                    DamageCase{"repeats", Chunk(9, "a") + Chunk(9, "b") + Chunk(8, "c"), {{8, "c"}, {9, "a"}}},
                    DamageCase{"shortLength", Chunk(1, "one") + Le(2) + Le(4) + Chunk(3, "three"), {{1, "one"}}},
                    DamageCase{"empty", "", {}}));

TEST_F(StringTableTest, OtherFilesAreNoTables) {
  folder.Write("other.rec", "VIFF" + Le(2) + "TRVD" + "PREF" + Le(1) + Le(28) + Le(1));
  table.Add(1, "kept until a load");
  EXPECT_FALSE(table.Load(folder.Game("other.rec")));
  EXPECT_EQ(table.Count(), 0u);
  EXPECT_FALSE(table.Load(folder.Game("missing.tbl")));
  folder.Write("short.tbl", "VIFF");
  EXPECT_FALSE(table.Load(folder.Game("short.tbl")));
}

TEST_F(StringTableTest, RootAIsReadBeforeRootB) {
  folder.MakeFolder("a");
  folder.MakeFolder("b");
  gDataPaths.SetRoots(folder.Game("a"), folder.Game("b"));
  EXPECT_EQ(StringTablePath(), folder.Game("b\\strings.tbl"));
  folder.Write("a/strings.tbl", TableFile(""));
  EXPECT_EQ(StringTablePath(), folder.Game("a\\strings.tbl"));
  gDataPaths.SetRoots("", "");
}

TEST_F(StringTableTest, ErrorReportsShowTheTablesTexts) {
  std::string text, caption;
  platform::SetMessageBoxHandler([&](const std::string& t, const std::string& c, uint32_t) {
    text = t;
    caption = c;
    return platform::IDOK;
  });
  SetErrorTextLookup(FindString);
  gStringTable.Add(666, "Error");
  gStringTable.Add(7, "The mouse pointer could not be shown.");
  ReportError(kErrorCursor, false);
  EXPECT_EQ(text, "The mouse pointer could not be shown.");
  EXPECT_EQ(caption, "Error");
  ReportError(kErrorMemoryPool, false);
  EXPECT_EQ(text, "Error Code: 1");
  SetErrorTextLookup({});
  platform::SetMessageBoxHandler({});
}

}  // namespace
