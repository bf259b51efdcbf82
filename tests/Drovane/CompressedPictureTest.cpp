#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "Drovane/CompressedPicture.h"
#include "Drovane/CompressedRows.h"
#include "Drovane/DebugConsole.h"
#include "Drovane/DebugLog.h"
#include "Drovane/MemoryImage.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr uint8_t kPaper = 0xEE;

void Append16(Bytes& bytes, int32_t value) {
  bytes.push_back(static_cast<uint8_t>(value));
  bytes.push_back(static_cast<uint8_t>(value >> 8));
}

// A row: its length, then the runs.
Bytes Row(const Bytes& runs) {
  Bytes row(runs.size() + 2);
  row[0] = static_cast<uint8_t>(row.size());
  row[1] = static_cast<uint8_t>(row.size() >> 8);
  std::copy(runs.begin(), runs.end(), row.begin() + 2);
  return row;
}

// The picture: the 9-byte header and the rows.
Bytes Picture(int32_t width, int32_t height, const std::vector<Bytes>& rows, uint8_t key = 0, int32_t xOffset = 0,
              int32_t yOffset = 0) {
  Bytes bytes;
  for (int32_t value : {width, height, xOffset, yOffset}) Append16(bytes, value);
  bytes.push_back(key);
  for (const Bytes& row : rows) bytes.insert(bytes.end(), row.begin(), row.end());
  return bytes;
}

// A row of kind 1 literals of the given values.
Bytes LiteralRow(const Bytes& values) {
  Bytes runs = {1, static_cast<uint8_t>(values.size() - 1)};
  runs.insert(runs.end(), values.begin(), values.end());
  return Row(runs);
}

// Pictures are read from the current folder: each test works in a folder of its own.
class CompressedPictureTest : public testing::Test {
protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("halvorine-pictures-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    CreateDebugConsole();
  }
  void TearDown() override {
    DestroyDebugConsole();
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
  }

  static void WriteFile(const std::string& name, const Bytes& bytes) {
    std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
  }
  // A picture file: the byte count (the picture's own unless given) and the picture.
  static void WritePicture(int32_t number, const Bytes& picture, int64_t count = -1) {
    Bytes file;
    const auto value = static_cast<uint32_t>(count < 0 ? picture.size() : count);
    for (int shift = 0; shift < 32; shift += 8) file.push_back(static_cast<uint8_t>(value >> shift));
    file.insert(file.end(), picture.begin(), picture.end());
    WriteFile(CompressedPicture::FileName(number), file);
  }

  // Draws picture 1 into a width x height image of kPaper and returns its rows.
  static std::vector<Bytes> Drawn(int32_t width, int32_t height, int32_t x, int32_t y, platform::Rect clip) {
    MemoryImage image(width, height, kPaper);
    CompressedPicture picture(1);
    std::vector<Bytes> rows;
    if (image.Lock() == 0) return rows;
    if (picture.Lock() > 0) {
      EXPECT_EQ(picture.Draw(&image, x, y, clip.left, clip.top, clip.right, clip.bottom), 0u);
      picture.Unlock();
    }
    for (int32_t row = 0; row < height; ++row) {
      rows.emplace_back(image.mpBits + row * image.mStride, image.mpBits + row * image.mStride + width);
    }
    image.Unlock();
    return rows;
  }
  static const std::string& LastDebugLine() { return gpDebugConsole->Log().back(); }

  std::filesystem::path folder;
  std::filesystem::path previous;
};

constexpr uint8_t P = kPaper;
const platform::Rect kWide{-1000, -1000, 1000, 1000};

TEST_F(CompressedPictureTest, TheFileIsNamedByFiveDigits) {
  EXPECT_EQ(CompressedPicture::FileName(42), "pic00042.mxs");
  EXPECT_EQ(CompressedPicture::FileName(99999), "pic99999.mxs");
  WritePicture(42, Picture(1, 1, {LiteralRow({3})}));
  CompressedPicture picture(42);
  EXPECT_EQ(picture.Lock(), 1);
  EXPECT_EQ(picture.Unlock(), 0);
  EXPECT_EQ(CompressedPicture(43).Lock(), 0);
}

TEST_F(CompressedPictureTest, RunsRepeatSkipAndCopy) {
  WritePicture(1, Picture(7, 1, {Row({2, 3, 7, 3, 1, 1, 0, 9})}));
  EXPECT_EQ(Drawn(10, 1, 0, 0, kWide)[0], (Bytes{7, 7, 7, 7, P, P, 9, P, P, P}));
}

TEST_F(CompressedPictureTest, KeyedRunsLeaveTheKeyColour) {
  WritePicture(1, Picture(3, 1, {Row({4, 2, 5, 0, 6})}, 0));
  EXPECT_EQ(Drawn(3, 1, 0, 0, kWide)[0], (Bytes{5, P, 6}));
}

TEST_F(CompressedPictureTest, OtherKindsWriteAndPassNothing) {
  WritePicture(1, Picture(3, 1, {Row({9, 4, 2, 1, 8})}));
  EXPECT_EQ(Drawn(3, 1, 0, 0, kWide)[0], (Bytes{8, 8, P}));
}

TEST_F(CompressedPictureTest, OffsetsMoveThePicture) {
  WritePicture(1, Picture(2, 1, {LiteralRow({1, 2})}, 0, 2, 1));
  EXPECT_EQ(Drawn(4, 2, 0, 0, kWide), (std::vector<Bytes>{{P, P, P, P}, {P, P, 1, 2}}));
}

struct ClipCase {
  const char* name;
  int32_t x, y;
  platform::Rect clip;
  std::vector<Bytes> expected;
};

void PrintTo(const ClipCase& c, std::ostream* os) { *os << c.name; }

class CompressedPictureClipTest : public CompressedPictureTest, public testing::WithParamInterface<ClipCase> {};

// A 10 x 2 picture of literal runs (0..9 and 10..19) into a 12 x 3 image.
TEST_P(CompressedPictureClipTest, ClipsOnEverySide) {
  WritePicture(1, Picture(10, 2, {LiteralRow({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
                                  LiteralRow({10, 11, 12, 13, 14, 15, 16, 17, 18, 19})}));
  EXPECT_EQ(Drawn(12, 3, GetParam().x, GetParam().y, GetParam().clip), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, CompressedPictureClipTest,
    testing::Values(
        ClipCase{"left", 0, 0, {3, 0, 12, 3},
                 {{P, P, P, 3, 4, 5, 6, 7, 8, 9, P, P}, {P, P, P, 13, 14, 15, 16, 17, 18, 19, P, P}, Bytes(12, P)}},
        ClipCase{"right", 0, 0, {0, 0, 4, 3},
                 {{0, 1, 2, 3, P, P, P, P, P, P, P, P}, {10, 11, 12, 13, P, P, P, P, P, P, P, P}, Bytes(12, P)}},
        ClipCase{"top", 1, 0, {0, 1, 12, 3},
                 {Bytes(12, P), {P, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, P}, Bytes(12, P)}},
        ClipCase{"bottom", 1, 1, {0, 0, 12, 2},
                 {Bytes(12, P), {P, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, P}, Bytes(12, P)}},
        ClipCase{"image_left", -8, 1, kWide,
                 {Bytes(12, P), {8, 9, P, P, P, P, P, P, P, P, P, P}, {18, 19, P, P, P, P, P, P, P, P, P, P}}},
        ClipCase{"image_right_and_bottom", 9, 2, kWide,
                 {Bytes(12, P), Bytes(12, P), {P, P, P, P, P, P, P, P, P, 0, 1, 2}}},
        ClipCase{"wholly_above", 0, 0, {0, 2, 12, 3}, {Bytes(12, P), Bytes(12, P), Bytes(12, P)}},
        ClipCase{"wholly_below", 0, 1, {0, 0, 12, 1}, {Bytes(12, P), Bytes(12, P), Bytes(12, P)}}),
    [](const testing::TestParamInfo<ClipCase>& info) { return info.param.name; });

TEST_F(CompressedPictureTest, DamagedFilesGiveAnEmptyPictureAndADebugLine) {
  const Bytes good = Picture(1, 1, {LiteralRow({3})});
  struct Case {
    const char* name;
    Bytes picture;
    int64_t count;
  };
  const Case cases[] = {{"zero_count", good, 0},
                        {"count_past_the_end", good, static_cast<int64_t>(good.size()) + 1},
                        {"short_header", Bytes{1, 0, 1, 0}, -1},
                        {"negative_width", Picture(-1, 1, {LiteralRow({3})}), -1},
                        {"negative_height", Picture(1, -2, {LiteralRow({3})}), -1}};
  for (const Case& c : cases) {
    WritePicture(7, c.picture, c.count);
    const size_t lines = gpDebugConsole->Log().size();
    CompressedPicture picture(7);
    EXPECT_EQ(picture.Lock(), 0) << c.name;
    EXPECT_EQ(gpDebugConsole->Log().size(), lines + 1) << c.name;
  }
  for (int32_t number : {-1, 100000, INT32_MAX}) {
    CompressedPicture picture(number);
    EXPECT_EQ(picture.Lock(), 0);
    EXPECT_NE(LastDebugLine().find("outside 0-99999"), std::string::npos);
  }
}

struct DamageCase {
  const char* name;
  int32_t width;
  int32_t height;
  std::vector<Bytes> rows;
  std::vector<Bytes> expected;
};

void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

class CompressedPictureDamageTest : public CompressedPictureTest, public testing::WithParamInterface<DamageCase> {};

TEST_P(CompressedPictureDamageTest, DrawsOnlyWhatFits) {
  const DamageCase& c = GetParam();
  WritePicture(1, Picture(c.width, c.height, c.rows));
  EXPECT_EQ(Drawn(6, 3, 0, 0, kWide), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CompressedPictureDamageTest,
    testing::Values(
        DamageCase{"missing_rows", 2, 3, {LiteralRow({1, 2}), LiteralRow({3, 4})},
                   {{1, 2, P, P, P, P}, {3, 4, P, P, P, P}, Bytes(6, P)}},
        DamageCase{"row_length_below_two", 2, 2, {Bytes{1, 0}, LiteralRow({3, 4})}, {Bytes(6, P), Bytes(6, P), Bytes(6, P)}},
        DamageCase{"row_past_the_block", 2, 2, {LiteralRow({1, 2}), Bytes{40, 0, 1, 1, 5, 6}},
                   {{1, 2, P, P, P, P}, Bytes(6, P), Bytes(6, P)}},
        DamageCase{"run_past_its_row", 4, 2, {Row({2, 1, 7, 1, 5, 8}), LiteralRow({1, 2, 3, 4})},
                   {{7, 7, P, P, P, P}, {1, 2, 3, 4, P, P}, Bytes(6, P)}},
        DamageCase{"row_wider_than_the_picture", 3, 1, {Row({2, 255, 9})}, {{9, 9, 9, P, P, P}, Bytes(6, P), Bytes(6, P)}},
        DamageCase{"skip_run_at_the_blocks_end", 5, 1, {Row({2, 0, 5, 3, 3})}, {{5, P, P, P, P, P}, Bytes(6, P), Bytes(6, P)}},
        DamageCase{"odd_byte_at_row_end", 2, 1, {Row({2, 1, 6, 1})}, {{6, 6, P, P, P, P}, Bytes(6, P), Bytes(6, P)}}),
    [](const testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

TEST_F(CompressedPictureTest, NothingIsDrawnWithoutALock) {
  WritePicture(1, Picture(1, 1, {LiteralRow({3})}));
  MemoryImage image(2, 2, kPaper);
  CompressedPicture picture(1);
  ASSERT_GT(image.Lock(), 0);
  picture.Draw(&image, 0, 0, 0, 0, 2, 2);
  EXPECT_EQ(image.mpBits[0], kPaper);
  image.Unlock();
  EXPECT_EQ(picture.Unlock(), 0);
}

}  // namespace
