#include <gtest/gtest.h>

#include <string>

#include "Drovane/ProgramResourceTable.h"
#include "platform/ByteOrder.h"
#include "platform/Process.h"
#include "platform/ProgramResources.h"
#include "support/TempFolder.h"

namespace {

// A resource file image built field by field.
class ResourceImage {
public:
  ResourceImage() {
    Word(0x46464956);
    Word(2);
    Word(platform::kResourceCreator);
    Word(platform::kResourceFileType);
    Word(platform::kResourceTypeVersion);
    Word(0);  // length, patched by Bytes()
    Word(1);
  }
  ResourceImage& Chunk(uint32_t id, const std::string& data) {
    Word(id);
    Word(static_cast<uint32_t>(data.size() + 8));
    mBytes += data;
    return *this;
  }
  ResourceImage& Word(uint32_t value) {
    uint8_t bytes[4];
    platform::WriteLE32(bytes, value);
    mBytes.append(reinterpret_cast<char*>(bytes), 4);
    return *this;
  }
  std::string Bytes() const {
    std::string bytes = mBytes;
    platform::WriteLE32(reinterpret_cast<uint8_t*>(bytes.data()) + 20, static_cast<uint32_t>(bytes.size()));
    return bytes;
  }

private:
  std::string mBytes;
};

bool Parse(const std::string& image, ResourceTable& table, std::string& error) {
  TempFolder folder;
  folder.Write("halvorine.res", image);
  return ReadResourceFile(folder.Game("halvorine.res"), table, error);
}

TEST(ProgramResourcesTest, ReadsOneResourcePerChunkFirstOfAnIdWins) {
  std::string image = ResourceImage().Chunk(300, "abc").Chunk(0, "").Chunk(300, "later").Bytes();
  ResourceTable table;
  std::string error;
  ASSERT_TRUE(Parse(image, table, error)) << error;
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(std::string(table[300].begin(), table[300].end()), "abc");
  EXPECT_TRUE(table[0].empty());
}

TEST(ProgramResourcesTest, RefusesDamagedImagesWhole) {
  std::string good = ResourceImage().Chunk(1, "abcd").Bytes();
  std::string wrongKind = good;
  wrongKind[8] ^= 1;
  std::string shortChunk = ResourceImage().Chunk(1, "x").Word(7).Word(7).Bytes();
  std::string cutHeader = ResourceImage().Chunk(1, "x").Word(7).Bytes();
  std::string tooLong = good;
  platform::WriteLE32(reinterpret_cast<uint8_t*>(tooLong.data()) + 32, 100);
  std::string wrongLength = good + "zz";
  std::string wrongMagic = good;
  wrongMagic[0] = 'W';
  for (const std::string& image :
       {good.substr(0, 20), wrongKind, shortChunk, cutHeader, tooLong, wrongLength, wrongMagic}) {
    ResourceTable table;
    std::string error;
    EXPECT_FALSE(Parse(image, table, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(table.empty());
  }
}

TEST(ProgramResourcesTest, FindsResourcesInTheNamedFile) {
  TempFolder folder;
  folder.Write("Halvorine.RES", ResourceImage().Chunk(1001, "regions").Bytes());
  SetResourceFile(folder.Game("halvorine.res"));
  const std::vector<uint8_t>* found = FindProgramResource(1001);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->size(), 7u);
  EXPECT_EQ(FindProgramResource(1002), nullptr);
  SetResourceFile(folder.Game("missing.res"));
  EXPECT_EQ(FindProgramResource(1001), nullptr);
  SetResourceFile("");
}

TEST(ProgramResourcesTest, FileLivesBesideTheProgram) {
  std::string module = platform::GetModuleFileName();
  EXPECT_EQ(platform::ProgramResourceFilePath(), module.substr(0, module.rfind('\\') + 1) + "halvorine.res");
}

}  // namespace
