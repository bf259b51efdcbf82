#include "pel3d/draw/FrameDraw.h"

#include "pel3d/bodies/VertexPool.h"
#include "pel3d/draw/BodyPolygonList.h"
#include "pel3d/draw/BodyQueue.h"
#include "pel3d/draw/PolygonDispatch.h"
#include "pel3d/draw/PolygonList.h"
#include "pel3d/draw/PreDrawHooks.h"
#include "pel3d/draw/SceneDraw.h"
#include "pel3d/draw/SingleBodyPath.h"
#include "pel3d/math/View.h"

namespace {

DrawRoutine gDrawRoutine = DrawQueuedBodies;

void DrawBodyList() {
  ResetVertexPools();
  TransformQueuedBodies();
  BuildBodyPolygonList();
  for (int32_t i = 0; i < gSortedList.count; ++i) DrawBodyEntry(gSortedList.entries[static_cast<std::size_t>(i)]);
}

}  // namespace

void DrawView() { DrawFrame(); }

void DrawFrame() { gDrawRoutine(); }

void SelectSceneDraw() { gDrawRoutine = DrawScene; }

void SelectQueuedBodiesDraw() { gDrawRoutine = DrawQueuedBodies; }

DrawRoutine GetDrawRoutine() { return gDrawRoutine; }

void DrawQueuedBodies() {
  RunPreDrawHooks();
  QueueVisibleBodies();
  if (gBodyQueue.count == 0) {
    gSortedList.Empty();
  } else {
    DrawBodyList();
  }
  if (PostDrawCallback callback = GetPostDrawCallback()) callback(GetFrameBuffer());
}
