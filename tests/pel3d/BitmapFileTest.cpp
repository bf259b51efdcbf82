#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "EngineFileFixture.h"
#include "enginefiles/BitmapFileWriter.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/files/ResourceFileFormat.h"
#include "pel3d/files/ResourceGroup.h"

namespace {

struct Image {
  uint32_t width;
  uint32_t height;
  uint32_t flags;
};
// The last one carries the tile-set bit in its flags without being a tile set.
const Image kImages[] = {{3, 2, 0}, {1, 1, 0x10}, {0, 4, 0}, {5, 4, 0x6}};

uint8_t Pixel(size_t image, uint32_t row, uint32_t column) {
  return static_cast<uint8_t>(image * 50 + row * 10 + column + 1);
}

std::vector<uint8_t> SampleBitmapFile() {
  BitmapFileWriter writer;
  for (size_t i = 0; i < std::size(kImages); ++i) {
    std::vector<uint8_t> pixels;
    for (uint32_t row = 0; row < kImages[i].height; ++row)
      for (uint32_t column = 0; column < kImages[i].width; ++column) pixels.push_back(Pixel(i, row, column));
    EXPECT_TRUE(writer.AddBitmap(kImages[i].width, kImages[i].height, pixels, kImages[i].flags));
  }
  return writer.Build();
}

// The file offset of a bitmap of the sample file.
size_t BitmapOffset(size_t index) {
  size_t offset = kBitmapFileHeaderSize + std::size(kImages) * kBitmapDirectoryEntrySize;
  for (size_t i = 0; i < index; ++i)
    offset += kBitmapHeaderSize + kImages[i].height * kRowOffsetSize + kImages[i].width * kImages[i].height;
  return offset;
}

using BitmapFile = EngineFileTest;

TEST_F(BitmapFile, LoadsAsAGroupThroughAGamePathOfAnyCase) {
  WriteFile("bmp/PEL3D.BMP", SampleBitmapFile());
  ResourceGroup* group = LoadResourceGroup(mFolder.Game("BMP/pel3d.bmp"), kGroupBitmaps);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->kind, kGroupBitmaps);
  EXPECT_EQ(GetBitmapCount(group), static_cast<int32_t>(std::size(kImages)));
  EXPECT_EQ(GetLoadedGroup(group->slot), group);
  EXPECT_EQ(GetOpenResourceFileName(), "");  // the resource reader is not involved
  for (size_t i = 0; i < std::size(kImages); ++i) {
    SCOPED_TRACE(i);
    const Bitmap* bitmap = GetBitmapRecord(group, static_cast<uint32_t>(i));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(group->bitmaps[i].bitmap, bitmap);
    EXPECT_EQ(group->bitmaps[i].width, kImages[i].width);
    EXPECT_EQ(group->bitmaps[i].height, kImages[i].height);
    EXPECT_EQ(bitmap->width, kImages[i].width);
    EXPECT_EQ(bitmap->height, kImages[i].height);
    EXPECT_EQ(bitmap->flags, kImages[i].flags);
    EXPECT_EQ(bitmap->tiles, nullptr);
    // The pixels stay in the group's block, just behind the row-offset table.
    size_t expectedOffset = BitmapOffset(i) - BitmapOffset(0) + kBitmapHeaderSize + kImages[i].height * kRowOffsetSize;
    EXPECT_EQ(bitmap->pixels, static_cast<uint8_t*>(group->data) + expectedOffset);
    for (uint32_t row = 0; row < bitmap->height; ++row)
      for (uint32_t column = 0; column < bitmap->width; ++column)
        EXPECT_EQ(bitmap->pixels[row * bitmap->width + column], Pixel(i, row, column));
  }
  EXPECT_EQ(FreeResourceGroup(group), 1);
  EXPECT_EQ(ArenaCount(), mArenasBefore);
}

TEST_F(BitmapFile, AFileWithoutBitmapsLoads) {
  std::string path = WriteFile("bmp/EMPTY.BMP", BitmapFileWriter().Build());
  ResourceGroup* group = LoadResourceGroup(path, kGroupBitmaps);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(GetBitmapCount(group), 0);
  EXPECT_EQ(GetBitmap(group, 0), nullptr);
}

TEST_F(BitmapFile, GetBitmapChecksItsRange) {
  std::string path = WriteFile("bmp/PEL3D.BMP", SampleBitmapFile());
  ResourceGroup* group = LoadResourceGroup(path, kGroupBitmaps);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(GetBitmap(group, 0), group->bitmaps[0].bitmap);
  EXPECT_EQ(GetBitmap(group, 3), group->bitmaps[3].bitmap);
  const uint32_t missing[] = {4, 0xFFFF, MakeTileId(1, 0), MakeTileId(3, 7), MakeTileId(4, 0), 0xFFFFFFFF};
  for (uint32_t id : missing) EXPECT_EQ(GetBitmap(group, id), nullptr) << id;
  EXPECT_EQ(GetTileRecord(group, 2), nullptr);  // a plain id names no tile
}

TEST_F(BitmapFile, AMissingFileFailsWithCode1) {
  EXPECT_EQ(LoadResourceGroup(mFolder.Game("bmp/NONE.BMP"), kGroupBitmaps), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorOpenFailed);
  EXPECT_EQ(ArenaCount(), mArenasBefore);
}

TEST_F(BitmapFile, NoFreeArenaFailsWithCode4) {
  std::string path = WriteFile("bmp/PEL3D.BMP", SampleBitmapFile());
  AllArenasTaken taken;
  EXPECT_EQ(LoadResourceGroup(path, kGroupBitmaps), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorOutOfMemory);
}

// A change to the sample file that leaves it not as required.
struct Damage {
  const char* what;
  void (*apply)(std::vector<uint8_t>& bytes);
};
void PrintTo(const Damage& value, std::ostream* out) { *out << value.what; }


void SetU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) { platform::WriteLE32(&bytes[at], value); }

const Damage kDamages[] = {
    {"shorter than its header", [](std::vector<uint8_t>& b) { b.resize(10); }},
    {"cut in its directory", [](std::vector<uint8_t>& b) { b.resize(kBitmapFileHeaderSize + 20); }},
    {"cut in a bitmap header", [](std::vector<uint8_t>& b) { b.resize(BitmapOffset(3) + 5); }},
    {"cut in the last pixels", [](std::vector<uint8_t>& b) { b.pop_back(); }},
    {"a byte after the last bitmap", [](std::vector<uint8_t>& b) { b.push_back(0); }},
    {"a count past the end", [](std::vector<uint8_t>& b) { SetU32(b, kBitmapCountOffset, 1000); }},
    {"a count of all bits", [](std::vector<uint8_t>& b) { SetU32(b, kBitmapCountOffset, 0xFFFFFFFF); }},
    {"a count one short", [](std::vector<uint8_t>& b) { SetU32(b, kBitmapCountOffset, 3); }},
    {"a row offset off by one", [](std::vector<uint8_t>& b) { SetU32(b, BitmapOffset(0) + 16, 4); }},
    {"a row offset of another width", [](std::vector<uint8_t>& b) { SetU32(b, BitmapOffset(3) + 24, 12); }},
    {"a height past the end", [](std::vector<uint8_t>& b) { SetU32(b, BitmapOffset(1) + 4, 0x40000000); }},
    {"a width past the end", [](std::vector<uint8_t>& b) { SetU32(b, BitmapOffset(3), 0xFFFFFFFF); }},
    {"a zero width with rows", [](std::vector<uint8_t>& b) { SetU32(b, BitmapOffset(0), 0); }},
};

class DamagedBitmapFile : public EngineFileTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedBitmapFile, FailsWithCode2AndLeaksNothing) {
  std::vector<uint8_t> bytes = SampleBitmapFile();
  GetParam().apply(bytes);
  std::string path = WriteFile("bmp/DAMAGED.BMP", bytes);
  EXPECT_EQ(LoadResourceGroup(path, kGroupBitmaps), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorBadContent);
  EXPECT_EQ(GetLoadedGroupCount(), 0);
  EXPECT_EQ(ArenaCount(), mArenasBefore);
}

INSTANTIATE_TEST_SUITE_P(NotAsRequired, DamagedBitmapFile, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<Damage>& info) {
                           std::string name = info.param.what;
                           for (char& c : name) c = c == ' ' ? '_' : c;
                           return name;
                         });

TEST_F(BitmapFile, BytesAfterTheLastBitmapAreNamed) {
  std::vector<uint8_t> bytes = SampleBitmapFile();
  const size_t end = bytes.size();
  bytes.push_back(0);
  EXPECT_EQ(LoadResourceGroup(WriteFile("bmp/LONG.BMP", bytes), kGroupBitmaps), nullptr);
  EXPECT_EQ(GetLastResourceErrorDetail().what, "the file has bytes after its last bitmap");
  EXPECT_EQ(GetLastResourceErrorDetail().offset, static_cast<int64_t>(end));
}

}  // namespace
