#pragma once
#include <cstdint>

// A static object's body whose user data is this is left out of far cells; any other
// non-null user data names the body drawn in its place there.
inline void* const kSkipInFarCells = reinterpret_cast<void*>(~uintptr_t{0});

// The scene draw: the ground and then the objects of each listed cell of the terrain grid,
// far to near. A cell's polygons are drawn as soon as the cell is done, the unsorted list
// before the sorted one. Nothing before the grid is laid out.
void DrawScene();
