#pragma once

struct PolyEntry;
struct PolygonList;

// Draws one entry of the scene draw's lists with the routine its depth band, the object
// texture option and its face type choose; faces beyond the flat threshold are filled flat
// unless they are special (sprites, lines, points, remap faces). A face of a type outside
// 0 to 27 draws nothing.
void DrawSceneEntry(const PolyEntry& entry);
// Draws every entry of the list in order.
void DrawSceneList(const PolygonList& list);
// Draws one entry of the body-queue draw by its face type alone (0 to 31), when its face
// has flag 1 or 2.
void DrawBodyEntry(const PolyEntry& entry);
