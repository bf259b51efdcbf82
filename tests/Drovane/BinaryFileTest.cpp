#include <gtest/gtest.h>

#include "Drovane/BinaryFile.h"
#include "support/TempFolder.h"

namespace {

class BinaryFileTest : public testing::Test {
protected:
  TempFolder folder;
};

TEST_F(BinaryFileTest, OpenOnAnOpenFileKeepsIt) {
  folder.Write("a.bin", "aaaa");
  folder.Write("b.bin", "bb");
  BinaryFile file(folder.Game("a.bin").c_str());
  ASSERT_EQ(file.Open(nullptr, BinaryFile::kModeRead, BinaryFile::kPermissionReadWrite, false), 1);
  EXPECT_EQ(file.Open(folder.Game("b.bin").c_str(), BinaryFile::kModeRead, 384, false), 1);
  EXPECT_EQ(file.GetName(), folder.Game("a.bin"));
  EXPECT_EQ(file.GetLength(), 4);
  EXPECT_EQ(file.SetName(folder.Game("b.bin").c_str()), 0);
  EXPECT_EQ(file.GetName(), folder.Game("a.bin"));
}

TEST_F(BinaryFileTest, EmptyOrOverlongNameFailsAndKeepsTheStoredOne) {
  folder.Write("a.bin", "a");
  BinaryFile file(folder.Game("a.bin").c_str());
  EXPECT_EQ(file.Open("", BinaryFile::kModeRead, 384, false), 0);
  std::string overlong = folder.Game(std::string(300, 'x'));
  EXPECT_EQ(file.Open(overlong.c_str(), BinaryFile::kModeRead, 384, true), 0);
  EXPECT_EQ(file.GetName(), folder.Game("a.bin"));
  EXPECT_FALSE(file.Exists(overlong.c_str()));
}

TEST_F(BinaryFileTest, OverlongNameSetLeavesNoFileToOpen) {
  folder.Write("a.bin", "a");
  BinaryFile file(folder.Game("a.bin").c_str());
  std::string overlong = folder.Game(std::string(300, 'x'));
  EXPECT_EQ(file.SetName(overlong.c_str()), 1);
  EXPECT_EQ(file.GetName(), "");
  EXPECT_EQ(file.Open(nullptr, BinaryFile::kModeRead, 384, false), 0);
}

TEST_F(BinaryFileTest, MissingFileIsCreatedOnlyWhenAsked) {
  BinaryFile file(folder.Game("new.bin").c_str());
  EXPECT_EQ(file.Open(nullptr, BinaryFile::kModeReadWrite, 384, false), 0);
  EXPECT_FALSE(folder.Exists("new.bin"));
  EXPECT_EQ(file.Open(nullptr, BinaryFile::kModeReadWrite, 384, true), 1);
  EXPECT_TRUE(folder.Exists("new.bin"));
  EXPECT_EQ(file.Close(), 1);
  EXPECT_EQ(file.Close(), 0);
}

TEST_F(BinaryFileTest, CreateRefusesAnExistingFileAndLeavesItAlone) {
  folder.Write("Old.bin", "keep");
  BinaryFile file;
  EXPECT_EQ(file.Create(folder.Game("old.bin").c_str(), 384), 0);
  EXPECT_EQ(folder.Read("Old.bin"), "keep");
}

TEST_F(BinaryFileTest, LengthOfAClosedFileLeavesItClosed) {
  folder.Write("a.bin", "12345");
  BinaryFile file(folder.Game("a.bin").c_str());
  EXPECT_EQ(file.GetLength(), 5);
  EXPECT_FALSE(file.IsOpen());
  BinaryFile missing(folder.Game("none.bin").c_str());
  EXPECT_EQ(missing.GetLength(), -1);
}

TEST_F(BinaryFileTest, ByteSum) {
  folder.Write("sum.bin", std::string("\x01\x02\xfa", 3));
  EXPECT_EQ(FileByteSum(folder.Game("sum.bin").c_str()), 253u);
  EXPECT_EQ(FileByteSum(folder.Game("none.bin").c_str()), 0u);
  folder.Write("big.bin", std::string(70000, '\xff'));
  EXPECT_EQ(FileByteSum(folder.Game("big.bin").c_str()), 70000u * 255u);
}

}  // namespace
