#include <gtest/gtest.h>

#include "shell/CommandLineSwitches.h"

namespace {

struct SwitchCase {
  const char* line;
  std::vector<std::string> switches;
};

void PrintTo(const SwitchCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class CommandLineSwitchesTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(CommandLineSwitchesTest, FindsTheSwitches) {
  EXPECT_EQ(FindCommandLineSwitches(GetParam().line), GetParam().switches);
}

INSTANTIATE_TEST_SUITE_P(Lines, CommandLineSwitchesTest,
                         testing::Values(SwitchCase{"", {}}, SwitchCase{"-w", {"w"}},
                                         SwitchCase{"/W \\d", {"w", "d"}}, SwitchCase{"  -D   -w  ", {"d", "w"}},
                                         SwitchCase{"city.mv2 -w", {"w"}}, SwitchCase{"- / \\", {}},
                                         SwitchCase{"-wd", {"wd"}}, SwitchCase{"w d", {}}));

struct WordCase {
  const char* line;
  const char* name;
  const char* word;
};

void PrintTo(const WordCase& c, std::ostream* os) { *os << '"' << c.line << "\" " << c.name; }

class SwitchWordTest : public testing::TestWithParam<WordCase> {};

TEST_P(SwitchWordTest, TheNextWordAsTyped) {
  EXPECT_EQ(FindCommandLineSwitchWord(GetParam().line, GetParam().name), GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(Lines, SwitchWordTest,
                         testing::Values(WordCase{"-l French", "l", "French"},
                                         WordCase{"-w /L  SwissGerman -d", "l", "SwissGerman"},
                                         WordCase{"-l", "l", ""}, WordCase{"-w French", "l", ""},
                                         WordCase{"-l German -l French", "l", "German"},
                                         WordCase{"-lx French", "l", ""}));

}  // namespace
