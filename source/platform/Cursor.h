#pragma once
#include <cstdint>

namespace platform {

// A mouse pointer shape; null is none.
struct CursorShape;
using CursorHandle = CursorShape*;

// The system's arrow pointer; the same handle on every call.
CursorHandle LoadArrowCursor();
// Shows the pointer over the game's windows; returns the one shown before (null the first time).
CursorHandle SetCursor(CursorHandle cursor);

// A pointer of 1 to 64 pixels a side from two 1-bit masks, rows top-down, each row padded
// to whole bytes: a pixel is black when both bits are 0, white with AND 0 and XOR 1,
// transparent with AND 1 and XOR 0, and inverted (shown black) with both 1. The hot spot
// lies within the pointer. Null when the size is out of range.
CursorHandle CreateMaskCursor(int32_t width, int32_t height, int32_t hotX, int32_t hotY, const uint8_t* xorMask,
                              const uint8_t* andMask);
// Frees a pointer made by CreateMaskCursor; null is allowed. Freeing the one shown leaves none shown.
void DestroyCursor(CursorHandle cursor);

}  // namespace platform
