#include <gtest/gtest.h>

#include "platform/TextLayout.h"

namespace platform {
namespace {

// Ten pixels a byte.
int32_t TenEach(std::string_view text) { return static_cast<int32_t>(text.size()) * 10; }

struct LayoutCase {
  const char* name;
  std::string text;
  int32_t width;
  bool wordBreak;
  std::vector<std::string> lines;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class TextLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(TextLayoutTest, BreaksIntoLines) {
  const LayoutCase& c = GetParam();
  const std::vector<TextLine> lines = BreakTextLines(c.text, c.width, c.wordBreak, TenEach);
  std::vector<std::string> texts;
  for (const TextLine& line : lines) {
    texts.push_back(line.text);
    EXPECT_EQ(line.width, TenEach(line.text)) << line.text;
  }
  EXPECT_EQ(texts, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextLayoutTest,
    testing::Values(LayoutCase{"fits", "one two", 70, true, {"one two"}},
                    LayoutCase{"breaks_at_space", "one two three", 80, true, {"one two", "three"}},
                    LayoutCase{"spaces_at_break_dropped", "one   two", 40, true, {"one", "two"}},
                    LayoutCase{"wide_word_stays_whole", "a verylongword b", 50, true, {"a", "verylongword", "b"}},
                    LayoutCase{"leading_spaces_kept", "  ab", 100, true, {"  ab"}},
                    LayoutCase{"trailing_spaces_that_do_not_fit", "ab   ", 30, true, {"ab"}},
                    LayoutCase{"line_feed", "ab\ncd", 100, true, {"ab", "cd"}},
                    LayoutCase{"cr_lf_is_one_break", "ab\r\ncd", 100, true, {"ab", "cd"}},
                    LayoutCase{"empty_line_between", "a\n\nb", 100, true, {"a", "", "b"}},
                    LayoutCase{"final_break_adds_no_line", "ab\r\n", 100, true, {"ab"}},
                    LayoutCase{"empty_text", "", 100, true, {}},
                    LayoutCase{"without_word_break", "one two three", 10, false, {"one two three"}},
                    LayoutCase{"zero_width", "a b", 0, true, {"a", "b"}}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

}  // namespace
}  // namespace platform
