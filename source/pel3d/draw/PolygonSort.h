#pragma once

struct PolyEntry;

// Sorts the entries first to last (both included) by depth key, farthest first, and
// returns first. Entries of equal key may come out in any order.
PolyEntry* SortPolygons(PolyEntry* first, PolyEntry* last);
