#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "game/world/CityArrays.h"
#include "game/world/CityChunks.h"
#include "game/world/CityFile.h"
#include "game/world/CityMiscWords.h"
#include "support/TempFolder.h"

namespace {

// Every array full of changing bytes; MISC words that overflow their widths; labels whole.
std::unique_ptr<CityArrays> BusyCity() {
  auto city = std::make_unique<CityArrays>();
  MakeBlankCity(*city, "Marrow Bay");
  uint8_t* bytes = reinterpret_cast<uint8_t*>(city.get());
  for (const CityChunk& chunk : CityChunks()) {
    if (chunk.tag == CityChunks()[0].tag) continue;
    for (size_t i = 0; i < chunk.size; ++i) bytes[chunk.offset + i] = static_cast<uint8_t>(i * 7 / 5 + i / 300);
  }
  for (int word = 1; word < kMiscWordCount; ++word) city->MiscInfo[word] = word * 0x10101 - 0x40000;
  city->MiscInfo[kMiscFormatWord] = kCityFormatNumber;
  for (auto& label : city->auxPtr6) {
    label[0] = label[0] % 24;
    label[1 + label[0]] = 0;
  }
  return city;
}

TEST(CityFileWrite, ReadingBackGivesEveryArray) {
  TempFolder folder;
  auto city = BusyCity();
  ASSERT_TRUE(CityFileWrite(folder.Game("busy.mv2"), *city));
  auto read = std::make_unique<CityArrays>();
  std::string reason;
  ASSERT_TRUE(CityFileRead(folder.Game("busy.mv2"), *read, &reason)) << reason;

  EXPECT_EQ(CityNameText(read->CityStr), "Marrow Bay");
  for (const CityChunk& chunk : CityChunks()) {
    if (chunk.tag == CityChunks()[1].tag) continue;
    EXPECT_EQ(std::memcmp(reinterpret_cast<uint8_t*>(read.get()) + chunk.offset,
                          reinterpret_cast<uint8_t*>(city.get()) + chunk.offset, chunk.size),
              0)
        << CityChunkName(chunk.tag);
  }
  for (int word = 0; word < kMiscWordCount; ++word) {
    int32_t expected = KeepMiscWidth(word, city->MiscInfo[word]);
    if (word == kMiscGraphWord) expected = city->GraphData[1][1];
    if (word == kMiscViewWord) expected = 0;
    EXPECT_EQ(read->MiscInfo[word], expected) << "word " << word;
  }
}

TEST(CityFileWrite, WritingWhatWasReadGivesTheSameBytes) {
  TempFolder folder;
  auto city = BusyCity();
  ASSERT_TRUE(CityFileWrite(folder.Game("first.mv2"), *city));
  auto read = std::make_unique<CityArrays>();
  ASSERT_TRUE(CityFileRead(folder.Game("first.mv2"), *read));
  ASSERT_TRUE(CityFileWrite(folder.Game("second.mv2"), *read));
  std::string first = folder.Read("first.mv2");
  EXPECT_EQ(first, folder.Read("second.mv2"));
  EXPECT_TRUE(CityFileProbe(folder.Game("first.mv2")));
  EXPECT_EQ(first.substr(0, 4), "FORM");
  EXPECT_EQ(first.substr(8, 8), "MVDHCNAM");
}

TEST(CityFileWrite, BlankCityReadsAsWritten) {
  TempFolder folder;
  auto blank = std::make_unique<CityArrays>();
  MakeBlankCity(*blank, "Nowhere");
  ASSERT_TRUE(CityFileWrite(folder.Game("blank.mv2"), *blank));
  auto read = std::make_unique<CityArrays>();
  ASSERT_TRUE(CityFileRead(folder.Game("blank.mv2"), *read));
  EXPECT_EQ(CityNameText(read->CityStr), "Nowhere");
  EXPECT_EQ(read->MiscInfo[0], 290);
  EXPECT_EQ(CityNameText(read->NeighborNames[3]), "Ocean");
}

TEST(CityFileWrite, FailedSaveKeepsTheOldFile) {
  TempFolder folder;
  auto blank = std::make_unique<CityArrays>();
  MakeBlankCity(*blank, "Nowhere");
  folder.MakeFolder("taken.mv2");
  EXPECT_FALSE(CityFileWrite(folder.Game("taken.mv2"), *blank));
  EXPECT_FALSE(CityFileWrite(folder.Game("missing\\folder\\x.mv2"), *blank));
}

}  // namespace
