#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "Drovane/BackBuffer.h"
#include "Drovane/BitmapFileReader.h"
#include "Drovane/DebugConsole.h"
#include "Drovane/DebugLog.h"
#include "Drovane/DisplayFixture.h"
#include "imagefiles/BmpWriter.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"
#include "support/TempFolder.h"

using platform::Rgb;
using Pixels = std::vector<std::vector<uint8_t>>;

namespace {

class BitmapFileTest : public DisplayFixture {
protected:
  void SetUp() override {
    DisplayFixture::SetUp();
    CreateDebugConsole();
  }
  void TearDown() override {
    DestroyDebugConsole();
    DisplayFixture::TearDown();
  }

  std::string Save(const std::vector<uint8_t>& bytes) {
    const std::string path = folder.Game("picture.bmp");
    EXPECT_TRUE(platform::SaveWholeFile(path, bytes.data(), bytes.size()));
    return path;
  }

  TempFolder folder;
};

// width x height pixels numbered row by row from 1.
std::vector<uint8_t> Numbered(int32_t width, int32_t height) {
  std::vector<uint8_t> pixels(static_cast<size_t>(width * height));
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i + 1);
  return pixels;
}

Pixels NumberedRows(int32_t width, int32_t height) {
  Pixels rows;
  for (int32_t y = 0; y < height; ++y) {
    rows.emplace_back();
    for (int32_t x = 0; x < width; ++x) rows.back().push_back(static_cast<uint8_t>(1 + x + y * width));
  }
  return rows;
}

std::vector<Rgb> Greys(int count) {
  std::vector<Rgb> colours;
  for (int i = 0; i < count; ++i) colours.push_back({static_cast<uint8_t>(i), static_cast<uint8_t>(i), 7});
  return colours;
}

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

TEST_F(BitmapFileTest, ReadsEveryLayoutItAccepts) {
  const struct {
    const char* what;
    int32_t width, height, colours;
    BmpOptions options;
  } cases[] = {
      {"odd width, 256 colours written as 0", 5, 3, 256, {}},
      {"16 colours", 4, 2, 16, {}},
      {"top-down", 7, 4, 256, {.topDown = true}},
      {"124-byte header", 6, 2, 256, {.headerSize = 124}},
  };
  for (const auto& c : cases) {
    const std::vector<uint8_t> bytes =
        WriteBmp(c.width, c.height, Numbered(c.width, c.height), Greys(c.colours), c.options);
    CBackBuffer buffer(Save(bytes).c_str());
    ASSERT_NE(buffer.GetSurface(), nullptr) << c.what;
    EXPECT_EQ(buffer.GetWidth(), c.width);
    EXPECT_EQ(PixelRows(buffer), NumberedRows(c.width, c.height)) << c.what;
    EXPECT_EQ(buffer.LoadImageFile(), 0u);
  }
}

TEST_F(BitmapFileTest, ABadFileGivesABufferWithoutSurfaceAndNamesTheField) {
  const std::vector<uint8_t> good = WriteBmp(5, 3, Numbered(5, 3), Greys(16));
  const size_t tableEnd = 14 + 40 + 16 * 4;
  using Bytes = std::vector<uint8_t>;
  const struct {
    const char* field;
    std::function<void(Bytes&)> spoil;
  } cases[] = {
      {"signature", [](Bytes& b) { b[1] = 'A'; }},
      {"header size", [](Bytes& b) { PutU32(b, 14, 39); }},
      {"header size", [](Bytes& b) { PutU32(b, 14, 0xFFFFFF00); }},
      {"width", [](Bytes& b) { PutU32(b, 18, 0); }},
      {"width", [](Bytes& b) { PutU32(b, 18, 4097); }},
      {"height", [](Bytes& b) { PutU32(b, 22, 0); }},
      {"height", [](Bytes& b) { PutU32(b, 22, static_cast<uint32_t>(-4097)); }},
      {"bit count", [](Bytes& b) { b[28] = 4; }},
      {"compression", [](Bytes& b) { PutU32(b, 30, 1); }},
      {"colour count", [](Bytes& b) { PutU32(b, 46, 257); }},
      {"colour table", [&](Bytes& b) { PutU32(b, 46, 0), b.resize(tableEnd); }},
      {"pixel offset", [](Bytes& b) { PutU32(b, 10, 0xFFFFFFF0); }},
      {"pixel offset", [&](Bytes& b) { b.resize(tableEnd + 8 * 3 - 1); }},
      {"file size", [](Bytes& b) { b.resize(40); }},
  };
  for (const auto& c : cases) {
    Bytes bytes = good;
    c.spoil(bytes);
    const std::string path = Save(bytes);
    CBackBuffer buffer(path.c_str());
    EXPECT_EQ(buffer.GetSurface(), nullptr) << c.field;
    EXPECT_EQ(buffer.GetWidth(), 0) << c.field;
    ASSERT_FALSE(gpDebugConsole->Log().empty());
    EXPECT_EQ(gpDebugConsole->Log().back(), "Bad bitmap file " + path + ": " + c.field + ".");
    uint32_t entries[256];
    EXPECT_EQ(LoadBitmapPalette(path.c_str(), entries), 0x80000000u) << c.field;
  }
}

TEST_F(BitmapFileTest, AMissingFileGivesAnEmptyBufferWithoutAMessage) {
  CBackBuffer buffer(folder.Game("missing.bmp").c_str());
  EXPECT_EQ(buffer.GetSurface(), nullptr);
  EXPECT_EQ(buffer.GetHeight(), 0);
  EXPECT_TRUE(gpDebugConsole->Log().empty());
  EXPECT_EQ(buffer.LoadImageFile(), kErrorImageFile);
}

TEST_F(BitmapFileTest, LoadBitmapPaletteReadsTheColourTable) {
  std::vector<Rgb> colours = Greys(16);
  colours[3] = {0x12, 0x34, 0x56};
  const std::string path = Save(WriteBmp(2, 2, Numbered(2, 2), colours, {.headerSize = 124}));
  uint32_t entries[256] = {};
  entries[16] = 0xABCDEF;
  ASSERT_EQ(LoadBitmapPalette(path.c_str(), entries), 0u);
  EXPECT_EQ(entries[3], 0x123456u);
  EXPECT_EQ(entries[15], 0x0F0F07u);
  EXPECT_EQ(entries[16], 0xABCDEFu);
  EXPECT_EQ(LoadBitmapPalette(folder.Game("missing.bmp").c_str(), entries), 0x80000000u);
}
