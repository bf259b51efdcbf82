#include "pel3d/raster/ColumnPolygon.h"

#include <algorithm>

#include "pel3d/bodies/Body.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/math/View.h"
#include "pel3d/math/ViewFrameBuffer.h"
#include "pel3d/raster/TexelRun.h"
#include "pel3d/raster/TexelWrites.h"
#include "pel3d/raster/TexturedPolygonSetUp.h"

namespace {

constexpr int32_t kNoNextX = 0x7FFFFFF;

int32_t Low32(int64_t value) { return static_cast<int32_t>(value); }

// A 20.12 slope per column from a to b over dx, and the correction of its first step for
// a's fraction of a column.
struct Slope {
  int32_t step = 0;
  int32_t correction = 0;
};

Slope SlopeOver(int32_t from, int32_t to, int32_t fromX, int64_t dx) {
  Slope slope;
  slope.step = Low32(((int64_t{to} - from) << 12) / dx);
  slope.correction = -Low32((int64_t{fromX & 0xFFF} * slope.step) >> 12);
  return slope;
}

// One chain of edges from the leftmost vertex to the rightmost: the top chain walks the
// vertices forwards, the bottom chain backwards.
struct Chain {
  int direction = 1;
  const ScreenVertex* next = nullptr;  // the vertex the current edge runs to
  int32_t nextX = kNoNextX;
  int32_t columns = 0;
  int32_t y = 0;
  int32_t v = 0;
  Slope ySlope;
  Slope vSlope;

  void Step() {
    y += ySlope.step + ySlope.correction;
    v += vSlope.step + vSlope.correction;
    ySlope.correction = vSlope.correction = 0;
  }
};

template <class Write>
class ColumnWalk {
public:
  ColumnWalk(const ScreenVertex* vertices, int32_t count, const Bitmap& bitmap, const Write& write)
      : mFirst(vertices), mLast(vertices + count - 1), mBitmap(bitmap), mWrite(write) {}

  void Run() {
    FindLeftAndRight();
    mTop.direction = +1;
    mBottom.direction = -1;
    mTop.next = mBottom.next = mLeftmost;
    if (!SetUpEdge(mTop, mBottom) || !SetUpEdge(mBottom, mTop)) return;
    for (;;) {
      DrawColumn();
      if (--mTop.columns <= 0) {
        if (!SetUpEdge(mTop, mBottom)) return;
      } else {
        mTop.Step();
        mU += mUSlope.step + mUSlope.correction;
        mUSlope.correction = 0;
        ++mColumn;
      }
      if (--mBottom.columns <= 0) {
        if (!SetUpEdge(mBottom, mTop)) return;
      } else {
        mBottom.Step();
      }
    }
  }

private:
  void FindLeftAndRight() {
    mLeftmost = mRightmost = mFirst;
    for (const ScreenVertex* v = mFirst + 1; v <= mLast; ++v) {
      if (v->x < mLeftmost->x) mLeftmost = v;
      if (v->x > mRightmost->x) mRightmost = v;
    }
  }

  const ScreenVertex* Neighbour(const ScreenVertex* v, int direction) const {
    if (direction < 0) return v == mFirst ? mLast : v - 1;
    return v == mLast ? mFirst : v + 1;
  }

  // Starts the chain's next edge that spans a column, restarting u; false at the right
  // vertex. Edges of no column, and leftward edges of a polygon that is not convex, are
  // passed over.
  bool SetUpEdge(Chain& chain, const Chain& other) {
    for (;;) {
      const ScreenVertex* a = chain.next;
      if (a == mRightmost) return false;
      const ScreenVertex* b = Neighbour(a, chain.direction);
      chain.next = b;
      chain.nextX = b->x;
      mColumn = a->x >> 12;
      chain.columns = (b->x >> 12) - (a->x >> 12);
      if (chain.columns <= 0) continue;
      const int64_t dx = std::max<int64_t>(int64_t{b->x} - a->x, 0x1000);
      chain.y = a->y;
      chain.v = a->v;
      chain.ySlope = SlopeOver(a->y, b->y, a->x, dx);
      chain.vSlope = SlopeOver(a->v, b->v, a->x, dx);
      SetUpU(*a, *b, dx, other);
      return true;
    }
  }

  // u runs between consecutive vertices in order of x, whichever chain they lie on.
  void SetUpU(const ScreenVertex& a, const ScreenVertex& b, int64_t dx, const Chain& other) {
    mU = a.u;
    const bool otherIsNearer = b.x > other.nextX && other.nextX > a.x && other.next;
    if (otherIsNearer) {
      mUSlope = SlopeOver(a.u, other.next->u, a.x, int64_t{other.next->x} - a.x);
    } else {
      mUSlope = SlopeOver(a.u, b.u, a.x, dx);
    }
  }

  void DrawColumn() {
    const int32_t topRow = mTop.y >> 12;
    const int32_t count = (mBottom.y >> 12) - topRow;
    if (count <= 0 || !Fits(topRow, count)) return;
    const int32_t vStep = Low32(((int64_t{mBottom.v} - mTop.v) << 8) / (int64_t{mBottom.y} - mTop.y + 0x2000));
    const int32_t bitmapRow = std::clamp(mU >> 16, 0, static_cast<int32_t>(mBitmap.height) - 1);
    const TexelRun run{mBitmap.pixels + std::size_t{mBitmap.width} * static_cast<uint32_t>(bitmapRow),
                       static_cast<int32_t>(mBitmap.width), mTop.v >> 4, vStep, 0, count};
    uint8_t* out = gViewFrameBuffer.pixels + gView.rowOffsets[static_cast<std::size_t>(topRow)] + mColumn;
    DrawTexelRun(run, out, gView.pitch, mWrite);
  }

  // The column's pixels lie in the frame buffer (a screen-clipped polygon always does).
  bool Fits(int32_t topRow, int32_t count) const {
    if (mColumn < 0 || mColumn >= gView.pitch || topRow < 0) return false;
    return int64_t{topRow} + count <= static_cast<int64_t>(gView.rowOffsets.size());
  }

  const ScreenVertex* mFirst;
  const ScreenVertex* mLast;
  const Bitmap& mBitmap;
  const Write& mWrite;
  const ScreenVertex* mLeftmost = nullptr;
  const ScreenVertex* mRightmost = nullptr;
  Chain mTop;
  Chain mBottom;
  int32_t mColumn = 0;
  int32_t mU = 0;
  Slope mUSlope;
};

template <class Write>
void WalkColumns(const DrawBlock& block, const Write& write) {
  const TexturedPolygonSetUp polygon(block, TexelAxes::kURowVColumn);
  if (polygon.Empty() || polygon.Count() < 2 || !gViewFrameBuffer.pixels) return;
  ColumnWalk<Write>(polygon.Vertices(), polygon.Count(), polygon.Texture(), write).Run();
}

}  // namespace

void DrawColumnPolygon(const DrawBlock& block) {
  if (block.face && (block.face->flags & kFaceTransparent)) {
    DrawColumnPolygonKeyed(block);
    return;
  }
  DrawColumnPolygonOpaque(block);
}

void DrawColumnPolygonOpaque(const DrawBlock& block) { WalkColumns(block, OpaqueTexel{}); }

void DrawColumnPolygonKeyed(const DrawBlock& block) { WalkColumns(block, KeyedTexel{}); }
