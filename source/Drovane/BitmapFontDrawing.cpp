#include <cstdint>

#include "Drovane/BitmapFont.h"

using platform::Rect;

// The drawing operations of BitmapFont: each comes clipped and unclipped, differing only
// in how a glyph is copied.

bool BitmapFont::CanDraw() const { return mpGlyphBuffer && mpGlyphBuffer->GetSurface() && mHeight >= 1; }

void BitmapFont::DrawGlyphs(Copy copy, CBackBuffer* dest, int32_t x, int32_t y, const char* text, int32_t length) {
  if (!CanDraw() || !dest) return;
  int32_t pen = x;
  for (int32_t i = 0; i < length; ++i) {
    const auto c = static_cast<uint8_t>(text[i]);
    if (!InRange(c)) continue;
    const int32_t glyph = GlyphIndex(c);
    const Rect& cell = mCellRects[glyph];
    const Rect& ink = mInkRects[glyph];
    if (ink.right > ink.left) {
      const int32_t atX = pen + ink.left;
      const int32_t atY = y + ink.top;
      const int32_t left = cell.left + ink.left, top = cell.top + ink.top;
      const int32_t right = cell.left + ink.right, bottom = cell.top + ink.bottom;
      if (copy == Copy::kClipped) {
        mpGlyphBuffer->Compose(dest, atX, atY, left, top, right, bottom);
      } else {
        mpGlyphBuffer->ComposeUnclipped(dest, atX, atY, left, top, right, bottom);
      }
    }
    pen += mAdvanceWidths[glyph];
  }
}

void BitmapFont::DrawAligned(Copy copy, CBackBuffer* dest, const Rect& rect, const char* text, int32_t length,
                             uint32_t flags) {
  int32_t count = 0;
  const int32_t width = MeasureText(text, length, count);
  if (count == 0) return;
  if (flags & kTextCenter) {
    const int32_t x = rect.left + (rect.right - rect.left) / 2 - static_cast<int32_t>(static_cast<uint32_t>(width) / 2);
    DrawGlyphs(copy, dest, x, rect.top, text, count);
  } else if (flags & kTextRight) {
    DrawGlyphs(copy, dest, rect.right - width, rect.top, text, count);
  } else {
    DrawGlyphs(copy, dest, rect.left, rect.top, text, length);
  }
}

int32_t BitmapFont::DrawLines(Copy copy, bool aligned, CBackBuffer* dest, const Rect& rect, const char* text,
                              int32_t length, uint32_t flags) {
  // Without a positive line height the lines would never reach the bottom.
  if (mHeight < 1) return rect.top;
  const int32_t width = rect.right - rect.left;
  int32_t y = rect.top;
  int32_t at = 0;
  while (y < rect.bottom) {
    const int32_t count = FindLineBreak(text + at, length - at, width);
    if (aligned) {
      DrawAligned(copy, dest, {rect.left, y, rect.right, y + mHeight}, text + at, count, flags);
    } else {
      DrawGlyphs(copy, dest, rect.left, y, text + at, count);
    }
    if (y > INT32_MAX - mHeight) return INT32_MAX;
    y += mHeight;
    at += count;
  }
  return y;
}

void BitmapFont::DrawRun(CBackBuffer* dest, int32_t x, int32_t y, const char* text, int32_t length) {
  DrawGlyphs(Copy::kClipped, dest, x, y, text, length);
}

void BitmapFont::DrawRunUnclipped(CBackBuffer* dest, int32_t x, int32_t y, const char* text, int32_t length) {
  DrawGlyphs(Copy::kUnclipped, dest, x, y, text, length);
}

void BitmapFont::DrawTextInRect(CBackBuffer* dest, const Rect& rect, const char* text, int32_t length,
                                uint32_t flags) {
  DrawAligned(Copy::kClipped, dest, rect, text, length, flags);
}

void BitmapFont::DrawTextInRectUnclipped(CBackBuffer* dest, const Rect& rect, const char* text, int32_t length,
                                         uint32_t flags) {
  DrawAligned(Copy::kUnclipped, dest, rect, text, length, flags);
}

int32_t BitmapFont::DrawWrapped(CBackBuffer* dest, const Rect& rect, const char* text, int32_t length) {
  return DrawLines(Copy::kClipped, false, dest, rect, text, length, 0);
}

int32_t BitmapFont::DrawWrappedUnclipped(CBackBuffer* dest, const Rect& rect, const char* text, int32_t length) {
  return DrawLines(Copy::kUnclipped, false, dest, rect, text, length, 0);
}

int32_t BitmapFont::DrawWrappedInRect(CBackBuffer* dest, const Rect& rect, const char* text, int32_t length,
                                      uint32_t flags) {
  return DrawLines(Copy::kClipped, true, dest, rect, text, length, flags);
}

int32_t BitmapFont::DrawWrappedInRectUnclipped(CBackBuffer* dest, const Rect& rect, const char* text,
                                               int32_t length, uint32_t flags) {
  return DrawLines(Copy::kUnclipped, true, dest, rect, text, length, flags);
}
