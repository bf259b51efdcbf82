#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dataset/SpeechSource.h"

namespace {

TEST(SpeechSourceTest, ReadsVoicesTreatmentsAndTexts) {
  std::vector<SpokenLine> lines;
  std::string error;
  ASSERT_TRUE(ParseSpeechSource("# a comment\n\nD1000.WAV en-us 45 165 radio \"Dispatch to all units.\"\r\n"
                                "  xHey.wav en-us+m6 55 170 plain \"Hey! \"\"You\"\"!\"\n"
                                "MEVAC.WAV en-gb 0 80 megaphone \"Leave.\"  \n",
                                lines, error))
      << error;
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].file, "D1000.WAV");
  EXPECT_EQ(lines[0].voice.name, "en-us");
  EXPECT_EQ(lines[0].voice.pitch, 45);
  EXPECT_EQ(lines[0].voice.wordsPerMinute, 165);
  EXPECT_EQ(lines[0].treatment, SpeechTreatment::kRadio);
  EXPECT_EQ(lines[0].text, "Dispatch to all units.");
  EXPECT_EQ(lines[1].voice.name, "en-us+m6");
  EXPECT_EQ(lines[1].text, "Hey! \"\"You\"\"!") << "from the first quote to the last";
  EXPECT_EQ(lines[2].treatment, SpeechTreatment::kMegaphone);
}

TEST(SpeechSourceTest, NamesTheLineAndWhatItLacks) {
  struct Case {
    const char* source;
    const char* error;
  } cases[] = {
      {"A.WAV en-us 100 165 plain \"x\"\n", "line 1: expected a pitch of 0 to 99"},
      {"\nA.WAV en-us -5 165 plain \"x\"\n", "line 2: expected a pitch of 0 to 99"},
      {"A.WAV en-us 50 79 plain \"x\"\n", "line 1: expected a speed of 80 to 450 words a minute"},
      {"A.WAV en-us 50 1650 plain \"x\"\n", "line 1: expected a speed of 80 to 450 words a minute"},
      {"A.WAV en-us 50 165 loud \"x\"\n", "line 1: expected plain, radio or megaphone"},
      {"A.WAV en-us 50 165 plain\n", "line 1: expected a text in double quotes at the end"},
      {"A.WAV en-us 50 165 plain \"\"\n", "line 1: expected a text in double quotes at the end"},
      {"A.WAV en-us 50 165 plain \"x\" more\n", "line 1: expected a text in double quotes at the end"},
      {"A.WAV\n", "line 1: expected a pitch of 0 to 99"},
  };
  for (const Case& c : cases) {
    std::vector<SpokenLine> lines;
    std::string error;
    EXPECT_FALSE(ParseSpeechSource(c.source, lines, error)) << c.source;
    EXPECT_EQ(error, c.error) << c.source;
  }
}

}  // namespace
