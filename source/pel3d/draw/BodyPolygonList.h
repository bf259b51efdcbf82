#pragma once
#include <cstdint>

// A BSP node with this d heads a chain of faces linked through the first child, listed by
// depth instead of by plane.
constexpr uint32_t kBspChainMarker = 0xA5A5A5A5;

// Fills the sorted list for the body-queue draw: body after body in queue order, each
// body's faces that produced screen vertices in its BSP order (when it has a tree over its
// own faces) or in face order. Each body records its first entry and its number of
// entries. Entries beyond the list's room are dropped.
void BuildBodyPolygonList();
