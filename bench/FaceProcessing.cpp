// The face processing of one cell of bodies: transform, back-face test, near and screen
// clipping, projection and listing, as the scene draw runs it for each cell.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

#include "pel3d/EngineStart.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/FacePlane.h"
#include "pel3d/bodies/VertexPool.h"
#include "pel3d/draw/BodyQueue.h"
#include "pel3d/draw/FaceProcessing.h"
#include "pel3d/draw/PolygonList.h"
#include "pel3d/math/View.h"

namespace {

constexpr Fixedpoint kOne = kFixedOne;

// A box of six quadrilateral faces around a centre, its records kept alive here.
class Box {
public:
  Box(const Vec3& centre, Fixedpoint half) {
    for (int i = 0; i < 8; ++i) {
      vertices[i] = {centre.x + (i & 1 ? half : -half), centre.y + (i & 2 ? 2 * half : 0),
                     centre.z + (i & 4 ? half : -half)};
    }
    static constexpr std::array<std::array<uint32_t, 4>, 6> kQuads{
        {{1, 3, 2, 0}, {6, 7, 5, 4}, {4, 5, 1, 0}, {3, 7, 6, 2}, {2, 6, 4, 0}, {5, 7, 3, 1}}};
    body.vertices = vertices.data();
    body.vertexCount = 8;
    body.faceCount = 6;
    body.indexCount = 24;
    body.faces = faces.data();
    for (std::size_t f = 0; f < 6; ++f) {
      Face& face = faces[f];
      indices[f] = kQuads[f];
      face.indices = indices[f].data();
      face.texCoords = texCoords.data();
      face.vertexCount = 4;
      face.plane = &planes[f];
      face.next = f + 1 < 6 ? &faces[f + 1] : nullptr;
      ComputeFacePlane(body, face);
      face.flags |= kFaceProcessed;
    }
  }

  Body body;

private:
  std::array<Vec3, 8> vertices{};
  std::array<Face, 6> faces{};
  std::array<std::array<uint32_t, 4>, 6> indices{};
  std::array<Plane, 6> planes{};
  std::array<TexCoord, 4> texCoords{{{0, 0}, {31 * kOne, 0}, {31 * kOne, 31 * kOne}, {0, 31 * kOne}}};
};

void BM_CellOfBodies(benchmark::State& state) {
  InitEngine();
  RenderSurface surface{0, 0, 560, 400, 0, 640, 480};
  SetRenderSurface(surface);
  SetPixelAspect(kOne);
  Matrix camera;
  MatrixIdentity(camera);
  SetCamera({}, camera);
  SetFarClip(1000 * kOne);

  // A block of buildings ahead of the camera; the nearest reach across the near plane and
  // past the screen's edges.
  const int side = static_cast<int>(state.range(0));
  std::deque<Box> boxes;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      boxes.emplace_back(Vec3{(column - side / 2) * 12 * kOne, -4 * kOne, (row * 12 + 2) * kOne}, 5 * kOne);
    }
  }
  VertexPool* pool = CreateVertexPool(8 * sizeof(TransformedVertex), boxes.size() * GetProjectedBytes(&boxes[0].body));
  for (Box& box : boxes) AttachVertexPool(&box.body, pool);
  MatrixIdentity(gCellObjectSpace.matrix);
  gCellObjectSpace.camera = {};

  for (auto _ : state) {
    gSortedList.Empty();
    gUnsortedList.Empty();
    ResetVertexPools();
    EmptyBodyQueue();
    for (Box& box : boxes) AppendQueuedBody(&box.body);
    TransformCellObjects();
    benchmark::DoNotOptimize(gSortedList.count);
  }
  state.counters["faces"] = static_cast<double>(6 * boxes.size());
  state.counters["listed"] = static_cast<double>(gSortedList.count);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(6 * boxes.size()));
  DestroyVertexPool(pool);
}
BENCHMARK(BM_CellOfBodies)->Arg(4)->Arg(8);

}  // namespace
