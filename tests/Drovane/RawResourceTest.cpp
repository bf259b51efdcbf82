#include <gtest/gtest.h>

#include <cstring>

#include "Drovane/ProgramResourceTable.h"
#include "Drovane/RawResource.h"
#include "Drovane/RecordFile.h"
#include "platform/ProgramResources.h"
#include "support/TempFolder.h"

namespace {

class RawResourceTest : public testing::Test {
protected:
  void SetUp() override {
    RecordFile file(folder.Game("halvorine.res").c_str());
    file.OpenForWrite(platform::kResourceCreator, platform::kResourceFileType, platform::kResourceTypeVersion);
    file.WriteChunk(1001, "hot spots", 9);
    file.Close();
    SetResourceFile(folder.Game("halvorine.res"));
  }
  void TearDown() override { SetResourceFile(""); }
  TempFolder folder;
};

TEST_F(RawResourceTest, LoadsByIdFromTheResourceFile) {
  RawResource resource(1001, true);
  ASSERT_NE(resource.GetData(), nullptr);
  EXPECT_EQ(resource.GetSize(), 9u);
  EXPECT_EQ(std::memcmp(resource.GetData(), "hot spots", 9), 0);
}

TEST_F(RawResourceTest, MissingIdLoadsNothing) {
  RawResource resource(1002, false);
  EXPECT_EQ(resource.Load(), 0);
  EXPECT_EQ(resource.GetData(), nullptr);
  EXPECT_EQ(resource.GetSize(), 0u);
  RawResource never;  // destroying an empty object is harmless
}

TEST_F(RawResourceTest, CopiesOwnTheirData) {
  RawResource copy;
  {
    RawResource original(1001, true);
    copy = original;
    RawResource constructed(original);
    EXPECT_NE(constructed.GetData(), original.GetData());
    EXPECT_EQ(constructed.GetSize(), 9u);
  }
  EXPECT_EQ(copy.GetId(), 1001u);
  ASSERT_EQ(copy.GetSize(), 9u);
  EXPECT_EQ(std::memcmp(copy.GetData(), "hot spots", 9), 0);
  copy.Release();
  EXPECT_EQ(copy.GetData(), nullptr);
}

}  // namespace
