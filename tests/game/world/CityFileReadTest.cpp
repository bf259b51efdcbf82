#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/world/CityArrays.h"
#include "game/world/CityFile.h"
#include "support/TempFolder.h"
#include "game/world/CityFileBytes.h"

using namespace city_bytes;

namespace {

struct DamagedCase {
  const char* name;
  std::string bytes;
  const char* readReason;  // empty: the read succeeds
  bool probes;
};

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes += static_cast<char>(value);
  return bytes;
}

const std::string kAltm = Chunk("ALTM", std::string(32768, '\0'));

std::vector<DamagedCase> Cases() {
  return {
      {"misc only", Form(Misc()), "", true},
      {"unknown chunk skipped", Form(Chunk("XYZW", "abc") + Misc()), "", true},
      {"empty literal runs", Form(Misc() + Chunk("XBLD", Bytes({0, 0, 0}))), "", true},
      {"no misc", Form(kAltm), "MISC: missing", true},
      {"wrong format", Form(Misc(291)), "MISC: format number 291 is not 290", true},
      {"literal run past the chunk", Form(Misc() + Chunk("XBLD", Bytes({5, 1, 2}))),
       "XBLD: a run reads past the chunk's 3 bytes", true},
      {"repeat run without its byte", Form(Misc() + Chunk("XBLD", Bytes({0x85}))),
       "XBLD: a run reads past the chunk's 1 bytes", true},
      {"repeat runs past the array", Form(Misc() + Chunk("XTHG", Bytes({0xFF, 1, 0xFF, 1, 0xFF, 1, 0xFF, 1}))),
       "XTHG: byte runs overrun 480 bytes", true},
      {"runs left over when the array is full",
       Form(Misc() + Chunk("XTHG", Bytes({0xFF, 1, 0xFF, 1, 0xFF, 1, 0xDF, 1, 1, 9}))),
       "XTHG: byte runs overrun 480 bytes", true},
      {"literal run past the array", Form(Misc() + Chunk("XPLC", Coded(std::string(1020, 'a')) + Bytes({5, 1, 2, 3, 4, 5}))),
       "XPLC: byte runs overrun 1024 bytes", true},
      {"misc past its 4800 bytes", Form(Chunk("MISC", Coded(BE32(290) + std::string(4797, '\0')))),
       "MISC: byte runs overrun 4800 bytes", true},
      {"header cut short", "FORM" + BE32(4), "header: cut short", false},
      {"not a FORM", "FORX" + BE32(4) + "MVDH", "header: no FORM tag", false},
      {"not MVDH", "FORM" + BE32(4) + "MVDX", "header: no MVDH tag", false},
      {"network city file", "MVX " + BE32(4) + "MVDH", "network city files are not supported", false},
      {"FORM length too large", FormWithLength(100, Misc()),
       "FORM: length 100 runs past the end of the file", false},
      {"FORM length too small", FormWithLength(12, Misc()), "MISC: length", false},
      {"FORM length leaves no MVDH", FormWithLength(2, Misc()), "FORM: length 2 leaves no room for MVDH", false},
      {"chunk length past the end", FormWithLength(4 + 8 + 4, ChunkHeader("XBLD", 1000) + "abcd"),
       "XBLD: length 1000 runs past the end of the FORM", false},
      {"chunk length near 2^32", FormWithLength(4 + 8 + 4, ChunkHeader("XBLD", 0xFFFFFFF8u) + "abcd"),
       "XBLD: length 4294967288 runs past the end of the FORM", false},
      {"chunk header cut short", FormWithLength(8, "MISC"), "chunk header at byte 12 cut short", false},
  };
}

class CityFileReading : public testing::Test {
protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    folder.Write(name, bytes);
    return folder.Game(name);
  }

  TempFolder folder;
  std::unique_ptr<CityArrays> city = std::make_unique<CityArrays>();
};

TEST_F(CityFileReading, ReadsOrRefusesEachHandMadeFile) {
  for (const DamagedCase& c : Cases()) {
    std::string path = Write("case.mv2", c.bytes);
    std::string reason;
    bool read = CityFileRead(path, *city, &reason);
    EXPECT_EQ(read, std::string(c.readReason).empty()) << c.name << ": " << reason;
    EXPECT_EQ(reason.rfind(c.readReason, 0), 0u) << c.name << ": " << reason;
    std::string probeReason;
    EXPECT_EQ(CityFileProbe(path, &probeReason), c.probes) << c.name << ": " << probeReason;
  }
}

TEST_F(CityFileReading, MissingFileFailsWithTheSystemReason) {
  std::string reason;
  EXPECT_FALSE(CityFileRead(folder.Game("none.mv2"), *city, &reason));
  EXPECT_EQ(reason.rfind("cannot open: ", 0), 0u) << reason;
  EXPECT_FALSE(CityFileProbe(folder.Game("none.mv2")));
}

TEST_F(CityFileReading, NameComesFromCnamOrTheFileName) {
  struct NameCase {
    const char* name;
    std::string cnam;
    std::string expected;
  };
  const NameCase cases[] = {
      {"as written", Chunk("CNAM", Bytes({4}) + "Vale" + std::string(27, '\0')), "Vale"},
      {"no CNAM", "", "Harbour Town"},
      {"empty CNAM", Chunk("CNAM", ""), "Harbour Town"},
      {"length byte 0", Chunk("CNAM", std::string(32, '\0')), "Harbour Town"},
      {"length byte above 31", Chunk("CNAM", Bytes({200}) + std::string(40, 'n')), std::string(31, 'n')},
      {"short CNAM", Chunk("CNAM", Bytes({20}) + "Ford"), "Ford"},
  };
  for (const NameCase& c : cases) {
    std::string path = Write("Harbour Town.mv2", Form(c.cnam + Misc() + Chunk("XTHG", Bytes({0x81, 7}))));
    std::string reason;
    ASSERT_TRUE(CityFileRead(path, *city, &reason)) << c.name << ": " << reason;
    EXPECT_EQ(CityNameText(city->CityStr), c.expected) << c.name;
    EXPECT_EQ(city->auxPtr8[1], 7) << c.name << ": the chunk after the name is read";
  }
}

TEST_F(CityFileReading, LongFileNameIsCutTo31Characters) {
  std::string path = Write(std::string(40, 'c') + ".mv2", Form(Misc()));
  ASSERT_TRUE(CityFileRead(path, *city));
  EXPECT_EQ(CityNameText(city->CityStr), std::string(31, 'c'));
}

TEST_F(CityFileReading, AltmFillsItsArrayWhateverItsLength) {
  std::string longer = std::string(32768, '\x01') + "\x02\x02";
  ASSERT_TRUE(CityFileRead(Write("long.mv2", Form(Chunk("ALTM", longer) + Misc())), *city));
  EXPECT_EQ(city->AltMap[127][127], 0x0101);

  ASSERT_TRUE(CityFileRead(Write("short.mv2", Form(Chunk("ALTM", Bytes({0x12, 0x34, 0x56})) + Misc())), *city));
  EXPECT_EQ(city->AltMap[0][0], 0x1234);
  EXPECT_EQ(city->AltMap[0][1], 0x5600);
  EXPECT_EQ(city->AltMap[0][2], 0);
}

TEST_F(CityFileReading, RunCodesFillTheirBytes) {
  // 0x00 empty, 0x01 one literal, 0x7F 127 literals, 0x80 one repeat, 0xFF 128 repeats.
  std::string runs = Bytes({0x00, 0x01, 9}) + Bytes({0x7F}) + std::string(127, '\x05') + Bytes({0x80, 6, 0xFF, 8});
  ASSERT_TRUE(CityFileRead(Write("runs.mv2", Form(Misc() + Chunk("XTHG", runs))), *city));
  EXPECT_EQ(city->auxPtr8[0], 9);
  EXPECT_EQ(city->auxPtr8[127], 5);
  EXPECT_EQ(city->auxPtr8[128], 6);
  EXPECT_EQ(city->auxPtr8[129], 8);
  EXPECT_EQ(city->auxPtr8[256], 8);
  EXPECT_EQ(city->auxPtr8[257], 0);
}

TEST_F(CityFileReading, LabelsAreEndedOrCleared) {
  std::string labels = Bytes({30}) + std::string(24, 'L') + Bytes({3}) + "Bay" + std::string(21, 'x');
  ASSERT_TRUE(CityFileRead(Write("labels.mv2", Form(Misc() + Chunk("XLAB", Coded(labels + std::string(6350, '\0'))))),
                           *city));
  EXPECT_EQ(city->auxPtr6[0][0], 23);
  EXPECT_EQ(city->auxPtr6[0][24], 0);
  EXPECT_EQ(city->auxPtr6[1][0], 3);
  EXPECT_EQ(city->auxPtr6[1][4], 0);
  EXPECT_EQ(city->auxPtr6[1][5], 'x');

  city->auxPtr6[2][0] = 9;
  ASSERT_TRUE(CityFileRead(Write("none.mv2", Form(Misc())), *city));
  EXPECT_EQ(city->auxPtr6[2][0], 0);
}

TEST_F(CityFileReading, GraphMaximaStartAtZeroAndFollowGraphZero) {
  auto graphs = std::string(3328, '\0');
  auto put = [&](int graph, int value, int32_t word) { graphs.replace((graph * 52 + value) * 4, 4, BE32(word)); };
  put(0, 10, 50);
  put(1, 3, 1000);
  put(5, 0, -7);
  put(6, 51, 12);
  ASSERT_TRUE(CityFileRead(Write("graphs.mv2", Form(Misc() + Chunk("XGRP", Coded(graphs)))), *city));
  EXPECT_EQ(city->GraphData[5][0], -7);
  EXPECT_EQ(city->GraphVod[0], 50);
  EXPECT_EQ(city->GraphVod[1], 50);
  EXPECT_EQ(city->GraphVod[3], 50);
  EXPECT_EQ(city->GraphVod[5], 0);
  EXPECT_EQ(city->GraphVod[6], 12);
}

}  // namespace
