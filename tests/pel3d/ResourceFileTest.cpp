#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "EngineFileFixture.h"
#include "enginefiles/ResourceFileWriter.h"
#include "pel3d/EngineStart.h"
#include "pel3d/files/CmapDirectory.h"
#include "pel3d/files/ColourMap.h"
#include "pel3d/files/GeomDirectory.h"
#include "pel3d/files/ResourceFileFormat.h"
#include "pel3d/files/ResourceGroup.h"

namespace {

constexpr char kSeventeen[] = "ABCDEFGHIJKLMNOPQ";  // fills the name field, no zero

ColourMapBytes Colours(uint8_t seed) {
  ColourMapBytes colours{};
  for (int i = 0; i < 256; ++i) {
    colours[3 * i] = static_cast<uint8_t>(i + seed);
    colours[3 * i + 1] = static_cast<uint8_t>(255 - i);
    colours[3 * i + 2] = static_cast<uint8_t>(i * 7 + seed);
  }
  return colours;
}

GroupCounts Counts(uint32_t first) {
  GroupCounts counts;
  for (uint32_t i = 0; i < kGroupCountCount; ++i) counts.values[i] = first + i;
  return counts;
}

// The bytes of count bodies of the smallest size, the first word of each its marker.
std::vector<uint8_t> Bodies(uint32_t marker, uint32_t count = 1) {
  std::vector<uint8_t> bytes(size_t{count} * kMinimumBodySize, 0xEE);
  for (uint32_t i = 0; i < count; ++i) platform::WriteLE32(&bytes[size_t{i} * kMinimumBodySize], marker + i);
  return bytes;
}

ResourceFileWriter SampleWriter() {
  ResourceFileWriter writer;
  writer.AddNamedGroup("PEL3D1", 2, Counts(10), Bodies(0x100, 2));
  writer.AddNamedGroup("PEL3D2", 1, Counts(20), Bodies(0x200));
  writer.AddNamedGroup("pel3d2", 1, Counts(30), Bodies(0x300));
  writer.AddNamedGroup(kSeventeen, 1, Counts(40), Bodies(0x400));
  writer.AddIdBody(42, Counts(50), Bodies(0x500));
  writer.AddIdBody(42, Counts(60), Bodies(0x600));
  writer.AddIdBody(7, Counts(70), Bodies(0x700));
  writer.AddColourMap("CMAP", Colours(0));
  writer.AddColourMap("Sky", Colours(1));
  writer.AddColourMap("SKY", Colours(2));
  writer.AddColourMap(kSeventeen, Colours(3));
  return writer;
}

// The file offset of the first chunk with the tag, read from the file's directory.
size_t ChunkOffset(const std::vector<uint8_t>& bytes, uint32_t tag) {
  uint32_t count = platform::ReadLE32(&bytes[kChunkCountOffset]);
  for (uint32_t i = 0; i < count; ++i) {
    size_t entry = kChunkDirectoryOffset + i * kChunkEntrySize;
    if (platform::ReadLE32(&bytes[entry]) == tag) return platform::ReadLE32(&bytes[entry + 4]);
  }
  ADD_FAILURE() << "no such chunk";
  return 0;
}

class ResourceFile : public EngineFileTest {
protected:
  std::string WriteSample(const std::string& relative = "geo/PEL3D1.ZEF") {
    mBytes = SampleWriter().Build();
    return WriteFile(relative, mBytes);
  }
  // The first word of the body the open file now stands at.
  static uint32_t MarkerAtFilePosition() {
    uint8_t word[4] = {};
    EXPECT_EQ(ReadResourceBytes(word, 4), 1);
    return platform::ReadLE32(word);
  }

  std::vector<uint8_t> mBytes;
};

TEST_F(ResourceFile, ColourMapLoadsThroughAGamePathOfAnyCase) {
  WriteSample("geo/PEL3D1.ZEF");
  ResourceGroup* group = LoadResourceGroup(mFolder.Game("GEO/pel3d1.zef"), kGroupColourMap, "CMAP");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->kind, kGroupColourMap);
  EXPECT_EQ(group->data, nullptr);
  EXPECT_EQ(GetLoadedGroupCount(), 1);
  EXPECT_EQ(GetLoadedGroup(group->slot), group);
  ColourMapBytes expected = Colours(0);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), GetColourMapPalette(group)));
  EXPECT_EQ(ArenaCount(), mArenasBefore + 2);  // the directory's and the group's

  EXPECT_EQ(FreeResourceGroup(group), 1);
  EXPECT_EQ(GetLoadedGroupCount(), 0);
  EXPECT_EQ(ArenaCount(), mArenasBefore + 1);  // the open file keeps its directory
}

TEST_F(ResourceFile, ColourMapsAreFoundByNameIgnoringCaseFirstOneWinning) {
  struct Case {
    const char* name;
    int colours;  // the seed of the colour map found; -1 for none
  };
  const Case cases[] = {
      {"cmap", 0}, {"Sky", 1}, {"sky", 1}, {"SKY", 1}, {kSeventeen, 3}, {"abcdefghijklmnopq", 3},
      {"ABCDEFGHIJKLMNOP", -1}, {"ABCDEFGHIJKLMNOPQR", -1}, {"", -1}, {"CMAPS", -1},
  };
  std::string path = WriteSample();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetLastResourceError(kErrorNone);
    ResourceGroup* group = LoadResourceGroup(path, kGroupColourMap, c.name);
    if (c.colours < 0) {
      EXPECT_EQ(group, nullptr);
      EXPECT_EQ(GetLastResourceError(), kErrorNoGroup);
      continue;
    }
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(GetColourMapPalette(group)[0], c.colours);
    EXPECT_EQ(GetLastResourceError(), kErrorNone);
    FreeResourceGroup(group);
  }
  EXPECT_EQ(ArenaCount(), mArenasBefore + 1);
}

TEST_F(ResourceFile, BodyGroupsAreFoundByNameAndBodiesById) {
  struct Case {
    int32_t kind;
    const char* name;
    uint32_t id;
    uint32_t marker;  // of the first body found; 0 for none
    uint32_t bodyCount;
    uint32_t firstCount;
    int32_t error;
  };
  const Case cases[] = {
      {kGroupBodies, "PEL3D1", 0, 0x100, 2, 10, kErrorNone},
      {kGroupBodies, "pel3d1", 0, 0x100, 2, 10, kErrorNone},
      {kGroupBodies, "Pel3D2", 0, 0x200, 1, 20, kErrorNone},  // the first of two equal names
      {kGroupBodies, "abcdefghijklmnopq", 0, 0x400, 1, 40, kErrorNone},
      {kGroupBodies, "PEL3D3", 0, 0, 0, 0, kErrorNoGroup},
      {kGroupBodyById, "", 42, 0x500, 1, 50, kErrorNone},  // the first of two equal ids
      {kGroupBodyById, "", 7, 0x700, 1, 70, kErrorNone},
      {kGroupBodyById, "", 8, 0, 0, 0, kErrorNoBody},
  };
  std::string path = WriteSample();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.id));
    SetLastResourceError(kErrorNone);
    BodyGroupLocation location;
    int found = LookUpBodyGroup(path, c.kind, c.name, c.id, &location);
    EXPECT_EQ(GetLastResourceError(), c.error);
    if (c.marker == 0) {
      EXPECT_EQ(found, 0);
      continue;
    }
    ASSERT_EQ(found, 1);
    EXPECT_EQ(location.bodyCount, c.bodyCount);
    EXPECT_EQ(location.counts.values[0], c.firstCount);
    EXPECT_EQ(location.counts.values[6], c.firstCount + 6);
    EXPECT_EQ(MarkerAtFilePosition(), c.marker);
  }
}

// Starting the engine again closes the file it had open, with its directory arena, rather
// than forgetting the handle.
TEST_F(ResourceFile, InitEngineClosesTheOpenFile) {
  const int arenas = ArenaCount();
  ASSERT_EQ(ReadChunkDirectory(WriteSample()), 1);
  EXPECT_EQ(ArenaCount(), arenas + 1);
  InitEngine();
  EXPECT_EQ(GetOpenResourceFileName(), "");
  EXPECT_EQ(ArenaCount(), arenas);
}

TEST_F(ResourceFile, ASecondLoadFromTheSameFileReadsNothingAgain) {
  std::string first = WriteSample("geo/PEL3D1.ZEF");
  std::string second = WriteSample("geo/PEL3D2.ZEF");
  BodyGroupLocation location;
  ASSERT_EQ(LookUpBodyGroup(first, kGroupBodies, "PEL3D1", 0, &location), 1);
  int arenas = ArenaCount();

  // With the file gone from its folder, only the open file and its tables can answer.
  std::filesystem::remove(mFolder.System("geo/PEL3D1.ZEF"));
  EXPECT_EQ(LookUpBodyGroup(mFolder.Game("geo/pel3d1.zef"), kGroupBodies, "PEL3D2", 0, &location), 1);
  EXPECT_EQ(MarkerAtFilePosition(), 0x200u);
  EXPECT_EQ(GetOpenResourceFileName(), first);
  EXPECT_EQ(ArenaCount(), arenas);

  ASSERT_EQ(LookUpBodyGroup(second, kGroupBodies, "PEL3D1", 0, &location), 1);
  EXPECT_EQ(GetOpenResourceFileName(), second);
  EXPECT_EQ(ArenaCount(), arenas);  // the first file's directory arena went with it
}

TEST_F(ResourceFile, AFailedLoadLeavesTheFileAndItsTables) {
  std::string path = WriteSample();
  EXPECT_EQ(LoadResourceGroup(path, kGroupColourMap, "NIGHT"), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorNoGroup);
  std::filesystem::remove(mFolder.System("geo/PEL3D1.ZEF"));
  ResourceGroup* group = LoadResourceGroup(path, kGroupColourMap, "SKY");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(GetColourMapPalette(group)[0], 1);
}

TEST_F(ResourceFile, AFileMissingAChunkFailsWithCode5AndStaysOpen) {
  ResourceFileWriter onlyColours;
  onlyColours.AddChunk("INFO", {1, 2, 3});
  onlyColours.AddColourMap("CMAP", Colours(0));
  std::string coloursPath = WriteFile("geo/COLOURS.ZEF", onlyColours.Build());
  BodyGroupLocation location;
  EXPECT_EQ(LookUpBodyGroup(coloursPath, kGroupBodies, "PEL3D1", 0, &location), 0);
  EXPECT_EQ(GetLastResourceError(), kErrorNoChunk);
  EXPECT_EQ(GetOpenResourceFileName(), coloursPath);
  EXPECT_NE(LoadResourceGroup(coloursPath, kGroupColourMap, "CMAP"), nullptr);

  ResourceFileWriter onlyBodies;
  onlyBodies.AddNamedGroup("PEL3D1", 1, Counts(1), Bodies(1));
  std::string bodiesPath = WriteFile("geo/BODIES.ZEF", onlyBodies.Build());
  EXPECT_EQ(LoadResourceGroup(bodiesPath, kGroupColourMap, "CMAP"), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorNoChunk);
  EXPECT_EQ(GetOpenResourceFileName(), bodiesPath);
}

TEST_F(ResourceFile, AChunkWhoseOwnTagIsWrongFailsWithCode6) {
  std::string path = WriteSample();
  PatchU32(mBytes, ChunkOffset(mBytes, kGeomTag), ChunkTag("GEOX"));
  PatchU32(mBytes, ChunkOffset(mBytes, kCmapTag), ChunkTag("cmap"));
  WriteFile("geo/PEL3D1.ZEF", mBytes);
  BodyGroupLocation location;
  EXPECT_EQ(LookUpBodyGroup(path, kGroupBodies, "PEL3D1", 0, &location), 0);
  EXPECT_EQ(GetLastResourceError(), kErrorBadTag);
  SetLastResourceError(kErrorNone);
  EXPECT_EQ(LoadResourceGroup(path, kGroupColourMap, "CMAP"), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorBadTag);
}

TEST_F(ResourceFile, AMissingFileFailsWithCode1) {
  EXPECT_EQ(LoadResourceGroup(mFolder.Game("geo/NONE.ZEF"), kGroupColourMap, "CMAP"), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorOpenFailed);
  EXPECT_EQ(GetOpenResourceFileName(), "");
}

// Where a damaged file is changed, and which look-up then fails with code 2.
struct Damage {
  const char* what;
  bool colourMap;  // the colour-map load fails, else the look-up of "PEL3D1"
  size_t (*field)(const std::vector<uint8_t>& bytes);  // the field's file offset
  uint32_t value;
};
void PrintTo(const Damage& value, std::ostream* out) { *out << value.what; }


size_t ChunkCountField(const std::vector<uint8_t>&) { return kChunkCountOffset; }
size_t NamedCountField(const std::vector<uint8_t>& b) { return ChunkOffset(b, kGeomTag) + 8; }
size_t IdCountField(const std::vector<uint8_t>& b) { return ChunkOffset(b, kGeomTag) + 12; }
size_t NamedTableField(const std::vector<uint8_t>& b) { return ChunkOffset(b, kGeomTag) + 16; }
size_t IdTableField(const std::vector<uint8_t>& b) { return ChunkOffset(b, kGeomTag) + 20; }
size_t FirstNamedRecord(const std::vector<uint8_t>& b) { return platform::ReadLE32(&b[NamedTableField(b)]); }
size_t BodyOffsetField(const std::vector<uint8_t>& b) { return FirstNamedRecord(b) + 17; }
size_t BodyCountField(const std::vector<uint8_t>& b) { return FirstNamedRecord(b) + 21; }
size_t ColourMapCountField(const std::vector<uint8_t>& b) { return ChunkOffset(b, kCmapTag) + 8; }
size_t ColourMapOffsetField(const std::vector<uint8_t>& b) { return ChunkOffset(b, kCmapTag) + 12 + 17; }

class DamagedResourceFile : public ResourceFile, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedResourceFile, FailsWithCode2AndLeaksNothing) {
  const Damage& damage = GetParam();
  std::string path = WriteSample();
  PatchU32(mBytes, damage.field(mBytes), damage.value);
  WriteFile("geo/PEL3D1.ZEF", mBytes);
  BodyGroupLocation location;
  if (damage.colourMap) {
    EXPECT_EQ(LoadResourceGroup(path, kGroupColourMap, "CMAP"), nullptr);
  } else {
    EXPECT_EQ(LookUpBodyGroup(path, kGroupBodies, "PEL3D1", 0, &location), 0);
  }
  EXPECT_EQ(GetLastResourceError(), kErrorBadContent);
  EXPECT_EQ(GetLoadedGroupCount(), 0);
  EXPECT_EQ(ArenaCount(), mArenasBefore + 1);  // only the open file's directory
}

INSTANTIATE_TEST_SUITE_P(
    CountsAndOffsetsPastTheEnd, DamagedResourceFile,
    ::testing::Values(Damage{"chunk count", true, ChunkCountField, 0x10000000},
                      Damage{"chunk count of all bits", false, ChunkCountField, 0xFFFFFFFF},
                      Damage{"named count", false, NamedCountField, 0x01000000},
                      Damage{"id count", false, IdCountField, 0xFFFFFFFF},
                      Damage{"named table", false, NamedTableField, 0x7FFFFFF0},
                      Damage{"id table", false, IdTableField, 0xFFFFFFF0},
                      Damage{"body offset", false, BodyOffsetField, 0x00FFFFFF},
                      Damage{"body count", false, BodyCountField, 0x40000000},
                      Damage{"colour map count", true, ColourMapCountField, 0x20000000},
                      Damage{"colour map offset", true, ColourMapOffsetField, 0xFFFFFF00}),
    [](const ::testing::TestParamInfo<Damage>& info) {
      std::string name = info.param.what;
      for (char& c : name) c = c == ' ' ? '_' : c;
      return name;
    });

TEST_F(ResourceFile, ATruncatedFileFailsWithCode2) {
  WriteSample();
  const std::vector<uint8_t> whole = mBytes;
  const size_t geom = ChunkOffset(whole, kGeomTag);
  const size_t cmap = ChunkOffset(whole, kCmapTag);
  const size_t cuts[] = {0, 5, 11, 14, geom + 6, geom + 20, geom + 24 + 53 * 2, cmap + 10, whole.size() - 1};
  for (size_t cut : cuts) {
    SCOPED_TRACE(cut);
    CleanEngine();
    SetLastResourceError(kErrorNone);
    std::string path = WriteFile("geo/CUT.ZEF", std::vector<uint8_t>(whole.begin(), whole.begin() + cut));
    BodyGroupLocation location;
    bool fails = cut < cmap ? !LookUpBodyGroup(path, kGroupBodies, "PEL3D1", 0, &location)
                            : !LoadResourceGroup(path, kGroupColourMap, kSeventeen);
    EXPECT_TRUE(fails);
    EXPECT_EQ(GetLastResourceError(), kErrorBadContent);
    EXPECT_EQ(ArenaCount(), mArenasBefore + 1);
  }
}

TEST_F(ResourceFile, AChunkDirectoryThatCameShortIsReadAgainFromTheSameFile) {
  WriteSample();
  std::string path = WriteFile("geo/PEL3D1.ZEF", std::vector<uint8_t>(mBytes.begin(), mBytes.begin() + 14));
  EXPECT_EQ(LoadResourceGroup(path, kGroupColourMap, "CMAP"), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorBadContent);
  // Rewritten in place, the file the engine holds open is whole again.
  WriteFile("geo/PEL3D1.ZEF", mBytes);
  EXPECT_NE(LoadResourceGroup(path, kGroupColourMap, "CMAP"), nullptr);
}

TEST_F(ResourceFile, BodyGroupsAreLookedUpBeforeTheyAreRead) {
  std::string path = WriteSample();
  // The sample's bodies are filler: found, then refused by the body loader.
  EXPECT_EQ(LoadResourceGroup(path, kGroupBodies, "PEL3D1"), nullptr);
  EXPECT_NE(GetLastResourceError(), kErrorNoGroup);
  EXPECT_EQ(LoadResourceGroup(path, kGroupBodyById, "", 42), nullptr);
  EXPECT_NE(GetLastResourceError(), kErrorNoBody);
  EXPECT_EQ(GetLoadedGroupCount(), 0);
  EXPECT_EQ(ArenaCount(), mArenasBefore + 1);
  EXPECT_EQ(LoadResourceGroup(path, kGroupBodyById, "", 43), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorNoBody);
}

TEST_F(ResourceFile, UnknownKindsChangeNothing) {
  std::string path = WriteSample();
  SetLastResourceError(99);
  for (int32_t kind : {0, 5, -1}) {
    EXPECT_EQ(LoadResourceGroup(path, kind, "CMAP"), nullptr);
    EXPECT_EQ(GetLastResourceError(), 99);
  }
  EXPECT_EQ(GetOpenResourceFileName(), "");
  EXPECT_EQ(ArenaCount(), mArenasBefore);
}

TEST_F(ResourceFile, NoFreeArenaFailsWithCode4) {
  std::string path = WriteSample();
  ASSERT_EQ(ReadCmapDirectory(path), 1);
  {
    AllArenasTaken taken;
    EXPECT_EQ(LoadResourceGroup(path, kGroupColourMap, "CMAP"), nullptr);
    EXPECT_EQ(GetLastResourceError(), kErrorOutOfMemory);
  }
  CloseResourceFile();
  AllArenasTaken taken;
  SetLastResourceError(kErrorNone);
  EXPECT_EQ(LoadResourceGroup(path, kGroupColourMap, "CMAP"), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorOpenFailed);  // no arena for the directory
  EXPECT_EQ(GetOpenResourceFileName(), "");
}

}  // namespace
