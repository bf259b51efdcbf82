#include <gtest/gtest.h>

#include <string>

#include "ResFileFixture.h"
#include "X/File/ResFile.h"

namespace {

int gSwizzles = 0;
void CountingSwizzle(uint8_t* bytes, uint32_t size) {
  ++gSwizzles;
  for (uint32_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(bytes[i] + 10);
}

std::vector<uint8_t> Bytes(Handle handle) {
  const uint8_t* bytes = HLock(handle);
  std::vector<uint8_t> copy(bytes, bytes + GetHandleSize(handle));
  HUnlock(handle);
  return copy;
}

TEST_F(ResFileTest, FindsResourcesByIdAndIndex) {
  ResFile file;
  ASSERT_EQ(file.Open(SaveSample().c_str()), 0);
  EXPECT_EQ(file.CountTypes(), 2);
  EXPECT_EQ(file.GetIndType(2), kStrings);
  EXPECT_EQ(file.CountResources(kBhav), 2);
  EXPECT_EQ(file.CountResources(0x58585858), 0);
  Handle walk = file.GetResource(kBhav, 128, nullptr);
  ASSERT_NE(walk, nullptr);
  EXPECT_EQ(Bytes(walk), (std::vector<uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(file.GetIndResource(kBhav, 2, nullptr), file.GetResource(kBhav, 129, nullptr));
  EXPECT_EQ(Bytes(file.GetIndResource(kStrings, 1, nullptr)), (std::vector<uint8_t>{'h', 'e', 'l', 'l', 'o'}));
  EXPECT_EQ(file.GetResType(walk), kBhav);
  EXPECT_EQ(file.GetError(), 0);
  EXPECT_EQ(file.GetResource(kBhav, 130, nullptr), nullptr);
  EXPECT_EQ(file.GetError(), kResNotFound);
}

TEST_F(ResFileTest, IndexOutsideTheTypeFindsNothing) {
  ResFile file;
  ASSERT_EQ(file.Open(SaveSample().c_str()), 0);
  for (int32_t index : {0, 3, -1}) {
    EXPECT_EQ(file.GetIndResource(kBhav, index, nullptr), nullptr) << index;
    EXPECT_EQ(file.GetError(), kResNotFound) << index;
  }
}

TEST_F(ResFileTest, ALoadedResourceIsSwizzledOnce) {
  ResFile file;
  ASSERT_EQ(file.Open(SaveSample().c_str()), 0);
  gSwizzles = 0;
  Handle first = file.GetResource(kBhav, 128, CountingSwizzle);
  Handle second = file.GetResource(kBhav, 128, CountingSwizzle);
  EXPECT_EQ(first, second);
  EXPECT_EQ(gSwizzles, 1);
  EXPECT_EQ(Bytes(first), (std::vector<uint8_t>{11, 12, 13, 14}));
  EXPECT_FALSE(HIsLocked(first));

  file.ReleaseResource(first);
  Handle fresh = file.GetResource(kBhav, 128, CountingSwizzle);
  EXPECT_EQ(gSwizzles, 2) << "a released resource is loaded and swizzled anew";
  EXPECT_EQ(Bytes(fresh), (std::vector<uint8_t>{11, 12, 13, 14}));
}

TEST_F(ResFileTest, NamesAndIdsComeFromTheMap) {
  ResFile file;
  ASSERT_EQ(file.Open(SaveSample().c_str()), 0);
  uint8_t name[256];
  file.GetResName(file.GetResource(kStrings, 200, nullptr), name);
  EXPECT_EQ(PStrText(name), "Labels");
  Handle nameless = file.GetResource(kBhav, 129, nullptr);
  file.GetResName(nameless, name);
  EXPECT_EQ(name[0], 0);
  int16_t id = 0;
  file.GetResID(nameless, id);
  EXPECT_EQ(id, 129);
}

TEST_F(ResFileTest, AForeignHandleIsNotInTheMap) {
  ResFile file;
  ASSERT_EQ(file.Open(SaveSample().c_str()), 0);
  Handle foreign = NewHandle(4, 0);
  int16_t id = 0;
  file.GetResID(foreign, id);
  EXPECT_EQ(static_cast<uint16_t>(id), 65535);
  EXPECT_EQ(file.GetError(), kResHandleNotFound);
  EXPECT_EQ(file.GetResType(foreign), 0u);
  EXPECT_EQ(file.GetError(), kResHandleNotFound);
  uint8_t name[256] = {3, 'a', 'b', 'c'};
  file.GetResName(foreign, name);
  EXPECT_EQ(name[0], 0);
  EXPECT_EQ(file.GetError(), kResNotFound);
  file.ReleaseResource(foreign);
  EXPECT_EQ(GetHandleSize(foreign), 4u) << "releasing a foreign handle does nothing";
  file.DetachResource(foreign);
  EXPECT_EQ(file.GetError(), kResHandleNotFound);
  DisposeHandle(foreign);
}

TEST_F(ResFileTest, TwoObjectsShareOneMapUntilBothClose) {
  std::string path = SaveSample();
  ResFile first;
  ResFile second;
  ASSERT_EQ(first.Open(path.c_str()), 0);
  ASSERT_EQ(second.Open(path.c_str()), 0);
  ASSERT_EQ(ResMap::Count(), 1);
  EXPECT_EQ(ResMap::First()->useCount, 2);
  size_t handles = LiveHandleCount();
  Handle walk = first.GetResource(kBhav, 128, nullptr);
  EXPECT_EQ(second.GetResource(kBhav, 128, nullptr), walk) << "one map, one copy";

  EXPECT_EQ(first.Close(), 0);
  EXPECT_EQ(ResMap::First()->useCount, 1);
  EXPECT_EQ(Bytes(second.GetResource(kStrings, 200, nullptr)).size(), 5u);
  EXPECT_EQ(Bytes(walk).size(), 4u);
  EXPECT_EQ(second.Close(), 0);
  EXPECT_EQ(ResMap::Count(), 0);
  EXPECT_EQ(LiveHandleCount(), handles - 1) << "the map and every loaded resource are freed";
}

TEST_F(ResFileTest, ADetachedHandleOutlivesItsFile) {
  ResFile file;
  ASSERT_EQ(file.Open(SaveSample().c_str()), 0);
  Handle walk = file.GetResource(kBhav, 128, nullptr);
  file.DetachResource(walk);
  EXPECT_EQ(file.GetError(), 0);
  EXPECT_NE(file.GetResource(kBhav, 128, nullptr), walk) << "a later look-up loads a fresh copy";
  file.Close();
  EXPECT_EQ(Bytes(walk), (std::vector<uint8_t>{1, 2, 3, 4}));
  DisposeHandle(walk);
  EXPECT_TRUE(mAsserts.empty());
}

TEST_F(ResFileTest, AClosedFileAnswersNotOpen) {
  ResFile file;
  EXPECT_EQ(file.GetResource(kBhav, 128, nullptr), nullptr);
  EXPECT_EQ(file.GetError(), kFileNotOpen);
  EXPECT_EQ(file.CountResources(kBhav), 0);
  EXPECT_EQ(file.GetError(), kFileNotOpen);
  EXPECT_EQ(file.Open(mFolder.Game("Missing.df").c_str()), kFileIoError);
  EXPECT_EQ(file.GetError(), kFileIoError);
  EXPECT_EQ(file.Open(SaveSample().c_str()), 0);
  EXPECT_EQ(file.Close(), 0);
  EXPECT_EQ(file.Open(std::string(300, 'p').c_str()), kFileIoError);
  EXPECT_EQ(file.GetError(), kFileIoError);
}

TEST_F(ResFileTest, AMapOfNoTypesOpensEmpty) {
  std::vector<uint8_t> bytes = SampleWriter().Build();
  FileLayout layout(bytes);
  platform::WriteBE16(bytes.data() + layout.typeCountAt, 0xFFFF);
  ResFile file;
  ASSERT_EQ(file.Open(Save(bytes).c_str()), 0);
  EXPECT_EQ(file.CountTypes(), 0);
  EXPECT_EQ(file.GetIndType(1), 0u);
  EXPECT_EQ(file.CountResources(kBhav), 0);
  EXPECT_TRUE(mAsserts.empty());
}

TEST_F(ResFileTest, TheWriterMakesNoFileWithoutResources) {
  // The header rules leave no room for an empty data section.
  EXPECT_TRUE(PeopleFileWriter().Build().empty());
}

TEST_F(ResFileTest, ResourcesKeepTheirBytesWhateverTheirSize) {
  PeopleFileWriter writer;
  std::vector<uint8_t> big(70000);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i * 7);
  writer.AddResource("BHAV", -5, "Big", big);
  writer.AddResource("BHAV", 6, "Empty", {});
  ResFile file;
  ASSERT_EQ(file.Open(Save(writer.Build()).c_str()), 0);
  EXPECT_EQ(Bytes(file.GetResource(kBhav, -5, nullptr)), big);
  Handle empty = file.GetResource(kBhav, 6, nullptr);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(GetHandleSize(empty), 0u);
}

}  // namespace
