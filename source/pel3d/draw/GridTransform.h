#pragma once

// Clears every corner's visited flag; the scene draw does it before the grid pass.
void ClearGridVisited();

// The grid pass of the scene draw: transforms each corner of the listed cells once,
// clips the ground triangles at the near and far planes, chooses their ground type,
// projects them (each corner once) and clips them to the screen. Nothing before the grid
// is laid out.
void GridTransform();
