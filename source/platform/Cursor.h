#pragma once

namespace platform {

// A mouse pointer shape; null is none.
struct CursorShape;
using CursorHandle = CursorShape*;

// The system's arrow pointer; the same handle on every call.
CursorHandle LoadArrowCursor();
// Shows the pointer over the game's windows; returns the one shown before (null the first time).
CursorHandle SetCursor(CursorHandle cursor);

}  // namespace platform
