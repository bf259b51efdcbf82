#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/DebugConsole.h"
#include "Drovane/DebugLog.h"
#include "Drovane/DirectDrawObject.h"
#include "Drovane/PaletteFile.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"
#include "support/TempFolder.h"

using platform::PaletteEntry;

namespace {

// A palette file of count entries, entry i being (i, 2i, 3i, 4), cut to size bytes when set.
std::vector<uint8_t> PaletteBytes(uint16_t count, uint16_t version = 0x0300, const char* form = "PAL ") {
  std::string bytes = std::string("RIFF") + std::string(4, '\0') + form + "data" + std::string(4, '\0');
  for (uint16_t word : {version, count}) {
    bytes += static_cast<char>(word & 0xFF);
    bytes += static_cast<char>(word >> 8);
  }
  for (int i = 0; i < 256; ++i) {
    bytes += {static_cast<char>(i), static_cast<char>(2 * i), static_cast<char>(3 * i), 4};
  }
  return {bytes.begin(), bytes.end()};
}

PaletteEntry Entry(int i) {
  return {static_cast<uint8_t>(i), static_cast<uint8_t>(2 * i), static_cast<uint8_t>(3 * i), 4};
}

}  // namespace

TEST(PaletteFileTest, ReadsTheEntriesOfItsCount) {
  PaletteEntries entries;
  ASSERT_TRUE(ParsePaletteFile(PaletteBytes(256).data(), kPaletteFileSize, entries));
  EXPECT_EQ(entries[255], Entry(255));
  ASSERT_TRUE(ParsePaletteFile(PaletteBytes(3).data(), kPaletteFileSize, entries));
  EXPECT_EQ(entries[2], Entry(2));
  EXPECT_EQ(entries[3], PaletteEntry{});
}

TEST(PaletteFileTest, EntriesMissingFromTheBytesAreBlack) {
  PaletteEntries entries;
  ASSERT_TRUE(ParsePaletteFile(PaletteBytes(256).data(), 24 + 4 * 10 + 3, entries));
  EXPECT_EQ(entries[9], Entry(9));
  EXPECT_EQ(entries[10], PaletteEntry{});
  EXPECT_EQ(entries[255], PaletteEntry{});
}

TEST(PaletteFileTest, RefusesWhatIsNotAPaletteFile) {
  const std::vector<uint8_t> cases[] = {PaletteBytes(256, 0x0300, "WAVE"), PaletteBytes(256, 0x0301),
                                        PaletteBytes(0), PaletteBytes(257)};
  PaletteEntries entries{};
  for (const auto& bytes : cases) EXPECT_FALSE(ParsePaletteFile(bytes.data(), bytes.size(), entries));
  EXPECT_FALSE(ParsePaletteFile(PaletteBytes(1).data(), 23, entries));
  EXPECT_EQ(entries[0], PaletteEntry{});
}

TEST(PaletteFileTest, TheDefaultIsTheThreeThreeTwoCube) {
  const PaletteEntries cube = DefaultPalette332();
  EXPECT_EQ(cube[0], (PaletteEntry{0, 0, 0, 0}));
  EXPECT_EQ(cube[255], (PaletteEntry{255, 255, 255, 0}));
  EXPECT_EQ(cube[0xE0], (PaletteEntry{255, 0, 0, 0}));
  EXPECT_EQ(cube[0x1C], (PaletteEntry{0, 255, 0, 0}));
  EXPECT_EQ(cube[0x03], (PaletteEntry{0, 0, 255, 0}));
  EXPECT_EQ(cube[0x49], (PaletteEntry{72, 72, 85, 0}));
}

TEST(PaletteFileTest, LoadsThroughTheDisplayOrFallsBackWithAMessage) {
  ASSERT_EQ(DDEnable(), 0u);
  CreateDebugConsole();
  TempFolder folder;
  const std::vector<uint8_t> bytes = PaletteBytes(256);
  const std::string good = folder.Game("good.pal");
  ASSERT_TRUE(platform::SaveWholeFile(good, bytes.data(), bytes.size()));
  const struct {
    std::string path;
    PaletteEntry at200;
  } cases[] = {{good, Entry(200)}, {folder.Game("missing.pal"), DefaultPalette332()[200]}};
  for (const auto& c : cases) {
    const size_t linesBefore = gpDebugConsole->Log().size();
    platform::DisplayPalette* palette = LoadPaletteFile(c.path.c_str());
    ASSERT_NE(palette, nullptr);
    PaletteEntry read;
    palette->GetEntries(200, 1, &read);
    EXPECT_EQ(read, c.at200);
    palette->Release();
    const bool fellBack = gpDebugConsole->Log().size() > linesBefore;
    EXPECT_EQ(fellBack, c.path != good);
    if (fellBack) {
      EXPECT_EQ(gpDebugConsole->Log().back(), "Can't open palette file, using default 332.");
    }
  }
  DestroyDebugConsole();
  DDDisable();
  EXPECT_EQ(LoadPaletteFile(good.c_str()), nullptr);
}

TEST(PaletteFileTest, DisablingWithoutADisplayObjectDoesNothing) {
  DDDisable();
  EXPECT_EQ(lpDD, nullptr);
  ASSERT_EQ(DDEnable(), 0u);
  platform::DisplayDevice* first = lpDD;
  EXPECT_EQ(DDEnable(), 0u);
  EXPECT_EQ(lpDD, first);
  DDDisable();
  EXPECT_EQ(lpDD, nullptr);
}
