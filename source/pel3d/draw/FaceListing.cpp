#include "pel3d/draw/FaceListing.h"

#include <algorithm>

#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/draw/PolygonDispatch.h"
#include "pel3d/draw/PolygonList.h"
#include "pel3d/draw/ScreenClip.h"
#include "pel3d/draw/WallClip.h"

namespace {

void Append(PolygonList& list, Face& face, Fixedpoint depth) {
  if (!list.Append({&face, depth, face.screenVertexCount, face.firstScreenVertex})) face.screenVertexCount = 0;
}

}  // namespace

bool IsLineFace(const Face& face) { return (face.flags & (kFaceLine | kFaceLinePoint)) != 0; }

Fixedpoint GreatestDepth(const ScreenVertex* vertices, int32_t count) {
  Fixedpoint depth = 0;
  for (int32_t i = 0; i < count; ++i) depth = std::max(depth, vertices[i].z);
  return depth;
}

Fixedpoint MeanDepth(const ScreenVertex* vertices, int32_t count) {
  // Summed in 64 bits: many far vertices would overflow 32.
  int64_t sum = 0;
  for (int32_t i = 0; i < count; ++i) sum += vertices[i].z;
  int64_t mean = sum >> 2;
  if (count != 4) mean = mean * 4 / count;
  return wrap32::Low(mean);
}

void AddFaceToPolygonList(Face& face, VertexOutput& out) {
  if (face.screenVertexCount <= 0) return;
  PolygonList& list = (face.flags & kFaceUnsorted) ? gUnsortedList : gSortedList;
  if (face.flags & kFaceSprite) {
    Append(list, face, face.firstScreenVertex->z);
    return;
  }
  Fixedpoint depth = GreatestDepth(face.firstScreenVertex, face.screenVertexCount);
  const bool meanDepth = (face.flags & kFaceMeanDepth) && &list == &gSortedList;
  // The key the dispatch will see if the face keeps its corners, which decides its routine.
  const Fixedpoint unclippedKey = meanDepth ? MeanDepth(face.firstScreenVertex, face.screenVertexCount) : depth;
  const RasterId routine = ChooseSceneRoutine(face, unclippedKey).id;
  const ScreenClipMode mode{IsLineFace(face), (face.flags & kFaceLinearClip) != 0};
  face.screenVertexCount = ClipToScreenUnlessWall(face.firstScreenVertex, face.screenVertexCount, routine, mode, out);
  if (face.screenVertexCount == 0) return;
  if (meanDepth) {
    if (face.screenVertexCount <= 2) {
      face.screenVertexCount = 0;
      return;
    }
    depth = MeanDepth(face.firstScreenVertex, face.screenVertexCount);
  }
  Append(list, face, depth);
}
