#include <gtest/gtest.h>

#include "Drovane/DataPaths.h"
#include "platform/FilePath.h"
#include "platform/WrittenFiles.h"
#include "support/TempFolder.h"

namespace {

class DataPathsTest : public testing::Test {
protected:
  void SetUp() override {
    platform::SetWritableCheck([this](const std::string&) { return rootAWritable; });
    folder.MakeFolder("A");
    folder.MakeFolder("B");
  }
  void TearDown() override { platform::SetWritableCheck(nullptr); }

  std::string Path(int32_t kind, const std::string& name, uint32_t language = 0) {
    paths.SetRoots(folder.Game("A"), folder.Game("B\\"));
    char out[platform::kMaxPath];
    EXPECT_EQ(paths.GetPath(kind, language, name.c_str(), out), 1);
    return out;
  }

  TempFolder folder;
  ScopedEnvironment xdg{"XDG_DATA_HOME", folder.System("xdg").c_str()};
  bool rootAWritable = true;
  DataPaths paths;
};

TEST_F(DataPathsTest, RootBCompletesWhatRootALacksWhateverTheCase) {
  folder.Write("B/BMP/Sky.BMP", "b");
  EXPECT_EQ(Path(kDataBitmaps, "sky.bmp"), folder.Game("B\\bmp\\sky.bmp"));
  folder.Write("A/Bmp/SKY.bmp", "a");
  EXPECT_EQ(Path(kDataBitmaps, "sky.bmp"), folder.Game("A\\bmp\\sky.bmp"));
  // The path is opened through the same case-blind resolution.
  EXPECT_EQ(platform::ResolvePath(Path(kDataBitmaps, "sky.bmp")), folder.System("A/Bmp/SKY.bmp"));
}

TEST_F(DataPathsTest, EveryKindLooksInItsOwnFolder) {
  const std::pair<int32_t, const char*> kinds[] = {
      {kDataVideo, "smk\\"},     {kDataSound, "sound\\"},  {kDataCities, "cities\\"},
      {kDataCareerCities, "cities\\career\\"}, {kDataBitmaps, "bmp\\"}, {kDataGeometry, "geo\\"},
      {kDataFonts, "fonts\\"},   {kDataPeople, "X\\"},     {kDataTuning, "tweak\\"}};
  for (const auto& [kind, subfolder] : kinds) {
    // Missing under both roots: the root-B path, and still a success.
    EXPECT_EQ(Path(kind, "f.dat"), folder.Game("B\\") + subfolder + "f.dat") << kind;
  }
}

TEST_F(DataPathsTest, LanguageTakesNoPart) {
  folder.Write("A/tweak/pel3d.twk", "");
  EXPECT_EQ(Path(kDataTuning, "pel3d.twk", 5), Path(kDataTuning, "pel3d.twk", 0));
}

TEST_F(DataPathsTest, RadioIsAFolderOfRootAWhenItHasEntries) {
  EXPECT_EQ(Path(kDataRadio, "ignored"), folder.Game("B\\sound\\radio\\"));
  folder.MakeFolder("A/Sound/Radio");
  folder.Write("A/Sound/Radio/Rock/song.wav", "");
  EXPECT_EQ(Path(kDataRadio, ""), folder.Game("A\\sound\\radio\\"));
}

TEST_F(DataPathsTest, WrittenFilesStayInAWritableProgramFolder) {
  for (int32_t kind : {int32_t{kDataSettings}, int32_t{kDataProgram}, 12, -1})
    EXPECT_EQ(Path(kind, "input.cfg"), folder.Game("A\\input.cfg")) << kind;
}

TEST_F(DataPathsTest, WrittenFilesMoveToTheUserFolderWhenRootAIsReadOnly) {
  rootAWritable = false;
  EXPECT_EQ(Path(kDataSettings, "tarvid.cfg"), folder.Game("xdg\\halvorine\\tarvid.cfg"));
  // Data files are still read from the roots.
  EXPECT_EQ(Path(kDataBitmaps, "sky.bmp"), folder.Game("B\\bmp\\sky.bmp"));
}

TEST_F(DataPathsTest, PathThatDoesNotFitIsEmpty) {
  paths.SetRoots(folder.Game("A"), folder.Game("B"));
  char out[platform::kMaxPath] = "junk";
  std::string name(platform::kMaxPath, 'n');
  EXPECT_EQ(paths.GetPath(kDataBitmaps, 0, name.c_str(), out), 0);
  EXPECT_STREQ(out, "");
  std::string fits(platform::kMaxPath - 1 - folder.Game("B\\bmp\\").size(), 'n');
  EXPECT_EQ(paths.GetPath(kDataBitmaps, 0, fits.c_str(), out), 1);
  EXPECT_EQ(std::string(out).size(), platform::kMaxPath - 1);
}

}  // namespace
