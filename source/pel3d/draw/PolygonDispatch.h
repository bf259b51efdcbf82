#pragma once

#include <cstdint>

#include "pel3d/draw/RasterRoutines.h"
#include "pel3d/math/FixedPoint.h"

struct Face;
struct PolyEntry;
struct PolygonList;

// The routine the scene draw gives a face at its depth key, and whether it is filled with
// the face's colour rather than its texture.
struct SceneRoutine {
  RasterId id = RasterId::kNone;
  bool colour = false;
};
SceneRoutine ChooseSceneRoutine(const Face& face, Fixedpoint depth);
// The routine of a face in the body-queue draw; kNone outside types 0 to 31.
RasterId BodyRoutineOf(const Face& face);

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
