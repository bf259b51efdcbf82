#include <gtest/gtest.h>

#include "dataset/NoteList.h"

namespace {

TEST(NoteListTest, PitchesFollowEqualTemperamentFromA440) {
  struct Case {
    const char* name;
    double hertz;
  };
  for (Case c : {Case{"A4", 440.0}, Case{"A3", 220.0}, Case{"C4", 261.626}, Case{"F#3", 184.997},
                 Case{"Bb2", 116.541}, Case{"B#3", 261.626}, Case{"Cb4", 246.942}, Case{"C0", 16.352}}) {
    double hertz = 0;
    ASSERT_TRUE(PitchHertz(c.name, hertz)) << c.name;
    EXPECT_NEAR(hertz, c.hertz, 0.001) << c.name;
  }
  double hertz = 0;
  for (const char* bad : {"H4", "A", "A9", "a4", "A#", "A44", "Ax4", ""}) EXPECT_FALSE(PitchHertz(bad, hertz)) << bad;
}

TEST(NoteListTest, VoicesRunSideBySideAndRepeatsAppend) {
  NoteList list;
  std::string error;
  ASSERT_TRUE(ParseNoteList("# a comment\n"
                            "tempo 120  # two beats a second\n"
                            "voice lead square 0.5 attack 0.01 lowpass 2000\n"
                            "voice drum kick 1\n"
                            "play lead: A4/2 - C4+E4+G4/0.5\n"
                            "play drum x2: x/0.5 -/0.5\n"
                            "play lead: F#4\n",
                            list, error))
      << error;
  ASSERT_EQ(list.voices.size(), 2u);
  EXPECT_EQ(list.voices[0].wave, "square");
  EXPECT_DOUBLE_EQ(list.voices[0].gain, 0.5);
  EXPECT_DOUBLE_EQ(list.voices[0].attack, 0.01);
  EXPECT_DOUBLE_EQ(list.voices[0].lowpass, 2000.0);
  struct Expected {
    size_t voice;
    size_t pitches;
    double start;
    double seconds;
  };
  std::vector<Expected> expected = {{0, 1, 0.0, 1.0}, {0, 3, 1.5, 0.25}, {1, 0, 0.0, 0.25}, {1, 0, 0.5, 0.25},
                                    {0, 1, 1.75, 0.5}};
  ASSERT_EQ(list.notes.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(list.notes[i].voice, expected[i].voice);
    EXPECT_EQ(list.notes[i].hertz.size(), expected[i].pitches);
    EXPECT_DOUBLE_EQ(list.notes[i].start, expected[i].start);
    EXPECT_DOUBLE_EQ(list.notes[i].seconds, expected[i].seconds);
  }
  EXPECT_DOUBLE_EQ(list.Seconds(), 2.25);
}

TEST(NoteListTest, MistakesAreNamedWithTheirLine) {
  struct Case {
    const char* text;
    const char* error;
  };
  for (Case c : {Case{"tempo 0\n", "line 1: a tempo"}, Case{"beat 4\n", "line 1: unknown keyword \"beat\""},
                 Case{"voice v organ 1\n", "line 1: unknown wave"}, Case{"voice v sine 9\n", "line 1: a voice's gain"},
                 Case{"voice v sine 1 attack\n", "line 1: bad voice option"},
                 Case{"voice v sine 1\nvoice v sine 1\n", "line 2: a voice needs a name of its own"},
                 Case{"play v: A4\n", "line 1: play of an unknown voice"},
                 Case{"voice v sine 1\nvoice d noise 1\nplay v: H4\n", "line 3: bad pitch"},
                 Case{"voice v sine 1\nvoice d noise 1\nplay v: A4/0\n", "line 3: bad length"},
                 Case{"voice v sine 1\nvoice d noise 1\nplay d: A4\n", "line 3: a noise or kick voice plays"},
                 Case{"voice v sine 1\nvoice d noise 1\nplay v x0: A4\n", "line 3: a play line is"},
                 Case{"voice v sine 1\nvoice d noise 1\nplay v x2.5: A4\n", "line 3: a play line is"},
                 Case{"voice v sine 1\nplay v: - -\n", "no notes"}}) {
    NoteList list;
    std::string error;
    EXPECT_FALSE(ParseNoteList(c.text, list, error)) << c.text;
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << "\"" << error << "\" for " << c.text;
  }
}

}  // namespace
