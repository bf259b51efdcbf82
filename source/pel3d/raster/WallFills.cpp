#include "pel3d/raster/WallFills.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/math/View.h"
#include "pel3d/math/ViewFrameBuffer.h"
#include "pel3d/raster/ColumnPolygon.h"
#include "pel3d/raster/TexelRun.h"
#include "pel3d/raster/TexelWrites.h"
#include "pel3d/raster/TexturedPolygonSetUp.h"
#include "pel3d/raster/WallShape.h"

namespace {

constexpr int64_t kOne = 0x10000;  // 1.0 in 16.16
// The depth scale of the column heights: only ratios of K / h matter, and 2^40 keeps
// them precise for every height a wall within reach of the view can have.
constexpr int64_t kDepthScale = int64_t{1} << 40;
constexpr int64_t kParallelEdges = 0x200;

int32_t Low32(int64_t value) { return static_cast<int32_t>(value); }

enum class WallMode { kLinear, kEveryFourColumns, kAdaptive };

// Where the top and bottom edges stand at the current column (16.16), their slopes per
// column and the one-time corrections for the first column's fraction.
struct WallEdges {
  int64_t top = 0;
  int64_t bottom = 0;
  int64_t topSlope = 0;
  int64_t bottomSlope = 0;
  int64_t topCorrection = 0;
  int64_t bottomCorrection = 0;

  // The column height c columns on from the current one.
  int64_t HeightAhead(int64_t c) const { return (bottom + c * bottomSlope) - (top + c * topSlope); }

  void Step() {
    top += topSlope + topCorrection;
    bottom += bottomSlope + bottomCorrection;
    topCorrection = bottomCorrection = 0;
  }
};

// u across the wall as a function of column height, the height being the inverse depth.
class PerspectiveU {
public:
  PerspectiveU(int64_t u0, int64_t u1, int64_t h0, int64_t h1)
      : mU0(u0), mSpan(u1 - u0), mLow(std::min(u0, u1)), mHigh(std::max(u0, u1)), mZ0(kDepthScale / h0),
        mZ1(kDepthScale / h1) {}

  // The perspective modes need two different depths from two positive heights.
  static bool Possible(int64_t h0, int64_t h1) {
    return h0 > 0 && h1 > 0 && kDepthScale / h0 != kDepthScale / h1;
  }

  // The u of a column of height h, held to the wall's u range; heights under a pixel (only
  // where edges cross beyond the wall) count as one.
  int64_t Target(int64_t h) const {
    const int64_t z = kDepthScale / std::max(h, kOne);
    return std::clamp(mU0 + (z - mZ0) * mSpan / (mZ1 - mZ0), mLow, mHigh);
  }

private:
  int64_t mU0, mSpan, mLow, mHigh, mZ0, mZ1;
};

template <class Write>
class WallWalk {
public:
  WallWalk(const WallCorners& corners, const Bitmap& bitmap, bool lowerBottom, const Write& write)
      : mBitmap(bitmap), mWrite(write) {
    mX0 = int64_t{corners.topLeft->x} << 4;
    const int64_t x1 = int64_t{corners.topRight->x} << 4;
    mColumns = (x1 >> 16) - (mX0 >> 16);
    mU = ClampTexCoord(corners.topLeft->u, bitmap.height);
    mU1 = ClampTexCoord(corners.topRight->u, bitmap.height);
    mVTop = ClampTexCoord(corners.topLeft->v, bitmap.width);
    mVBottom = ClampTexCoord(corners.bottomLeft->v, bitmap.width);
    if (mColumns > 0) SetUp(corners, x1 - mX0, lowerBottom);
  }

  void Run() {
    const int64_t firstColumn = mX0 >> 16;
    const int64_t clipLeft = gView.clip.left >> 12;
    const int64_t clipRight = std::min<int64_t>(gView.clip.right >> 12, gView.pitch);
    for (int64_t c = 0; c < mColumns && firstColumn + c < clipRight; ++c) {
      UpdateStep(mColumns - c);
      const int64_t row = std::clamp(mU, std::min(mU0, mU1), std::max(mU0, mU1)) >> 16;
      mU += mUStep;
      if (firstColumn + c >= clipLeft && firstColumn + c >= 0) DrawColumn(firstColumn + c, row);
      mEdges.Step();
    }
  }

private:
  void SetUp(const WallCorners& corners, int64_t width, bool lowerBottom) {
    mU0 = mU;
    if (width < kOne) {
      mEdges.top = (int64_t{corners.topLeft->y} << 4) - kOne;
      mEdges.bottom = (int64_t{corners.bottomLeft->y} << 4) + kOne;
      mUStep = ((mU1 - mU) << 16) / width;
      return;
    }
    const int64_t span = std::max(width - kOne, kOne);
    const int64_t topLeft = (int64_t{corners.topLeft->y} << 4) - kOne;
    const int64_t topRight = (int64_t{corners.topRight->y} << 4) - kOne;
    int64_t bottomLeft = (int64_t{corners.bottomLeft->y} << 4) + kOne;
    int64_t bottomRight = (int64_t{corners.bottomRight->y} << 4) + kOne;
    const int64_t fraction = mX0 & 0xFFFF;
    mEdges.topSlope = Low32(((topRight - topLeft) << 16) / span) - int64_t{1};
    mEdges.bottomSlope = Low32(((bottomRight - bottomLeft) << 16) / span) + int64_t{1};
    if (lowerBottom && mEdges.bottomSlope >= 0) {
      bottomLeft += mEdges.bottomSlope;
      bottomRight += mEdges.bottomSlope;
    }
    mEdges.top = topLeft;
    mEdges.bottom = bottomLeft;
    mEdges.topCorrection = -((fraction * mEdges.topSlope) >> 16);
    mEdges.bottomCorrection = -((fraction * mEdges.bottomSlope) >> 16);
    mUStep = ((mU1 - mU) << 16) / width;
    ChooseMode(bottomLeft - topLeft, bottomRight - topRight);
  }

  void ChooseMode(int64_t h0, int64_t h1) {
    const int64_t converging = std::abs(mEdges.topSlope - mEdges.bottomSlope);
    if (converging <= kParallelEdges || !PerspectiveU::Possible(h0, h1)) return;
    mPerspective.emplace(mU0, mU1, h0, h1);
    if (5 * converging >= kOne) {
      if (mColumns <= 8) return;
      int64_t first = mColumns & 7;
      if (first < 4) first += 4;
      mMode = WallMode::kEveryFourColumns;
      mUStep = (mPerspective->Target(HeightAtColumn(first)) - mU0) / first;
      return;
    }
    const int64_t change = std::min<int64_t>(std::abs(h0 - h1) / mColumns, 0xFFFF);
    if (change == 0) return;
    mSegment = std::min(kOne / change + 1, mColumns);
    mHeightChange = change;
    mMode = WallMode::kAdaptive;
    mUStep = (mPerspective->Target(HeightAtColumn(mSegment)) - mU0) / mSegment;
  }

  // The column height c columns from the first, its fraction corrected as the walk does.
  int64_t HeightAtColumn(int64_t c) const {
    const int64_t top = mEdges.top + c * mEdges.topSlope + mEdges.topCorrection;
    const int64_t bottom = mEdges.bottom + c * mEdges.bottomSlope + mEdges.bottomCorrection;
    return bottom - top;
  }

  void UpdateStep(int64_t columnsLeft) {
    if (mMode == WallMode::kEveryFourColumns && columnsLeft % 4 == 0) {
      mUStep = (mPerspective->Target(mEdges.HeightAhead(4)) - mU) >> 2;
    } else if (mMode == WallMode::kAdaptive) {
      mChangeSum += mHeightChange;
      if (mChangeSum < kOne) return;
      mChangeSum = 0;
      mUStep = (mPerspective->Target(mEdges.HeightAhead(mSegment)) - mU) / mSegment;
    }
  }

  void DrawColumn(int64_t column, int64_t bitmapRow) const {
    const int64_t clipTop = int64_t{gView.clip.top} << 4;
    const int64_t clipBottom = int64_t{gView.clip.bottom} << 4;
    const int64_t top = mEdges.top;
    const int64_t bottom = mEdges.bottom;
    if (bottom < clipTop) return;
    const int64_t clipped = top < clipTop ? clipTop - top : 0;
    const int64_t firstRow = std::max(top, clipTop) >> 16;
    const int64_t end = std::min(bottom, clipBottom);
    const int64_t rowsInTable = static_cast<int64_t>(gView.rowOffsets.size()) - firstRow;
    const int64_t count = std::min((end >> 16) - firstRow, rowsInTable);
    if (count <= 0 || firstRow < 0) return;
    const int64_t vStep = ((mVBottom - mVTop) << 16) / (bottom - top + 2 * kOne);
    const TexelRun run{mBitmap.pixels + std::size_t{mBitmap.width} * static_cast<uint64_t>(bitmapRow),
                       static_cast<int32_t>(mBitmap.width), (mVTop >> 4) + ((clipped * vStep) >> 20),
                       Low32(vStep >> 4), 0, static_cast<int32_t>(count)};
    uint8_t* out = gViewFrameBuffer.pixels + gView.rowOffsets[static_cast<std::size_t>(firstRow)] + column;
    DrawTexelRun(run, out, gView.pitch, mWrite);
  }

  const Bitmap& mBitmap;
  const Write& mWrite;
  int64_t mX0 = 0;
  int64_t mColumns = 0;
  int64_t mU = 0;
  int64_t mU0 = 0;
  int64_t mU1 = 0;
  int64_t mUStep = 0;
  int64_t mVTop = 0;
  int64_t mVBottom = 0;
  WallEdges mEdges;
  WallMode mMode = WallMode::kLinear;
  std::optional<PerspectiveU> mPerspective;
  int64_t mSegment = 1;
  int64_t mHeightChange = 0;
  int64_t mChangeSum = 0;
};

template <class Write>
void DrawWall(const DrawBlock& block, bool lowerBottom, const Write& write, void (*otherPolygon)(const DrawBlock&)) {
  if (!IsUsableTexture(block.bitmap) || !gViewFrameBuffer.pixels) return;
  const std::optional<WallCorners> corners = FindWallCorners(block.vertices, block.vertexCount);
  if (!corners) {
    otherPolygon(block);
    return;
  }
  WallWalk<Write>(*corners, *block.bitmap, lowerBottom, write).Run();
}

}  // namespace

void DrawWallColumns(const DrawBlock& block) { DrawWall(block, true, OpaqueTexel{}, DrawColumnPolygonOpaque); }

void DrawWallColumnsKeyed(const DrawBlock& block) {
  DrawWall(block, false, KeyedTexel{}, DrawColumnPolygonKeyed);
}
