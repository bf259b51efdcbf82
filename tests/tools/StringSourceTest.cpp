#include <gtest/gtest.h>

#include <string>

#include "dataset/StringSource.h"

namespace {

TEST(StringSourceTest, ReadsIdsAndQuotedTexts) {
  StringTable table;
  std::string error;
  ASSERT_TRUE(ParseStringSource("# a comment\n\n3 \"Are you sure?\"\n  6\t\"Line\\r\\nbreak\"  \r\n"
                                "50 \"My Saved Cities\\\\\"\n37 \"Say \\\"hi\\\"\"\n900 \"Caf\xC3\xA9 \xE2\x82\xAC\"\n",
                                table, error))
      << error;
  std::string text;
  ASSERT_TRUE(table.Find(6, text));
  EXPECT_EQ(text, "Line\r\nbreak");
  ASSERT_TRUE(table.Find(50, text));
  EXPECT_EQ(text, "My Saved Cities\\");
  ASSERT_TRUE(table.Find(37, text));
  EXPECT_EQ(text, "Say \"hi\"");
  ASSERT_TRUE(table.Find(900, text));
  EXPECT_EQ(text, "Caf\xE9 \x80") << "converted to Windows-1252";
  EXPECT_EQ(table.Count(), 5u);
}

struct BadCase {
  const char* source;
  const char* error;
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.error; }

class BadSourceTest : public testing::TestWithParam<BadCase> {};

TEST_P(BadSourceTest, FailsNamingTheLine) {
  StringTable table;
  std::string error;
  EXPECT_FALSE(ParseStringSource(GetParam().source, table, error));
  EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, BadSourceTest,
    testing::Values(BadCase{"1 \"ok\"\n2 \"\xE2\x98\x83 snowman\"\n",
                            "line 2: a character Windows-1252 does not have at byte 1 of the text"},
                    BadCase{"1 \"bad \xC3\"\n", "line 1: a character Windows-1252 does not have at byte 5 of the text"},
                    BadCase{"1 \"a\"\n1 \"b\"\n", "line 2: id 1 is given twice"},
                    BadCase{"45000 \"x\"\n", "line 1: id 45000 is outside the table"},
                    BadCase{"123456 \"x\"\n", "line 1: expected a string id"},
                    BadCase{"x \"y\"\n", "line 1: expected a string id"},
                    BadCase{"1 y\n", "line 1: expected a text in double quotes"},
                    BadCase{"1\n", "line 1: expected a text in double quotes"},
                    BadCase{"1 \"open\n", "line 1: no closing quote"},
                    BadCase{"1 \"a\" b\n", "line 1: text after the closing quote"},
                    BadCase{"1 \"\\q\"\n", "line 1: unknown escape sequence"}));

TEST(StringSourceTest, OverlongTextsFail) {
  StringTable table;
  std::string error;
  EXPECT_FALSE(ParseStringSource("1 \"" + std::string(4096, 'x') + "\"\n", table, error));
  EXPECT_EQ(error, "line 1: the text is longer than 4095 bytes");
}

}  // namespace
