#include <gtest/gtest.h>

#include <string>

#include "Drovane/DataPaths.h"
#include "game/P3Tweak.h"
#include "support/TempFolder.h"

namespace {

class TweakTest : public testing::Test {
protected:
  void SetUp() override {
    folder.MakeFolder("A");
    gDataPaths.SetRoots(folder.Game("A"), folder.Game("B"));
    TweakRegisterMessage();
  }

  void WriteTuning(const std::string& name, const std::string& text) { folder.Write("B/Tweak/" + name, text); }

  TempFolder folder;
};

TEST_F(TweakTest, RegistrationLimits) {
  uint32_t id = TweakMessageId();
  EXPECT_GE(id, 0xC000u);
  int32_t value = 0;
  TweakVariable one = TweakVar(value);
  std::vector<TweakVariable> many(51, one);
  EXPECT_EQ(TweakRegisterSection(many.data(), 51, "Too Many"), kTweakTooManyValues);
  for (int32_t i = 1; i <= 200; ++i) EXPECT_EQ(TweakRegisterSection(&one, 1, "Section"), i);
  EXPECT_EQ(TweakRegisterSection(&one, 1, "One More"), kTweakTooManySections);
  EXPECT_EQ(TweakRegisterSection(many.data(), 51, "Both Too Many"), kTweakTooManySections);
  EXPECT_EQ(TweakMessageId(), id);
  EXPECT_EQ(TweakRegisterMessage(), id);  // the same name gives the same id
  EXPECT_EQ(TweakSectionCount(), 0);
}

TEST_F(TweakTest, EveryDataTypeSetsItsVariable) {
  int32_t fixedHalf = 0, fixedNegative = 0, whole = 0, missing = 7, absentType = 0;
  double real = 0;
  const TweakVariable variables[] = {TweakVar(fixedHalf), TweakVar(fixedNegative), TweakVar(whole),
                                     TweakVar(real),      TweakVar(missing),       TweakVar(absentType)};
  ASSERT_EQ(TweakRegisterSection(variables, 6, "Fire Parms"), 1);
  WriteTuning("PEL3D.TWK",
              "[Fire Parms]\n"
              "NumCtrl=6\n"
              "Ctrl0_Value=1.5\nCtrl0_DataType=fxpt\n"
              "Ctrl1_Value=-0.5\nCtrl1_DataType=fxpt\n"
              "Ctrl2_Value=2.7\nCtrl2_DataType=int\n"
              "Ctrl3_Value=2.7\nCtrl3_DataType=double\n"
              "Ctrl5_Value=42\n");
  TweakReadAllSections("pel3d.twk");
  EXPECT_EQ(fixedHalf, 98304);
  EXPECT_EQ(fixedNegative, -32768);
  EXPECT_EQ(whole, 2);
  EXPECT_EQ(real, 2.7);
  EXPECT_EQ(missing, 0);  // a missing value key reads as zero
  EXPECT_EQ(absentType, 42);  // a missing type key makes an integer
  EXPECT_EQ(TweakErrorCount(), 0);
}

TEST_F(TweakTest, TypeNamesAreCaseSensitiveAndExtremesClamp) {
  int32_t upper = 0, huge = 0, tiny = 0;
  const TweakVariable variables[] = {TweakVar(upper), TweakVar(huge), TweakVar(tiny)};
  TweakRegisterSection(variables, 3, "Heli Damage");
  WriteTuning("pel3d.twk",
              "[Heli Damage]\nNumCtrl=3\nCtrl0_Value=1.5\nCtrl0_DataType=FXPT\n"
              "Ctrl1_Value=1e300\nCtrl1_DataType=fxpt\nCtrl2_Value=-99999\nCtrl2_DataType=fxpt\n");
  TweakReadAllSections("pel3d.twk");
  EXPECT_EQ(upper, 1);
  EXPECT_EQ(huge, 2147483647);
  EXPECT_EQ(tiny, -2147483647 - 1);
}

TEST_F(TweakTest, ValueOfAnotherSizeIsNotStored) {
  int32_t small = 5;
  double large = 5.0;
  const TweakVariable variables[] = {TweakVar(small), TweakVar(large)};
  TweakRegisterSection(variables, 2, "Camera Parms");
  WriteTuning("pel3d.twk",
              "[Camera Parms]\nNumCtrl=2\nCtrl0_Value=3.25\nCtrl0_DataType=double\n"
              "Ctrl1_Value=3\nCtrl1_DataType=fxpt\n");
  TweakReadAllSections("pel3d.twk");
  EXPECT_EQ(small, 5);
  EXPECT_EQ(large, 5.0);
}

TEST_F(TweakTest, CountsBeyondTheRegisteredValuesOrBelowZeroAreIgnored) {
  int32_t values[2] = {0, 0};
  const TweakVariable variables[] = {TweakVar(values[0]), TweakVar(values[1])};
  TweakRegisterSection(variables, 2, "Beyond");
  TweakRegisterSection(variables, 2, "Negative");
  WriteTuning("pel3d.twk",
              "[Beyond]\nNumCtrl=5\nCtrl0_Value=1\nCtrl1_Value=2\nCtrl2_Value=3\nCtrl3_Value=4\n"
              "[Negative]\nNumCtrl=-3\nCtrl0_Value=9\n");
  TweakReadAllSections("pel3d.twk");
  EXPECT_EQ(values[0], 1);
  EXPECT_EQ(values[1], 2);
  EXPECT_EQ(TweakErrorCount(), 0);
}

TEST_F(TweakTest, RedirectReadsASectionFromAnotherFile) {
  int32_t fire = 0, heli = 0;
  TweakVariable fireVar = TweakVar(fire), heliVar = TweakVar(heli);
  TweakRegisterSection(&fireVar, 1, "Fire Parms");
  TweakRegisterSection(&heliVar, 1, "Heli Landing");
  WriteTuning("pel3d.twk",
              "[Fire Parms]\nRedirect=Fire.twk\nNumCtrl=1\nCtrl0_Value=1\n"
              "[Heli Landing]\nNumCtrl=1\nCtrl0_Value=2\n");
  WriteTuning("FIRE.TWK", "[Fire Parms]\nNumCtrl=1\nCtrl0_Value=10\n");
  TweakReadAllSections("pel3d.twk");
  EXPECT_EQ(fire, 10);
  EXPECT_EQ(heli, 2);
}

TEST_F(TweakTest, SectionsWithoutACountAreErrorsAndKeepTheirValues) {
  int32_t a = 3, b = 4;
  TweakVariable aVar = TweakVar(a), bVar = TweakVar(b);
  TweakRegisterSection(&aVar, 1, "Present");
  TweakRegisterSection(&bVar, 1, "Absent");
  WriteTuning("pel3d.twk", "[Present]\nNumCtrl=1\nCtrl0_Value=30\n[Absent]\nCtrl0_Value=40\n");
  TweakReadAllSections("pel3d.twk");
  EXPECT_EQ(a, 30);
  EXPECT_EQ(b, 4);
  EXPECT_EQ(TweakErrorList(), (std::vector<int32_t>{1}));

  TweakReadAllSections("missing.twk");  // errors add up until cleared
  EXPECT_EQ(TweakErrorList(), (std::vector<int32_t>{1, 0, 1}));
  for (int i = 0; i < 150; ++i) TweakReadAllSections("missing.twk");
  EXPECT_EQ(TweakErrorCount(), kTweakMaxSections);
}

TEST_F(TweakTest, ControlFileAsksForOneSectionOnce) {
  int32_t first = 0, second = 0;
  TweakVariable firstVar = TweakVar(first), secondVar = TweakVar(second);
  TweakRegisterSection(&firstVar, 1, "Twin");
  TweakRegisterSection(&secondVar, 1, "Twin");
  WriteTuning("control.twk", "[General Administration]\nReadFile=twin.twk\nReadSection=Twin\n");
  WriteTuning("twin.twk", "[Twin]\nNumCtrl=1\nCtrl0_Value=5\n");
  EXPECT_EQ(TweakReadFile("control.twk", true), 0);
  EXPECT_EQ(first, 5);  // the first section of the name
  EXPECT_EQ(second, 0);
  EXPECT_EQ(folder.Read("B/Tweak/control.twk"),
            "[General Administration]\r\nReadFile=ALL\r\nReadSection=Twin\r\n");

  WriteTuning("control.twk", "[General Administration]\nReadFile=twin.twk\n");
  EXPECT_EQ(TweakReadFile("control.twk", true), kTweakNoSection);
  WriteTuning("control.twk", "[General Administration]\nReadFile=twin.twk\nReadSection=twin\n");
  EXPECT_EQ(TweakReadFile("control.twk", true), 0);  // names match exactly: nothing read or written
  EXPECT_EQ(folder.Read("B/Tweak/control.twk"), "[General Administration]\nReadFile=twin.twk\nReadSection=twin\n");
  // Without the single-section flag the control file's own sections are read.
  EXPECT_EQ(TweakReadFile("control.twk", false), 2);
}

TEST_F(TweakTest, LiveReloadReadsPel3dAgain) {
  int32_t value = 0;
  TweakVariable variable = TweakVar(value);
  TweakRegisterSection(&variable, 1, "Figure Parms");
  WriteTuning("pel3d.twk", "[Figure Parms]\nNumCtrl=1\nCtrl0_Value=1\n");
  TweakLiveReload();
  EXPECT_EQ(value, 1);
  WriteTuning("pel3d.twk", "[Figure Parms]\nNumCtrl=1\nCtrl0_Value=2\n");
  TweakLiveReload();
  EXPECT_EQ(value, 2);
}

TEST(TweakCopyLineTest, CopiesUpToTheCarriageReturn) {
  char line[8];
  EXPECT_EQ(TweakCopyLine(line, sizeof line, "abc\rdef"), 3u);
  EXPECT_STREQ(line, "abc");
  EXPECT_EQ(TweakCopyLine(line, sizeof line, "no return at all"), 7u);
  EXPECT_STREQ(line, "no retu");
}

}  // namespace
