#include <gtest/gtest.h>

#include "platform/Windows1252.h"

using platform::Utf8ToWindows1252;

namespace {

struct CharsetCase {
  const char* utf8;
  std::string expected;
};

void PrintTo(const CharsetCase& c, std::ostream* os) { *os << c.expected.size() << " characters"; }

class Windows1252Test : public testing::TestWithParam<CharsetCase> {};

TEST_P(Windows1252Test, ConvertsOrDrops) {
  EXPECT_EQ(Utf8ToWindows1252(GetParam().utf8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Windows1252Test,
    testing::Values(CharsetCase{"Heli 42!", "Heli 42!"},
                    CharsetCase{"\xC3\xA9\xC3\xBC\xC3\x9F", "\xE9\xFC\xDF"},          // e acute, u umlaut, sharp s
                    CharsetCase{"\xE2\x82\xAC", "\x80"},                              // euro sign
                    CharsetCase{"\xE2\x80\x9C" "q" "\xE2\x80\x9D", "\x93q\x94"},    // curly quotes
                    CharsetCase{"\xC5\xB8", "\x9F"},                                  // Y with diaeresis
                    CharsetCase{"\xC2\xA0", "\xA0"},                                  // no-break space
                    CharsetCase{"a\xE6\x97\xA5" "b", "ab"},                           // a character outside the set
                    CharsetCase{"a\xF0\x9F\x9A\x81", "a"},                            // outside the basic plane
                    CharsetCase{"\x01\x7F\xC2\x85", ""},                              // control characters
                    CharsetCase{"a\xC3", "a"},                                        // cut short
                    CharsetCase{"\xC0\xAF" "b", "b"},                                 // overlong
                    CharsetCase{"\xED\xA0\x80" "c", "c"},                             // surrogate
                    CharsetCase{"\xFF" "d", "d"}));

}  // namespace

namespace {

struct ToUtf8Case {
  std::string text;
  const char* utf8;
};

void PrintTo(const ToUtf8Case& c, std::ostream* os) { *os << c.text.size() << " bytes"; }

class Windows1252ToUtf8Test : public testing::TestWithParam<ToUtf8Case> {};

TEST_P(Windows1252ToUtf8Test, RendersEveryByte) { EXPECT_EQ(platform::Windows1252ToUtf8(GetParam().text), GetParam().utf8); }

INSTANTIATE_TEST_SUITE_P(
    Texts, Windows1252ToUtf8Test,
    testing::Values(ToUtf8Case{"Heli 42!", "Heli 42!"},
                    ToUtf8Case{"caf\xE9", "caf\xC3\xA9"},                       // e acute
                    ToUtf8Case{"\x80", "\xE2\x82\xAC"},                          // euro sign
                    ToUtf8Case{"\x93q\x94", "\xE2\x80\x9C" "q" "\xE2\x80\x9D"},  // curly quotes
                    ToUtf8Case{"\x9F\xFF", "\xC5\xB8\xC3\xBF"},                  // both Y with diaeresis
                    ToUtf8Case{"\x81", "\xC2\x81"},                              // unassigned: the control character
                    ToUtf8Case{"a\r\nb", "a\r\nb"}));

}  // namespace
