#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "citymap/CellMapImage.h"
#include "citymap/CityMapImage.h"
#include "citymap/CityReport.h"
#include "game/world/CityFile.h"
#include "imagefiles/GamePalette.h"
#include "imagefiles/PngFile.h"
#include "support/ImageCheck.h"
#include "support/TempFolder.h"
#include "game/world/SampleCity.h"

namespace {

class CityMap : public testing::Test {
protected:
  void SetUp() override {
    auto sample = std::make_unique<CityArrays>();
    MakeSampleCity(*sample);
    ASSERT_TRUE(CityFileWrite(folder.Game("sample.mv2"), *sample));
    ASSERT_TRUE(CityFileRead(folder.Game("sample.mv2"), *city));
  }

  int RunTool(const std::string& arguments) {
    std::string command = std::string(HALVORINE_CITY_MAP) + " " + arguments + " > " + folder.System("out.txt") + " 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  TempFolder folder;
  std::unique_ptr<CityArrays> city = std::make_unique<CityArrays>();
};

TEST_F(CityMap, DrawsTheSampleCity) {
  std::vector<uint8_t> pixels = DrawCityMap(*city);
  const FrameView frame{pixels.data(), kCityMapPixels, kCityMapPixels, kCityMapPixels};
  EXPECT_TRUE(MatchesGoldenImage(frame, GamePalette(), "city_map_sample"));
}

TEST_F(CityMap, ToolPrintsTheCityAndDrawsWhatTheLibraryDraws) {
  ASSERT_EQ(RunTool(folder.System("sample.mv2") + " --png " + folder.System("map.png")), 0) << folder.Read("out.txt");
  std::string out = folder.Read("out.txt");
  EXPECT_NE(out.find("name     Sample City\n"), std::string::npos) << out;
  EXPECT_NE(out.find("view     0, 0\n"), std::string::npos) << out;
  EXPECT_NE(out.find("  fire station         9\n"), std::string::npos) << out;
  EXPECT_NE(out.find("    1  River Mile\n"), std::string::npos) << out;

  RgbImage image;
  std::string message;
  ASSERT_TRUE(ReadPng(folder.System("map.png"), image, message)) << message;
  ASSERT_EQ(image.width, kCityMapPixels);
  std::vector<uint8_t> pixels = DrawCityMap(*city);
  for (size_t i = 0; i < pixels.size(); ++i) {
    const platform::Rgb& colour = GamePalette()[pixels[i]];
    ASSERT_EQ(platform::Rgb({image.pixels[3 * i], image.pixels[3 * i + 1], image.pixels[3 * i + 2]}), colour)
        << "pixel " << i;
  }
}

TEST_F(CityMap, ToolDrawsTheCellsWithTheMadeUpLandContinuingTheCoast) {
  ASSERT_EQ(RunTool(folder.System("sample.mv2") + " --cells " + folder.System("cells.png")), 0) << folder.Read("out.txt");
  std::string out = folder.Read("out.txt");
  EXPECT_NE(out.find("size 16: 192\n"), std::string::npos) << out;
  EXPECT_NE(out.find("null entries: 0\n"), std::string::npos) << out;
  EXPECT_NE(out.find("start site: ("), std::string::npos) << out;

  RgbImage image;
  std::string message;
  ASSERT_TRUE(ReadPng(folder.System("cells.png"), image, message)) << message;
  ASSERT_EQ(image.width, kCellMapPixels);
  ASSERT_EQ(image.height, kCellMapPixels);
  auto pixel = [&](int x, int y) {
    // The cell's south-east pixel, clear of any record's outline.
    size_t i = 3 * (static_cast<size_t>(2 * y + 1) * kCellMapPixels + 2 * x + 1);
    return platform::Rgb({image.pixels[i], image.pixels[i + 1], image.pixels[i + 2]});
  };
  // East of the city the sea goes on as the city's east edge left it; the land beyond the
  // wrap continues the west edge.
  for (int y : {5, 60, 126}) {
    EXPECT_EQ(pixel(150, y), pixel(127, y)) << y;
    EXPECT_EQ(pixel(130, y), pixel(127, y)) << y;
  }
  EXPECT_NE(pixel(150, 60), pixel(30, 60));
}

TEST_F(CityMap, ToolNamesTheChunkAndTheFaultOfADamagedFile) {
  std::string bytes = folder.Read("sample.mv2");
  size_t xbld = bytes.find("XBLD");
  bytes[xbld + 8] = '\xFF';  // the first run now repeats past the 16384 bytes
  bytes[xbld + 9] = '\x00';
  folder.Write("damaged.mv2", bytes);
  EXPECT_EQ(RunTool(folder.System("damaged.mv2") + " --png " + folder.System("no.png")), 1);
  EXPECT_NE(folder.Read("out.txt").find("damaged.mv2: XBLD: "), std::string::npos) << folder.Read("out.txt");
  EXPECT_FALSE(folder.Exists("no.png"));
}

}  // namespace
