// Checks the string table of the data set the build generated.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/LanguageStrings.h"
#include "Drovane/RecordFile.h"
#include "Drovane/StringTable.h"
#include "platform/Process.h"

namespace {

std::string TablePath() { return platform::ToGamePath(HALVORINE_DATA_SET "/strings.tbl"); }

class GeneratedStringTableTest : public testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(gStringTable.Load(TablePath())); }
  void TearDown() override { gStringTable.Clear(); }
};

TEST_F(GeneratedStringTableTest, LoadsWhole) {
  RecordFile file(TablePath().c_str());
  ASSERT_EQ(file.OpenForRead(), 1);
  EXPECT_EQ(file.CountChunks(), gStringTable.Count());
  EXPECT_EQ(file.IsComplete(), 1);
  EXPECT_FALSE(file.HasError());
  std::string text;
  ASSERT_TRUE(gStringTable.Find(3, text));
  EXPECT_EQ(text, "Are you sure you want to quit?");
  ASSERT_TRUE(gStringTable.Find(433, text));
  EXPECT_EQ(text, "Current\nFunds");
  ASSERT_TRUE(gStringTable.Find(6, text));
  EXPECT_EQ(text.substr(0, 15), "Instructions:\r\n");
}

void AddRange(std::vector<uint32_t>& ids, uint32_t first, uint32_t last) {
  for (uint32_t id = first; id <= last; ++id) ids.push_back(id);
}

// Every id the game quotes, and the ones it uses without a text.
std::vector<uint32_t> QuotedIds() {
  std::vector<uint32_t> ids = {3, 4, 5, 6, 8, 9, 30, 31, 32, 35, 37, 130, 137, 138, 140, 141, 142, 666};
  AddRange(ids, 0, 2);
  AddRange(ids, 20, 25);
  AddRange(ids, 40, 50);
  AddRange(ids, 55, 67);
  AddRange(ids, 71, 73);
  AddRange(ids, 75, 82);
  AddRange(ids, 90, 96);
  AddRange(ids, 100, 128);
  AddRange(ids, 152, 208);
  AddRange(ids, 220, 221);
  AddRange(ids, 223, 229);
  AddRange(ids, 240, 270);
  AddRange(ids, 290, 304);
  AddRange(ids, 331, 340);
  AddRange(ids, 350, 379);
  AddRange(ids, 400, 408);
  AddRange(ids, 410, 414);
  AddRange(ids, 420, 422);
  AddRange(ids, 430, 438);
  AddRange(ids, 442, 444);
  AddRange(ids, 460, 467);
  AddRange(ids, 470, 477);
  AddRange(ids, 480, 487);
  AddRange(ids, 490, 494);
  AddRange(ids, 500, 506);
  AddRange(ids, 510, 521);
  AddRange(ids, 530, 532);
  AddRange(ids, 550, 551);
  AddRange(ids, 580, 587);
  AddRange(ids, 650, 665);
  return ids;
}

// The key names: every key the platform's input reports or the keyboard picture shows.
std::vector<uint32_t> KeyNameIds() {
  std::vector<uint32_t> keys = {8, 9, 12, 13, 16, 17, 18, 19, 20, 27, 32, 44, 45, 46, 91, 92, 93, 106, 107,
                                109, 110, 111, 144, 145, 186, 187, 188, 189, 190, 191, 192, 219, 220, 221, 222};
  AddRange(keys, 33, 40);
  AddRange(keys, 48, 57);
  AddRange(keys, 65, 90);
  AddRange(keys, 96, 105);
  AddRange(keys, 112, 123);
  for (uint32_t& key : keys) key += 700;
  return keys;
}

TEST_F(GeneratedStringTableTest, EveryUsedIdHasAText) {
  std::vector<uint32_t> ids = QuotedIds();
  std::vector<uint32_t> keys = KeyNameIds();
  ids.insert(ids.end(), keys.begin(), keys.end());
  for (uint32_t id : ids) {
    std::string text;
    EXPECT_GT(LoadLanguageString(text, id), 0) << id;
    EXPECT_EQ(text.find("(!)"), std::string::npos) << id;
  }
  std::string text;
  LoadLanguageString(text, 708);
  EXPECT_EQ(text, "Back");
  LoadLanguageString(text, 712);
  EXPECT_EQ(text, "Clear");
  LoadLanguageString(text, 765);
  EXPECT_EQ(text, "A");
}

struct LanguageEntry {
  const char* name;
  const char* folder;  // null: the block has no folder
};

constexpr LanguageEntry kLanguages[44] = {
    {"English", "english"}, {"UKEnglish", "english-uk"}, {"French", "french"}, {"German", "german"},
    {"Italian", "italian"}, {"Spanish", "spanish"}, {"Dutch", "dutch"}, {"Danish", "danish"},
    {"Polish", "polish"}, {"Portuguese", "portuguese"}, {"Swedish", "swedish"}, {"Hebrew", nullptr},
    {"Arabic", nullptr}, {"Bulgarian", "russian"}, {"Cyrillic", "russian"}, {"Russian", "russian"},
    {"Catalan", nullptr}, {"Czech", "czech"}, {"Greek", "greek"}, {"Norwegian", "norwegian"},
    {"Finnish", "finnish"}, {"Hungarian", "hungarian"}, {"Icelandic", "icelandic"}, {"Romanian", nullptr},
    {"Latin", nullptr}, {"Slovak", "slovak"}, {"Albanian", nullptr}, {"Thai", nullptr},
    {"Turkish", "turkish"}, {"Urdu", nullptr}, {"Bahasa", nullptr}, {"SwissFrench", "french-swiss"},
    {"CanadianFrench", "french-canadian"}, {"BelgianFrench", "french-belgian"}, {"SwissGerman", "german-swiss"},
    {"SwissItalian", "italian-swiss"}, {"BelgianDutch", "dutch-belgian"}, {"MexicanSpanish", "spanish-mexican"},
    {"BrazilianPortuguese", "portuguese-brazilian"}, {"RhaetoRomanic", nullptr}, {"Korean", "korean"},
    {"Chinese", "chinese"}, {"SimplifiedChinese", "chinese-simplified"}, {"Japanese", "japanese"},
};

TEST_F(GeneratedStringTableTest, EveryBlockHasItsLanguagesNameAndFolder) {
  for (uint32_t language = 1; language <= 44; ++language) {
    uint32_t block = (language - 1) * 1000;
    const LanguageEntry& entry = kLanguages[language - 1];
    std::string text;
    EXPECT_TRUE(gStringTable.Find(block, text) && text == entry.name) << language;
    EXPECT_EQ(gStringTable.Has(block + 2), entry.folder != nullptr) << language;
    if (entry.folder) {
      EXPECT_TRUE(gStringTable.Find(block + 2, text) && text == entry.folder) << language;
    }
    EXPECT_EQ(gStringTable.Has(block + 1), language == 1) << language;
    if (language > 1) {
      EXPECT_FALSE(gStringTable.Has(block + 3)) << language;
    }
  }
}

}  // namespace
