#pragma once
#include <array>
#include <cstdint>

#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/draw/ScreenClip.h"

struct Bitmap;
struct DrawBlock;

// Which vertex word addresses the texture's columns: u as stored, or, with the axes
// exchanged, v (u then addresses the rows).
enum class TextureAxes { kColumnRow, kExchanged };

// What a textured fill draws from: the block's vertices with u held to 0..(width - 1) and
// v to 0..(height - 1), so that texture coordinates from a file or from the game cannot
// lead a span outside the bitmap. Empty when the block has no usable bitmap (none, no
// pixels, or more than 2^20 pixels, which the 20.12 address cannot reach) or more vertices
// than a clip buffer holds. With the axes exchanged the set-up swaps each vertex's u and v
// before holding them, so the fills always find the column in u and the row in v.
class TexturedPolygonSetUp {
public:
  explicit TexturedPolygonSetUp(const DrawBlock& block, TextureAxes axes = TextureAxes::kColumnRow);

  bool Empty() const { return mBitmap == nullptr; }
  const Bitmap& Texture() const { return *mBitmap; }
  const ScreenVertex* Vertices() const { return mVertices.data(); }
  int32_t Count() const { return mCount; }

private:
  const Bitmap* mBitmap = nullptr;
  int32_t mCount = 0;
  std::array<ScreenVertex, kClipBufferCapacity> mVertices;
};
