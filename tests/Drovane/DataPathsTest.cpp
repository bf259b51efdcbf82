#include <gtest/gtest.h>

#include "Drovane/DataPaths.h"
#include "platform/FilePath.h"
#include "platform/WrittenFiles.h"
#include "support/TempFolder.h"

namespace {

class DataPathsTest : public testing::Test {
protected:
  void SetUp() override {
    folder.MakeFolder("A");
    folder.MakeFolder("B");
  }

  std::string Path(int32_t kind, const std::string& name, uint32_t language = 0) {
    paths.SetRoots(folder.Game("A"), folder.Game("B\\"));
    char out[platform::kMaxPath];
    EXPECT_EQ(paths.GetPath(kind, language, name.c_str(), out), 1);
    return out;
  }

  TempFolder folder;
  ScopedEnvironment noChoice{"HALVORINE_WRITE", nullptr};
  ScopedEnvironment xdg{"XDG_DATA_HOME", folder.System("xdg").c_str()};
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
  folder.MakeFolder("A/Sound/Radio");  // empty: still root B
  EXPECT_EQ(Path(kDataRadio, ""), folder.Game("B\\sound\\radio\\"));
  folder.Write("A/Sound/Radio/Rock/song.wav", "");
  EXPECT_EQ(Path(kDataRadio, ""), folder.Game("A\\sound\\radio\\"));
}

TEST_F(DataPathsTest, WrittenFilesGoToTheirOwnFolderEvenWhenRootAIsWritable) {
  for (int32_t kind : {int32_t{kDataSettings}, int32_t{kDataProgram}, 12, -1})
    EXPECT_EQ(Path(kind, "input.cfg"), folder.Game("xdg\\halvorine\\input.cfg")) << kind;
  // Data files are still read from the roots.
  EXPECT_EQ(Path(kDataBitmaps, "sky.bmp"), folder.Game("B\\bmp\\sky.bmp"));
}

TEST_F(DataPathsTest, PlayersFilesAreReadFromTheirFolderFirstThenFromRootA) {
  folder.Write("A/Input.CFG", "old");
  EXPECT_EQ(platform::ResolvePath(Path(kDataSettings, "input.cfg")), folder.System("A/Input.CFG"));
  folder.Write("xdg/halvorine/input.cfg", "new");
  EXPECT_EQ(Path(kDataSettings, "input.cfg"), folder.Game("xdg\\halvorine\\input.cfg"));
  // Saving always goes to the written-files folder.
  folder.Write("A/debug.txt", "old");
  std::string saved;
  EXPECT_EQ(paths.GetWritePathString("debug.txt", saved), 1);
  EXPECT_EQ(saved, folder.Game("xdg\\halvorine\\debug.txt"));
}

TEST_F(DataPathsTest, WithoutAWrittenFilesFolderItsFilesHaveNoPath) {
  ScopedEnvironment noXdg("XDG_DATA_HOME", nullptr);
  ScopedEnvironment noHome("HOME", nullptr);
  paths.SetRoots(folder.Game("A"), folder.Game("B"));
  std::string path = "junk";
  EXPECT_EQ(paths.GetPathString(kDataSettings, 0, "tarvid.cfg", path), 0);
  EXPECT_EQ(path, "");
  EXPECT_EQ(paths.GetWritePathString("tarvid.cfg", path), 0);
  EXPECT_EQ(paths.GetPathString(kDataBitmaps, 0, "sky.bmp", path), 1);
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
