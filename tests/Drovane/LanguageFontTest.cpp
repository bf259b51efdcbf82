#include <gtest/gtest.h>

#include <string>

#include "Drovane/LanguageFont.h"
#include "Drovane/Languages.h"
#include "Drovane/StringTableFixture.h"
#include "platform/FontRegistry.h"

namespace {

class LanguageFontTest : public testing::Test {
protected:
  ScopedStringTable table{SmallLanguageTable()};
};

// The text service's faces include "Bulgarian Ariel": the Cyrillic languages find their
// face and add no font file.
TEST_F(LanguageFontTest, InstallsForLatinCyrillicAndOtherLanguages) {
  const auto families = platform::FontFamilyNames();
  struct Case {
    int32_t language;
    int installed;
  };
  for (const Case& c : {Case{1, 1}, Case{3, 1}, Case{14, 1}, Case{16, 1}, Case{12, 0}, Case{39, 0}, Case{44, 0}}) {
    EXPECT_EQ(InstallLanguageFont(c.language), c.installed) << c.language;
  }
  EXPECT_EQ(platform::FontFamilyNames(), families);
  EXPECT_EQ(RemoveLanguageFont(1), 1);
  EXPECT_EQ(RemoveLanguageFont(12), 0);
  EXPECT_EQ(RemoveLanguageFont(16), 0);  // no font file was added, so none is dropped
  EXPECT_EQ(RemoveCurrentLanguageFont(), 1);
}

TEST_F(LanguageFontTest, FaceTestIsExact) {
  EXPECT_TRUE(FontFaceExists("Bulgarian Ariel"));
  EXPECT_FALSE(FontFaceExists("bulgarian ariel"));
  EXPECT_FALSE(FontFaceExists("No Such Face"));
}

TEST_F(LanguageFontTest, OnlyRussianNamesTheFontFile) {
  std::string path;
  ASSERT_EQ(GetLanguageFontFile(16, 0, path), 1);
  const std::string tail = "fonts\\Bariel.ttf";
  ASSERT_GE(path.size(), tail.size());
  EXPECT_EQ(path.substr(path.size() - tail.size()), tail);
  for (int32_t language : {0, 1, 14, 15}) {
    std::string none = "kept";
    EXPECT_EQ(GetLanguageFontFile(language, 0, none), 0) << language;
    EXPECT_EQ(none, "kept");
  }
}

TEST_F(LanguageFontTest, SwitchingLanguagesKeepsTheFontsAsTheyWere) {
  const auto families = platform::FontFamilyNames();
  EXPECT_EQ(SetCurrentLanguage(16), 1);
  EXPECT_EQ(SetCurrentLanguage(12), 1);
  EXPECT_EQ(SetCurrentLanguage(3), 1);
  EXPECT_EQ(platform::FontFamilyNames(), families);
}

}  // namespace
