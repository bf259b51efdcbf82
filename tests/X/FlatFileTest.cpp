#include <gtest/gtest.h>

#include <string>

#include "PeopleTest.h"
#include "X/File/FlatFile.h"
#include "support/TempFolder.h"

namespace {

class FlatFileTest : public PeopleTest {
protected:
  void SetUp() override {
    PeopleTest::SetUp();
    mFolder.Write("Data/People.df", std::string("\x00\x00\x01\x00\xAB\xCD\x12\x34", 8));
  }
  std::string Path(const std::string& name) const { return mFolder.Game(name); }

  TempFolder mFolder;
};

TEST_F(FlatFileTest, NamesDifferingInCaseShareOneStream) {
  FlatFile first;
  FlatFile second;
  ASSERT_EQ(first.Open(Path("data/people.DF").c_str()), 0);
  ASSERT_EQ(second.Open(Path("DATA/PEOPLE.df").c_str()), 0);
  EXPECT_TRUE(second.SameFile(first));
  EXPECT_EQ(FlatFile::FindOpenFile(second.Name()), &second) << "the newest object comes first";

  EXPECT_EQ(first.Close(), 0);
  EXPECT_FALSE(first.IsOpen());
  EXPECT_FALSE(second.SameFile(first));
  uint32_t value = 0;
  ASSERT_EQ(second.Seek(0), 0);
  EXPECT_EQ(second.ReadU32(value), 0) << "closing the first leaves the second readable";
  EXPECT_EQ(value, 256u);
  EXPECT_EQ(second.Close(), 0);
  EXPECT_EQ(second.Read(&value, 4), kFileNotOpen);
  EXPECT_EQ(FlatFile::FindOpenFile(PStr(Path("Data/People.df"))), nullptr);
}

TEST_F(FlatFileTest, NewStreamsTakeTheNextSerialNumber) {
  FlatFile first;
  FlatFile second;
  ASSERT_EQ(first.Open(Path("Data/People.df").c_str()), 0);
  mFolder.Write("Other.df", "x");
  ASSERT_EQ(second.Open(Path("Other.df").c_str()), 0);
  EXPECT_EQ(second.Serial(), first.Serial() + 1);
}

TEST_F(FlatFileTest, ReadsBigEndianWordsAndReportsShortReads) {
  FlatFile file;
  ASSERT_EQ(file.Open(Path("Data/People.df").c_str()), 0);
  uint16_t half = 0;
  EXPECT_EQ(file.Seek(4), 0);
  EXPECT_EQ(file.ReadU16(half), 0);
  EXPECT_EQ(half, 0xABCD);
  uint32_t word = 7;
  EXPECT_EQ(file.Seek(6), 0);
  EXPECT_EQ(file.ReadU32(word), kFileShortRead);
  EXPECT_EQ(word, 7u) << "a failed read converts nothing";
  EXPECT_EQ(file.Seek(-1), kFileIoError);
  EXPECT_EQ(file.Length(), 8);
}

TEST_F(FlatFileTest, OpeningAnOpenObjectChangesNothing) {
  FlatFile file;
  ASSERT_EQ(file.Open(Path("Data/People.df").c_str()), 0);
  uint32_t serial = file.Serial();
  mFolder.Write("Other.df", "x");
  EXPECT_EQ(file.Open(Path("Other.df").c_str()), kFileAlreadyOpen);
  EXPECT_EQ(file.Serial(), serial);
  EXPECT_EQ(PStrText(file.Name()), Path("Data/People.df"));
}

TEST_F(FlatFileTest, AMissingFileLeavesTheObjectClosedAndNameless) {
  FlatFile file;
  EXPECT_EQ(file.Open(Path("Data/Missing.df").c_str()), kFileIoError);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.Name()[0], 0);
  uint8_t byte = 0;
  EXPECT_EQ(file.Read(&byte, 1), kFileNotOpen);
  EXPECT_EQ(file.Seek(0), kFileNotOpen);
  EXPECT_EQ(file.Close(), kFileNotOpen);
  EXPECT_TRUE(Asserted("closing an unopened file"));
}

TEST_F(FlatFileTest, AColonIsAcceptedOnlyAfterADriveLetter) {
  FlatFile drive;
  EXPECT_EQ(drive.Open("C:\\no-such-folder\\People.df"), kFileIoError);
  EXPECT_FALSE(Asserted("mac path"));

  mFolder.Write("abc:People.df", "x");
  std::string colonName = Path("abc:People.df");
  FlatFile mac;
  EXPECT_EQ(mac.Open(colonName.c_str()), 0) << "reported and still opened";
  EXPECT_TRUE(Asserted("mac path"));
}

TEST_F(FlatFileTest, ANameLongerThan255CharactersDoesNotOpenItsCutForm) {
  // A file whose path is exactly 255 characters, then that path with more after it.
  std::string base = mFolder.System();
  std::string folder(100, 'f');
  size_t nameLength = 255 - base.size() - folder.size() - 1;
  std::string relative = folder + "/" + std::string(nameLength, 'n');
  mFolder.Write(relative, "x");
  std::string path = Path(relative);
  ASSERT_EQ(path.size(), 255u);
  FlatFile exact;
  EXPECT_EQ(exact.Open(path.c_str()), 0);
  FlatFile longer;
  EXPECT_EQ(longer.Open((path + "more").c_str()), kFileIoError);
  EXPECT_FALSE(longer.IsOpen());
}

}  // namespace
