#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Drovane/CursorFile.h"
#include "Drovane/RecordFile.h"
#include "Drovane/WinWindow.h"
#include "imagefiles/CursorWriter.h"
#include "Drovane/ProgramResourceTable.h"
#include "platform/ProgramResources.h"
#include "support/TempFolder.h"

using Bytes = std::vector<uint8_t>;

namespace {

// A 10 by 3 pointer: XOR rows 0x80 0x40 / 0 / 0xFF 0xC0, AND rows 0 0 / 0xFF 0xC0 / 0 0.
Bytes SmallCursor(int32_t hotX = 9, int32_t hotY = 2) {
  return WriteCursorFile(10, 3, hotX, hotY, {0x80, 0x40, 0, 0, 0xFF, 0xC0}, {0, 0, 0xFF, 0xC0, 0, 0});
}

void PutU32(Bytes& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

class CursorResourceTest : public testing::Test {
protected:
  void SetUp() override {
    RecordFile file(folder.Game("halvorine.res").c_str());
    file.OpenForWrite(platform::kResourceCreator, platform::kResourceFileType, platform::kResourceTypeVersion);
    const Bytes first = SmallCursor();
    const Bytes second = WriteCursorFile(32, 32, 0, 0, Bytes(128, 0), Bytes(128, 0xFF));
    Bytes bad = SmallCursor();
    bad[2] = 1;  // an icon, not a pointer
    file.WriteChunk(201, first.data(), static_cast<uint32_t>(first.size()));
    file.WriteChunk(202, second.data(), static_cast<uint32_t>(second.size()));
    file.WriteChunk(203, bad.data(), static_cast<uint32_t>(bad.size()));
    file.Close();
    SetResourceFile(folder.Game("halvorine.res"));
  }
  void TearDown() override { SetResourceFile(""); }

  TempFolder folder;
  WinWindow window;
};

}  // namespace

TEST(CursorFileTest, ReadsTheMasksTopDownAndTheHotSpot) {
  const Bytes bytes = SmallCursor();
  CursorImage image;
  std::string badField;
  ASSERT_TRUE(ReadCursorFile(bytes.data(), bytes.size(), image, badField));
  EXPECT_EQ(image.width, 10);
  EXPECT_EQ(image.height, 3);
  EXPECT_EQ(image.hotX, 9);
  EXPECT_EQ(image.hotY, 2);
  EXPECT_EQ(image.xorMask, (Bytes{0x80, 0x40, 0, 0, 0xFF, 0xC0}));
  EXPECT_EQ(image.andMask, (Bytes{0, 0, 0xFF, 0xC0, 0, 0}));
}

TEST(CursorFileTest, RefusesEachBadField) {
  const struct {
    const char* field;
    std::function<void(Bytes&)> spoil;
  } cases[] = {
      {"file size", [](Bytes& b) { b.resize(21); }},
      {"type", [](Bytes& b) { b[2] = 1; }},
      {"image count", [](Bytes& b) { b[4] = 0; }},
      {"image offset", [](Bytes& b) { PutU32(b, 18, static_cast<uint32_t>(b.size()) - 39); }},
      {"header size", [](Bytes& b) { PutU32(b, 22, 12); }},
      {"bit count", [](Bytes& b) { b[22 + 14] = 8; }},
      {"compression", [](Bytes& b) { PutU32(b, 22 + 16, 1); }},
      {"width", [](Bytes& b) { PutU32(b, 22 + 4, 0); }},
      {"width", [](Bytes& b) { PutU32(b, 22 + 4, 65); }},
      {"height", [](Bytes& b) { PutU32(b, 22 + 8, 7); }},
      {"height", [](Bytes& b) { PutU32(b, 22 + 8, 130); }},
      {"hot spot", [](Bytes& b) { b[12] = 3; }},
      {"hot spot", [](Bytes& b) { b[10] = 10; }},
      {"colour count", [](Bytes& b) { PutU32(b, 22 + 32, 3); }},
      {"masks", [](Bytes& b) { b.pop_back(); }},
      {"masks", [](Bytes& b) { PutU32(b, 22, 0x7FFFFFFF); }},
  };
  for (const auto& c : cases) {
    Bytes bytes = SmallCursor();
    c.spoil(bytes);
    CursorImage image;
    std::string badField;
    EXPECT_FALSE(ReadCursorFile(bytes.data(), bytes.size(), image, badField)) << c.field;
    EXPECT_EQ(badField, c.field);
  }
}

TEST_F(CursorResourceTest, LoadsReplacesAndRefusesResourcePointers) {
  ASSERT_EQ(window.SetCursorResource(201), 0u);
  platform::CursorHandle first = window.mhResourceCursor;
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(window.mhCursor, first);

  ASSERT_EQ(window.SetCursorResource(0x10000 | 202), 0u);  // only the low 16 bits name it
  EXPECT_NE(window.mhResourceCursor, nullptr);
  EXPECT_EQ(window.mhCursor, window.mhResourceCursor);

  platform::CursorHandle kept = window.mhResourceCursor;
  EXPECT_EQ(window.SetCursorResource(203), 0x80000007u);
  EXPECT_EQ(window.mhCursor, nullptr);
  EXPECT_EQ(window.SetCursorResource(204), 0x80000007u);
  EXPECT_EQ(window.mhResourceCursor, kept);
}

TEST_F(CursorResourceTest, SetCursorIndexShowsASetEntryOnly) {
  EXPECT_EQ(window.SetCursorIndex(3), 0x80000007u);
  EXPECT_EQ(window.mhCursor, nullptr);
  const Bytes masks(8, 0);
  window.mCursors[3] = platform::CreateMaskCursor(8, 8, 0, 0, masks.data(), masks.data());
  ASSERT_NE(window.mCursors[3], nullptr);
  EXPECT_EQ(window.SetCursorIndex(3), 0u);
  EXPECT_EQ(window.mhCursor, window.mCursors[3]);
  EXPECT_EQ(window.SetCursorIndex(16), 0x80000007u);
  EXPECT_EQ(window.SetCursorIndex(-1), 0x80000007u);
}
