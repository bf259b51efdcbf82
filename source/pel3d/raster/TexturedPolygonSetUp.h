#pragma once
#include <array>
#include <cstdint>

#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/draw/ScreenClip.h"

struct Bitmap;
struct DrawBlock;

// A bitmap a rasteriser can sample: pixels, sides from 1 to 32768 and at most 2^20 pixels,
// which a 20.12 address reaches.
bool IsUsableTexture(const Bitmap* bitmap);
// A 16.16 texture coordinate held to 0..(size - 1); size is at least 1.
Fixedpoint ClampTexCoord(Fixedpoint value, uint32_t size);

// Which bitmap side each texture coordinate runs along: u along a row and v down the rows,
// or, for the faces drawn column by column, u down the rows and v along a row.
enum class TexelAxes { kUColumnVRow, kURowVColumn };

// What a textured fill draws from: the block's vertices with u held to 0..(width - 1) and
// v to 0..(height - 1) (the other way round for TexelAxes::kURowVColumn), so that texture coordinates from a file or from the game cannot
// lead a span outside the bitmap. Empty when the block has no usable bitmap (none, no
// pixels, or more than 2^20 pixels, which the 20.12 address cannot reach) or more vertices
// than a clip buffer holds.
class TexturedPolygonSetUp {
public:
  explicit TexturedPolygonSetUp(const DrawBlock& block, TexelAxes axes = TexelAxes::kUColumnVRow);

  bool Empty() const { return mBitmap == nullptr; }
  const Bitmap& Texture() const { return *mBitmap; }
  const ScreenVertex* Vertices() const { return mVertices.data(); }
  int32_t Count() const { return mCount; }

private:
  const Bitmap* mBitmap = nullptr;
  int32_t mCount = 0;
  std::array<ScreenVertex, kClipBufferCapacity> mVertices;
};
