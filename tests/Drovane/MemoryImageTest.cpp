#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/MemoryImage.h"

using platform::Rect;
using Pixels = std::vector<std::vector<uint8_t>>;

namespace {

Pixels PixelRows(MemoryImage& image) {
  Pixels rows;
  if (image.Lock() == 0) return rows;
  for (int32_t y = 0; y < image.mHeight; ++y) {
    const uint8_t* row = image.mpBits + y * image.mStride;
    rows.emplace_back(row, row + image.mWidth);
  }
  image.Unlock();
  return rows;
}

void Paint(MemoryImage& image, const Pixels& rows) {
  ASSERT_GT(image.Lock(), 0);
  for (size_t y = 0; y < rows.size(); ++y) {
    std::copy(rows[y].begin(), rows[y].end(), image.mpBits + y * image.mStride);
  }
  image.Unlock();
}

}  // namespace

TEST(MemoryImageTest, RowsAreWholeWords) {
  const int32_t widths[][2] = {{13, 16}, {16, 16}, {1, 4}};
  for (const auto& w : widths) {
    MemoryImage image(w[0], 2, 0);
    ASSERT_EQ(image.Lock(), 1);
    EXPECT_EQ(image.mStride, w[1]);
    image.Unlock();
  }
}

TEST(MemoryImageTest, NestedLocksLockTheBlockOnce) {
  MemoryImage image(3, 3, 0x105);
  const int32_t before = gLockCount;
  EXPECT_EQ(image.Lock(), 1);
  EXPECT_EQ(image.Lock(), 2);
  EXPECT_EQ(gLockCount, before + 2);
  EXPECT_EQ(image.mpBits[0], 5);
  EXPECT_EQ(image.Unlock(), 1);
  EXPECT_EQ(image.Unlock(), 0);
  EXPECT_EQ(image.mpBits, nullptr);
  EXPECT_EQ(gLockCount, before);
  EXPECT_EQ(image.GetMemory().lockCalls, 2);  // one to fill it at construction
  EXPECT_EQ(image.GetMemory().unlockCalls, 2);
  EXPECT_EQ(image.Unlock(), 0);
  EXPECT_EQ(gLockCount, before);
}

TEST(MemoryImageTest, AnEmptySizeGivesAnImageWithoutPixels) {
  MemoryImage image(0, 4, 1);
  EXPECT_EQ(image.GetWidth(), 0);
  EXPECT_EQ(image.Lock(), 0);
}

TEST(MemoryImageTest, CopiesARectangleOfALockedImage) {
  MemoryImage source(4, 3, 0);
  Paint(source, {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}});
  ASSERT_GT(source.Lock(), 0);
  MemoryImage copy(&source, 1, 1, 3, 3);
  MemoryImage outside(&source, 2, 0, 5, 2);
  source.Unlock();
  EXPECT_EQ(PixelRows(copy), (Pixels{{6, 7}, {10, 11}}));
  EXPECT_EQ(outside.GetWidth(), 0);
}

TEST(MemoryImageTest, CopyScaledWritesEachSourcePixelAsABlock) {
  MemoryImage source(2, 2, 0);
  Paint(source, {{1, 2}, {3, 4}});
  MemoryImage dest(5, 5, 9);
  EXPECT_EQ(source.CopyScaled(&dest, 0, 0, 2, 2, 1, 0, 4, 4), 0u);
  EXPECT_EQ(PixelRows(dest), (Pixels{{9, 1, 1, 2, 2}, {9, 1, 1, 2, 2}, {9, 3, 3, 4, 4}, {9, 3, 3, 4, 4}, {9, 9, 9, 9, 9}}));
  EXPECT_EQ(source.CopyRectTo(&dest, 0, 4, 5, 5, 1, 1, 2, 2), 0u);
  EXPECT_EQ(PixelRows(dest)[4], (std::vector<uint8_t>{4, 4, 4, 4, 4}));
}

TEST(MemoryImageTest, CopyScaledRefusesWhatDoesNotFit) {
  MemoryImage source(3, 3, 1);
  MemoryImage dest(4, 4, 0);
  const struct {
    int32_t srcX, srcY, srcW, srcH, destX, destY, destW, destH;
  } cases[] = {
      {0, 0, 3, 3, 2, 0, 3, 3},  {0, 0, 3, 3, 0, -1, 3, 3}, {1, 0, 3, 3, 0, 0, 3, 3},
      {0, -1, 2, 2, 0, 0, 2, 2}, {0, 0, 3, 3, 0, 0, 2, 4},  {0, 0, 3, 3, 0, 0, 4, 2},
      {0, 0, 0, 2, 0, 0, 2, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(source.CopyScaled(&dest, c.srcX, c.srcY, c.srcW, c.srcH, c.destX, c.destY, c.destW, c.destH),
              0x80000000u);
  }
  EXPECT_EQ(source.CopyScaled(nullptr, 0, 0, 1, 1, 0, 0, 1, 1), 0x80000000u);
  EXPECT_EQ(PixelRows(dest), Pixels(4, std::vector<uint8_t>(4, 0)));
  EXPECT_EQ(gLockCount, 0);
}

TEST(MemoryImageTest, ComposeClippedStaysInsideTheClipAndTheDestination) {
  MemoryImage source(3, 2, 0);
  Paint(source, {{1, 2, 3}, {4, 5, 6}});
  const struct {
    int32_t x, y;
    Rect clip;
    Pixels expected;
  } cases[] = {
      {0, 0, {0, 0, 4, 3}, {{1, 2, 3, 0}, {4, 5, 6, 0}, {0, 0, 0, 0}}},
      {2, 2, {0, 0, 4, 3}, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 1, 2}}},
      {-1, -1, {0, 0, 100, 100}, {{5, 6, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
      {0, 0, {1, 1, 3, 2}, {{0, 0, 0, 0}, {0, 5, 6, 0}, {0, 0, 0, 0}}},
      {1, 0, {0, 0, 1, 3}, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
      {4, 0, {0, 0, 8, 8}, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
  };
  for (const auto& c : cases) {
    MemoryImage dest(4, 3, 0);
    EXPECT_EQ(source.ComposeClipped(&dest, c.x, c.y, c.clip.left, c.clip.top, c.clip.right, c.clip.bottom), 0u);
    EXPECT_EQ(PixelRows(dest), c.expected) << c.x << ", " << c.y;
  }
}

TEST(MemoryImageTest, FillPixelsIsClampedAndNeedsARectangle) {
  MemoryImage image(4, 4, 0);
  const Rect corner{-5, -5, 3, 3};
  image.FillPixels(0x102, &corner);
  image.FillPixels(7, nullptr);
  const Rect inverted{3, 3, 1, 1};
  image.FillPixels(7, &inverted);
  EXPECT_EQ(PixelRows(image), (Pixels{{2, 2, 2, 0}, {2, 2, 2, 0}, {2, 2, 2, 0}, {0, 0, 0, 0}}));
}
