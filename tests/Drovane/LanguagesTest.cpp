#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "Drovane/DebugConsole.h"
#include "Drovane/LanguageFromLocale.h"
#include "Drovane/LanguageStrings.h"
#include "Drovane/Languages.h"
#include "Drovane/StringTable.h"
#include "Drovane/StringTableFixture.h"
#include "support/TempFolder.h"

namespace {

class LanguagesTest : public testing::Test {
protected:
  ScopedStringTable table{SmallLanguageTable()};
};

TEST_F(LanguagesTest, StringIdsShiftByLanguage) {
  EXPECT_EQ(GetLanguageStringId(650, 3), 2650u);
  EXPECT_EQ(GetLanguageStringId(650, 1), 650u);
  EXPECT_EQ(GetLanguageStringId(650, 45), 0u);
  EXPECT_EQ(GetLanguageStringId(650, -1), 0u);
  EXPECT_EQ(GetLanguageStringId(650, 0), 650u);
  ASSERT_EQ(SetCurrentLanguage(3), 1);
  EXPECT_EQ(GetLanguageStringId(650, 0), 2650u);
}

TEST_F(LanguagesTest, MissingTextsFallBackMarked) {
  std::string text;
  EXPECT_EQ(LoadLanguageString(text, GetLanguageStringId(3, 3)), 30);
  EXPECT_EQ(text, "Are you sure you want to quit?(!)");
  EXPECT_EQ(LoadLanguageString(text, GetLanguageStringId(3, 1)), 30);
  EXPECT_EQ(text, "Are you sure you want to quit?");
  EXPECT_EQ(LoadLanguageString(text, 2999), 0);
  EXPECT_EQ(text, "(!)");
  EXPECT_EQ(LocalizedString(2, 12), "english(!)");
}

TEST_F(LanguagesTest, FindsLanguagesByTheirExactName) {
  int32_t language = 0;
  EXPECT_EQ(FindLanguageByName("French", language), 1);
  EXPECT_EQ(language, 3);
  language = 0;
  EXPECT_EQ(FindLanguageByName("french", language), 0);
  EXPECT_EQ(language, 0);
  EXPECT_EQ(FindLanguageByName("English(!)", language), 1);
  EXPECT_EQ(language, 5) << "a block without a name shows the marked English name";
}

TEST_F(LanguagesTest, TheBlockAfterTheLastIsTriedToo) {
  gStringTable.Clear();
  gStringTable.Add(0, "English");
  int32_t language = 0;
  EXPECT_EQ(FindLanguageByName("English(!)", language), 1);
  EXPECT_EQ(language, 2);
  char name[16];
  EXPECT_EQ(GetLanguageName(45, name, sizeof name), 1);
  EXPECT_STREQ(name, "English(!)");
  EXPECT_EQ(GetLanguageName(46, name, sizeof name), 0);
}

TEST_F(LanguagesTest, LanguageNamesAreCutToTheBuffer) {
  char name[5] = "xxxx";
  EXPECT_EQ(GetLanguageName(2, name, sizeof name), 1);
  EXPECT_STREQ(name, "UKEn");
  EXPECT_EQ(GetLanguageName(2, name, 0), 0);
  char whole[32];
  EXPECT_EQ(GetLanguageName(0, whole, sizeof whole), 1);
  EXPECT_STREQ(whole, "English");
}

TEST_F(LanguagesTest, EveryLanguageIsAvailableWhileEnglishHasItsMark) {
  EXPECT_EQ(IsLanguageAvailable(1), 7);
  EXPECT_EQ(IsLanguageAvailable(30), 10);
  EXPECT_EQ(NextAvailableLanguage(44), 1);
  EXPECT_EQ(NextAvailableLanguage(45), 0);
  EXPECT_EQ(NextAvailableLanguage(-1), 0);
  EXPECT_EQ(NextAvailableLanguage(0), 1);
  EXPECT_EQ(NextAvailableLanguage(7), 8);
}

TEST_F(LanguagesTest, SwitchingToTheCurrentLanguageAnswersZero) {
  EXPECT_EQ(SetCurrentLanguage(0), 0);
  EXPECT_EQ(SetCurrentLanguage(4), 1);
  EXPECT_EQ(CurrentLanguage(), 4);
  EXPECT_EQ(SetCurrentLanguage(4), 0);
  EXPECT_EQ(SetCurrentLanguage(0), 1);
  EXPECT_EQ(CurrentLanguage(), 1);
  EXPECT_EQ(SetCurrentLanguage(45), 0);
  EXPECT_EQ(SetCurrentLanguage(-2), 0);
  EXPECT_EQ(CurrentLanguage(), 1);
}

TEST_F(LanguagesTest, ALocaleTheSystemKnowsLeavesNumbersAlone) {
  gStringTable.Add(3002, "C.UTF-8");
  ASSERT_EQ(SetCurrentLanguage(4), 1);
  EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "C.UTF-8");
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  char number[16];
  std::snprintf(number, sizeof number, "%.1f", 1.5);
  EXPECT_STREQ(number, "1.5");
  std::setlocale(LC_ALL, "C");
}

TEST_F(LanguagesTest, AFolderNameThatIsNoLocaleChangesNothing) {
  ASSERT_EQ(SetCurrentLanguage(3), 1);
  EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), "C");
}

TEST_F(LanguagesTest, DirectoriesEndInABackslash) {
  std::string text;
  EXPECT_EQ(AppendLanguageDirectory(text, 2), 1);
  EXPECT_EQ(text, "english-uk\\");
  EXPECT_EQ(AppendLanguageNameDirectory(text, 3), 1);
  EXPECT_EQ(text, "French\\");
  EXPECT_EQ(AppendLanguageLabelDirectory(text, 1), 1);
  EXPECT_EQ(text, "English\\");
  EXPECT_EQ(AppendLanguageDirectory(text, 13), 1);
  EXPECT_EQ(text, "english(!)\\");
  gStringTable.Clear();
  EXPECT_EQ(AppendLanguageDirectory(text, 1), 0);
}

TEST_F(LanguagesTest, BasesFontsAndFaces) {
  EXPECT_EQ(GetBaseLanguage(33), 3);
  EXPECT_EQ(GetBaseLanguage(14), 16);
  EXPECT_EQ(GetBaseLanguage(42), 43);
  EXPECT_EQ(GetBaseLanguage(0), 1);
  EXPECT_TRUE(LanguageUsesLatinFonts(10));
  EXPECT_FALSE(LanguageUsesLatinFonts(39));
  EXPECT_FALSE(IsNeitherUKEnglishNorJapanese(2));
  EXPECT_FALSE(IsNeitherUKEnglishNorJapanese(44));
  EXPECT_TRUE(IsNeitherUKEnglishNorJapanese(0));
  std::string face = "none";
  EXPECT_EQ(GetFontFaceForLanguage(20, 0, face), 1);
  EXPECT_EQ(face, "Arial");
  EXPECT_EQ(GetFontFaceForLanguage(15, 0, face), 1);
  EXPECT_EQ(face, "Bulgarian Ariel");
  EXPECT_EQ(GetFontFaceForLanguage(41, 0, face), 0);
  EXPECT_EQ(face, "Bulgarian Ariel");
}

struct LocaleLanguageCase {
  uint32_t localeId;
  int32_t language;
};

class LocaleLanguageTest : public testing::TestWithParam<LocaleLanguageCase> {};

TEST_P(LocaleLanguageTest, MapsToAMainLanguageOrUKEnglish) {
  EXPECT_EQ(LanguageFromLocaleId(GetParam().localeId), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleLanguageTest,
                         testing::Values(LocaleLanguageCase{0x0813, 3}, LocaleLanguageCase{0x0411, 1},
                                         LocaleLanguageCase{0x0809, 2}, LocaleLanguageCase{0x1809, 2},
                                         LocaleLanguageCase{0x1009, 1}, LocaleLanguageCase{0x0419, 16},
                                         LocaleLanguageCase{0x041F, 29}, LocaleLanguageCase{0x10407, 4},
                                         LocaleLanguageCase{0, 1}));

TEST_F(LanguagesTest, TheLocaleLanguageNeedsTextsOfItsOwn) {
  ScopedEnvironment all("LC_ALL", nullptr);
  ScopedEnvironment messages("LC_MESSAGES", nullptr);
  ScopedEnvironment lang("LANG", "de_AT.UTF-8");
  EXPECT_EQ(LanguageFromLocale(), 4);
  EXPECT_EQ(StartingLanguage(), 1);
  EXPECT_EQ(gpDebugConsole->Log().back(),
            "The locale 0x0C07 asks for German, which has no texts of its own; English is used.\n");
  gStringTable.Add(3003, "Wirklich beenden?");
  EXPECT_EQ(StartingLanguage(), 4);
  ScopedEnvironment british("LANG", "en_GB.UTF-8");
  EXPECT_EQ(StartingLanguage(), 1);
}

}  // namespace
