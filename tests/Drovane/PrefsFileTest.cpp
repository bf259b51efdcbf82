#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "Drovane/PrefsFile.h"
#include "Drovane/RecordFile.h"
#include "support/PrefsFileBytes.h"
#include "support/TempFolder.h"

namespace {

using namespace prefsbytes;
using LoadResult = PrefsFile::LoadResult;

class CountingListener : public PrefsListener {
public:
  void Notify(uint32_t id, PrefsFile* prefs) override {
    lastId = id;
    lastSize = prefs->GetSize(id);
    ++calls;
  }
  uint32_t lastId = 0;
  uint32_t lastSize = 0;
  int calls = 0;
};

class PrefsFileTest : public testing::Test {
protected:
  std::string Path() const { return folder.Game("tarvid.cfg"); }
  TempFolder folder;
};

TEST_F(PrefsFileTest, SavedFileIsByteExact) {
  PrefsFile prefs;
  const int32_t volumes[4] = {10000, 5000, 0, 1};
  prefs.SetData(0x4ffffff, volumes, sizeof volumes);
  prefs.SetData(0x6eeeeee, "C:\\", 4);
  ASSERT_TRUE(prefs.Save(Path()));
  std::string expected = "VIFF" + Le(2) + "TRVD" + "PREF" + Le(0x10000) + Le(28 + 49 + 24 + 12) + Le(1) +
                         kWarningChunk + Le(0x4ffffff) + Le(24) + Le(10000) + Le(5000) + Le(0) + Le(1) +
                         Le(0x6eeeeee) + Le(12) + std::string("C:\\", 4);
  EXPECT_EQ(folder.Read("tarvid.cfg"), expected);
}

TEST_F(PrefsFileTest, RecordsRoundTrip) {
  PrefsFile saved;
  saved.SetData(0x5245494F, "radio state 28 bytes long...", 28);
  saved.SetData(0x5EEEEEE, "", 0);
  saved.SetData(0x5245494F, "replaced", 8);
  ASSERT_TRUE(saved.Save(Path()));

  PrefsFile loaded;
  ASSERT_EQ(loaded.Load(Path()), LoadResult::kRead);
  ASSERT_EQ(loaded.Records().size(), 2u);
  EXPECT_EQ(loaded.GetSize(0x5245494F), 8u);
  EXPECT_EQ(std::memcmp(loaded.GetData(0x5245494F), "replaced", 8), 0);
  EXPECT_EQ(loaded.GetSize(0x5EEEEEE), 0u);
  EXPECT_EQ(loaded.GetData(0x1234), nullptr);
  EXPECT_EQ(loaded.GetSize(0x1234), 0u);
}

TEST_F(PrefsFileTest, ListenersHearTheirIdOnly) {
  PrefsFile prefs;
  CountingListener volume, radio;
  EXPECT_EQ(prefs.AddListener(0x4ffffff, &volume), 1);
  prefs.AddListener(0x5245494F, &radio);
  prefs.SetData(0x4ffffff, "0123456789abcdef", 16);
  EXPECT_EQ(volume.calls, 1);
  EXPECT_EQ(volume.lastId, 0x4ffffffu);
  EXPECT_EQ(volume.lastSize, 16u);  // the record is stored before the listener hears of it
  EXPECT_EQ(radio.calls, 0);
}

struct DamagedCase {
  const char* what;
  std::string bytes;
};

class PrefsDamageTest : public testing::TestWithParam<DamagedCase> {};

TEST_P(PrefsDamageTest, DamagedFileGivesAnEmptyStore) {
  TempFolder folder;
  folder.Write("tarvid.cfg", GetParam().bytes);
  PrefsFile prefs;
  prefs.SetData(1, "stale", 5);
  EXPECT_EQ(prefs.Load(folder.Game("tarvid.cfg")), LoadResult::kDamaged);
  EXPECT_TRUE(prefs.Records().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, PrefsDamageTest,
    testing::Values(DamagedCase{"empty", ""}, DamagedCase{"cut header", "VIFF" + Le(2)},
                    DamagedCase{"wrong creator", Header("TUCS", "PREF", 0x10000, 28)},
                    DamagedCase{"wrong type", Header("TRVD", "TUCS", 0x10000, 28)},
                    DamagedCase{"wrong version", Header("TRVD", "PREF", 1, 28)},
                    DamagedCase{"incomplete", Header("TRVD", "PREF", 0x10000, 28) + kWarningChunk},
                    DamagedCase{"bad chunk", Header("TRVD", "PREF", 0x10000, 28 + 49 + 8) + kWarningChunk +
                                                 Le(7) + Le(3)},
                    DamagedCase{"record over 64 KB", WithRecord(7, std::string(64 * 1024 + 1, 'r'))},
                    DamagedCase{"file over 1 MB", WithRecord(7, "x") + std::string(1024 * 1024, 'p')}));

TEST_F(PrefsFileTest, LargestRecordStillReads) {
  folder.Write("tarvid.cfg", WithRecord(7, std::string(64 * 1024, 'r')));
  PrefsFile prefs;
  EXPECT_EQ(prefs.Load(Path()), LoadResult::kRead);
  EXPECT_EQ(prefs.GetSize(7), 64u * 1024);
}

TEST_F(PrefsFileTest, AnythingButARegularFileIsDamaged) {
  folder.MakeFolder("tarvid.cfg");
  PrefsFile prefs;
  EXPECT_EQ(prefs.Load(Path()), LoadResult::kDamaged);
  std::filesystem::remove(folder.System("tarvid.cfg"));
  ASSERT_EQ(mkfifo(folder.System("tarvid.cfg").c_str(), 0600), 0);
  EXPECT_EQ(prefs.Load(Path()), LoadResult::kDamaged);  // and does not wait for a writer
}

TEST_F(PrefsFileTest, MissingFileGivesAnEmptyStore) {
  PrefsFile prefs;
  EXPECT_EQ(prefs.Load(Path()), LoadResult::kMissing);
  EXPECT_TRUE(prefs.Records().empty());
}

TEST_F(PrefsFileTest, FileWithoutWarningKeepsItsFirstRecord) {
  folder.Write("tarvid.cfg", Header("TRVD", "PREF", 0x10000, 28 + 9) + Le(42) + Le(9) + "x");
  PrefsFile prefs;
  ASSERT_EQ(prefs.Load(Path()), LoadResult::kRead);
  EXPECT_EQ(prefs.GetSize(42), 1u);
}

TEST_F(PrefsFileTest, AccessorHoldsTheApplicationsInstance) {
  EXPECT_EQ(GetPrefsFile(), nullptr);
  PrefsFile prefs;
  SetPrefsFile(&prefs);
  EXPECT_EQ(GetPrefsFile(), &prefs);
  SetPrefsFile(nullptr);
}

}  // namespace
