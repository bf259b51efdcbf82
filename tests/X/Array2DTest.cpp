#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Drovane/FourCharCode.h"
#include "ResFileFixture.h"
#include "X/File/Array2D.h"
#include "X/File/ArrayTable.h"
#include "X/File/ResFile.h"

namespace {

constexpr uint32_t kArcp = FourCC("ARCP");

std::vector<uint8_t> Counting(size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i);
  return bytes;
}

class Array2DTest : public ResFileTest {
protected:
  std::string SaveArrays(const PeopleFileWriter& writer) { return Save(writer.Build(), "PrivAnim.df"); }
  // A file of one array of the type ARCP, one row and one entry; the file is left open.
  void OpenOneArray(ResFile& file, const std::string& name) {
    PeopleFileWriter writer;
    writer.AddArray("ARCP", 1, name, 40, 1, 1, Counting(40));
    ASSERT_EQ(file.Open(SaveArrays(writer).c_str()), 0);
  }
};

TEST_F(Array2DTest, ANewArrayIsZeroedWithABigEndianHeader) {
  Array2D array(40, 2, 3, PStr("BODC"));
  ASSERT_NE(array.Bytes(), nullptr);
  EXPECT_EQ(GetHandleSize(array.DataHandle()), 8u + 2 * (4 + 3 * 40));
  const uint8_t* bytes = array.Bytes();
  EXPECT_EQ(platform::ReadBE16(bytes), 40);
  EXPECT_EQ(platform::ReadBE16(bytes + 2), 2);
  EXPECT_EQ(platform::ReadBE16(bytes + 4), 3);
  EXPECT_EQ(array.Entry(0, 0), bytes + 16);
  EXPECT_EQ(array.Entry(1, 2), bytes + 16 + 3 * 40 + 2 * 40);
  EXPECT_EQ(array.Entry(1, 2)[39], 0);
  EXPECT_EQ(array.ResourceId(), -1);
  EXPECT_EQ(sArrayTable::Find(0x424F4443), &array);
  EXPECT_TRUE(mAsserts.empty());
}

struct BoundsCase {
  int32_t row;
  int32_t column;
};

class ArrayBoundsTest : public Array2DTest, public ::testing::WithParamInterface<BoundsCase> {};

TEST_P(ArrayBoundsTest, OutOfBoundsIsReportedAndGivesNull) {
  Array2D array(8, 2, 3);
  EXPECT_EQ(array.Entry(GetParam().row, GetParam().column), nullptr);
  EXPECT_TRUE(Asserted("array read out of bounds"));
}

INSTANTIATE_TEST_SUITE_P(Cells, ArrayBoundsTest,
                         ::testing::Values(BoundsCase{2, 0}, BoundsCase{-1, 0}, BoundsCase{0, 3}, BoundsCase{0, -1}));

TEST_F(Array2DTest, SetSizeToTheSameDimensionsKeepsHandleAndContents) {
  Array2D array(8, 2, 2);
  array.Fill(0x77);
  Handle handle = array.DataHandle();
  array.SetSize(2, 2);
  EXPECT_EQ(array.DataHandle(), handle);
  EXPECT_EQ(array.Entry(1, 1)[7], 0x77);
  array.SetSize(3, 1);
  EXPECT_EQ(GetHandleSize(array.DataHandle()), 8u + 3 * (4 + 8));
  EXPECT_EQ(array.Rows(), 3);
}

TEST_F(Array2DTest, AnArrayIsNeverMadeForAFile) {
  ResFile file;
  Array2D array(8, 1, 1, nullptr, &file, kArcp);
  EXPECT_TRUE(Asserted("can't save to file yet on Windows, so can't specify them when creating array"));
}

TEST_F(Array2DTest, FindComparesTheFirstCharactersOfTheCode) {
  Array2D c(8, 1, 1, PStr("ABCc"));
  Array2D l(8, 1, 1, PStr("ABCL"));
  EXPECT_EQ(sArrayTable::Find(0x41424363), &c);
  EXPECT_EQ(sArrayTable::Find(0x4142434C), &l);
  EXPECT_EQ(sArrayTable::Find(0x41424378, 3), &c) << "the first registered of the two";
  EXPECT_EQ(sArrayTable::Find(0x41424378), nullptr);
  EXPECT_EQ(sArrayTable::Find(0x41424378, 0), nullptr);
  EXPECT_TRUE(Asserted("weird number of characters shifting?"));
}

TEST_F(Array2DTest, ANamingConflictIsReportedAndEachArrayKeepsItsOwnSlot) {
  int32_t before = sArrayTable::Count();
  auto first = std::make_unique<Array2D>(8, 1, 1, PStr("ARLU"));
  Array2D second(8, 1, 1, PStr("ARLU"));
  EXPECT_TRUE(Asserted("4-char array naming conflict"));
  EXPECT_EQ(sArrayTable::Count(), before + 2);
  first = nullptr;
  EXPECT_EQ(sArrayTable::Count(), before + 1);
  EXPECT_EQ(sArrayTable::Find(0x41524C55), &second) << "destroying one leaves the other registered";
}

TEST_F(Array2DTest, LoadsEveryArrayOfATypeAndOwnsItsBytes) {
  PeopleFileWriter writer;
  writer.AddArray("ARCP", 1, "BodA", 40, 1, 3, Counting(120));
  writer.AddArray("ARCP", 2, "BodB", 40, 2, 1, Counting(80));
  ResFile file;
  ASSERT_EQ(file.Open(SaveArrays(writer).c_str()), 0);
  static int swizzled;
  swizzled = 0;
  Array2D::LoadAllOfType(&file, kArcp, 40, [](uint8_t* entry, uint32_t size) {
    EXPECT_EQ(size, 40u);
    entry[0] = static_cast<uint8_t>(entry[0] + 1);
    ++swizzled;
  });
  file.Close();
  EXPECT_EQ(swizzled, 5);
  EXPECT_EQ(Array2D::LoadedCount(), 2);
  Array2D* a = sArrayTable::Find(0x426F6441);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->Row(0), a->Bytes() + 12) << "row 0 of a one-row array";
  EXPECT_EQ(a->Entry(0, 2)[0], 80 + 1);
  EXPECT_EQ(a->Entry(0, 2)[39], 119);
  EXPECT_EQ(a->ResourceId(), 1);
  EXPECT_EQ(a->ResourceType(), kArcp);
  Array2D* b = sArrayTable::Find(0x426F6442);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Rows(), 2);
  EXPECT_EQ(b->Entry(1, 0)[1], 41);
  EXPECT_TRUE(mAsserts.empty());
}

TEST_F(Array2DTest, AClosedFileIsOpenedForTheLoadAndClosedAgain) {
  ResFile file;
  OpenOneArray(file, "BodA");
  file.Close();
  Array2D::LoadAllOfType(&file, kArcp, 40, nullptr);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(Array2D::LoadedCount(), 1);
}

struct RefusalCase {
  const char* what;
  std::vector<uint8_t> bytes;
  const char* rule;
};

class ArrayRefusalTest : public Array2DTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ArrayRefusalTest, ABadArrayIsRefusedAndTheNextOneLoads) {
  PeopleFileWriter writer;
  writer.AddResource("ARCP", 1, "Bad1", GetParam().bytes);
  writer.AddArray("ARCP", 2, "Good", 40, 1, 3, Counting(120));
  ResFile file;
  ASSERT_EQ(file.Open(SaveArrays(writer).c_str()), 0);
  Array2D::LoadAllOfType(&file, kArcp, 40, [](uint8_t* entry, uint32_t) { entry[0] = 0xEE; });
  EXPECT_TRUE(Asserted(GetParam().rule));
  EXPECT_EQ(Array2D::LoadedCount(), 1);
  EXPECT_EQ(sArrayTable::Find(0x42616431), nullptr) << "the refused array is not registered";
  ASSERT_NE(sArrayTable::Find(0x476F6F64), nullptr);
  EXPECT_EQ(sArrayTable::Find(0x476F6F64)->Entry(0, 0)[0], 0xEE);
}

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t size) {
  bytes.resize(size);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Arrays, ArrayRefusalTest,
    ::testing::Values(
        RefusalCase{"131 bytes", Cut(PeopleFileWriter::ArrayBytes(40, 1, 3, Counting(120)), 131), "wrong handle size"},
        RefusalCase{"entry size 8", PeopleFileWriter::ArrayBytes(8, 1, 3, Counting(24)),
                    "header of disk array says it's not the size you expected"},
        RefusalCase{"more rows than bytes", PeopleFileWriter::ArrayBytes(40, 9000, 3, Counting(120)),
                    "wrong handle size"},
        RefusalCase{"no header", {0, 40, 0}, "wrong handle size"},
        RefusalCase{"empty", {}, "array on disk has a size different from that expected"}));

TEST_F(Array2DTest, An132ByteArrayOfOneRowAndThreeEntriesLoads) {
  PeopleFileWriter writer;
  std::vector<uint8_t> bytes = PeopleFileWriter::ArrayBytes(40, 1, 3, Counting(120));
  ASSERT_EQ(bytes.size(), 132u);
  writer.AddResource("ARCP", 1, "BodC", bytes);
  ResFile file;
  ASSERT_EQ(file.Open(SaveArrays(writer).c_str()), 0);
  Array2D::LoadAllOfType(&file, kArcp, 40, nullptr);
  EXPECT_EQ(Array2D::LoadedCount(), 1);
  EXPECT_TRUE(mAsserts.empty());
}

TEST_F(Array2DTest, AnArrayOfEmptyEntriesIsRefusedWhateverTheCallerExpects) {
  PeopleFileWriter writer;
  writer.AddResource("ARCP", 1, "Zero", PeopleFileWriter::ArrayBytes(0, 1, 60000, {}));
  ResFile file;
  ASSERT_EQ(file.Open(SaveArrays(writer).c_str()), 0);
  Array2D::LoadAllOfType(&file, kArcp, 0, [](uint8_t*, uint32_t) { FAIL() << "no entry to swizzle"; });
  EXPECT_TRUE(Asserted("header of disk array says it's not the size you expected"));
  EXPECT_EQ(Array2D::LoadedCount(), 0);
}

TEST_F(Array2DTest, ANamelessArrayIsReported) {
  ResFile file;
  OpenOneArray(file, "");
  Array2D::LoadAllOfType(&file, kArcp, 40, nullptr);
  EXPECT_TRUE(Asserted("array must be named to be read from disk"));
}

TEST_F(Array2DTest, A65thTypeLoadsNothing) {
  ResFile file;
  OpenOneArray(file, "BodA");
  for (uint32_t type = 0; type < 64; ++type) Array2D::LoadAllOfType(&file, 0x51000000 + type, 40, nullptr);
  EXPECT_TRUE(mAsserts.empty());
  Array2D::LoadAllOfType(&file, kArcp, 40, nullptr);
  EXPECT_TRUE(Asserted("couldn't load any more types"));
  EXPECT_EQ(Array2D::LoadedCount(), 0);
}

TEST_F(Array2DTest, LoadingATypeTwiceIsReported) {
  ResFile file;
  OpenOneArray(file, "BodA");
  Array2D::LoadAllOfType(&file, kArcp, 40, nullptr);
  Array2D::LoadAllOfType(&file, kArcp, 40, nullptr);
  EXPECT_TRUE(Asserted("two file-type things found in fsLoaded"));
  EXPECT_TRUE(Asserted("4-char array naming conflict"));
}

TEST_F(Array2DTest, LoadingWithoutAFileIsReported) {
  Array2D::LoadAllOfType(nullptr, kArcp, 40, nullptr);
  EXPECT_TRUE(Asserted("must load arrays from a file?"));
  Handle handle = NewHandle(132, 0);
  Array2D array;
  EXPECT_FALSE(array.ReadFromDisk(handle, nullptr, 40, nullptr));
  EXPECT_EQ(GetHandleSize(handle), 132u) << "the handle stays the caller's";
  DisposeHandle(handle);
}

}  // namespace
