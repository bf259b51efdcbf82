#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <list>

#include "Drovane/HotSpotList.h"
#include "Drovane/ProgramResourceTable.h"
#include "hotspots/HotSpotText.h"
#include "support/TempFolder.h"

namespace {

HotSpot Area(uint32_t id, uint32_t type, std::vector<platform::Point> points) {
  return HotSpot(id, type, points.size(), points.data());
}

const char kOneOfEach[] =
    "# the hangar's door, its sign and the helicopter\n"
    "\n"
    "3 rect 10 20 30 40\n"
    "  4\tcircle 50 50 53 54   # the sign\r\n"
    "4294967295 poly -2147483648 0 10 -5 4 2147483647\n";

const std::vector<HotSpot> kExpected{
    Area(3, HotSpot::kRectangle, {{10, 20}, {30, 40}}),
    Area(4, HotSpot::kCircle, {{50, 50}, {53, 54}}),
    Area(4294967295u, HotSpot::kPolygon, {{INT32_MIN, 0}, {10, -5}, {4, INT32_MAX}}),
};

TEST(HotSpotTextTest, ReadsOneRegionALine) {
  std::vector<HotSpot> regions;
  std::string error;
  ASSERT_TRUE(ParseHotSpotText(kOneOfEach, "hangar.hspt", regions, error)) << error;
  EXPECT_EQ(regions, kExpected);
}

TEST(HotSpotTextTest, RefusesABadLineWithItsNumber) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"1 rect 0 0 1\n", "a.hspt:1: coordinates come in pairs"},
      {"1 rect 0 0 1 1\n2 rect 0 0 1 1 2 2\n", "a.hspt:2: rect needs exactly four numbers"},
      {"\n\n1 circle 0 0\n", "a.hspt:3: circle needs exactly four numbers"},
      {"1 poly 0 0 1 1\n", "a.hspt:1: poly needs three points or more"},
      {"1 square 0 0 1 1\n", "a.hspt:1: unknown kind \"square\" (rect, circle or poly)"},
      {"1\n", "a.hspt:1: no kind after the id"},
      {"-1 rect 0 0 1 1\n", "a.hspt:1: \"-1\" is not an id"},
      {"4294967296 rect 0 0 1 1\n", "a.hspt:1: \"4294967296\" is not an id"},
      {"1 rect 0 0 2147483648 1\n", "a.hspt:1: \"2147483648\" is not a 32-bit coordinate"},
      {"1 rect 0 0 1x 1\n", "a.hspt:1: \"1x\" is not a 32-bit coordinate"},
  };
  for (const auto& c : cases) {
    std::vector<HotSpot> regions;
    std::string error;
    EXPECT_FALSE(ParseHotSpotText(c.text, "a.hspt", regions, error)) << c.text;
    EXPECT_EQ(error, c.error);
  }
}

// make-resources turns a ".hspt" file into an "HSPT" resource the game loads back; a bad
// line fails the run with its file and line number.
class MakeResourcesTest : public testing::Test {
protected:
  void TearDown() override { SetResourceFile(""); }

  int Run(const std::string& text, const std::string& log) {
    std::ofstream(folder.System("106-hangar.hspt")) << text;
    std::ofstream(folder.System("7-raw.txt")) << "3 rect 1 2 3 4\n";
    std::string command = std::string(HALVORINE_MAKE_RESOURCES) + " " + folder.System("out.res") + " 106=" +
                          folder.System("106-hangar.hspt") + " 7=" + folder.System("7-raw.txt") + " 2>" +
                          folder.System(log);
    return std::system(command.c_str());
  }

  TempFolder folder;
};

TEST_F(MakeResourcesTest, RegionsReachTheResourceFileAndLoadBack) {
  ASSERT_EQ(Run(kOneOfEach, "log"), 0);
  SetResourceFile(folder.Game("out.res"));
  std::list<HotSpot> loaded;
  ASSERT_EQ(LoadHotSpots(loaded, 106), 1);
  EXPECT_EQ(loaded, std::list<HotSpot>(kExpected.begin(), kExpected.end()));
  const std::vector<uint8_t>* raw = FindProgramResource(7);
  ASSERT_NE(raw, nullptr);
  EXPECT_EQ(std::string(raw->begin(), raw->end()), "3 rect 1 2 3 4\n") << "other files stay raw";
}

TEST_F(MakeResourcesTest, ABadLineFailsTheRun) {
  EXPECT_NE(Run("3 rect 10 20 30 40\n4 poly 1 2\n", "log"), 0);
  std::ifstream log(folder.System("log"));
  std::string line;
  std::getline(log, line);
  EXPECT_NE(line.find("106-hangar.hspt:2: poly needs three points or more"), std::string::npos) << line;
  EXPECT_FALSE(std::ifstream(folder.System("out.res")).good());
}

}  // namespace
