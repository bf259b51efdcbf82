#include "pel3d/VertexPool.h"

#include "pel3d/Body.h"
#include "pel3d/ScreenVertex.h"
#include "pel3d/SlotList.h"

namespace {

constexpr std::size_t kSpareScreenVertexPairs = 10;

SlotList<VertexPool, kVertexPoolListCapacity, &VertexPool::listSlot> gVertexPools;

std::size_t CountOf(int32_t count) { return count > 0 ? static_cast<std::size_t>(count) : 0; }

}  // namespace

VertexPool* RegisterVertexPool(VertexPool* pool) { return gVertexPools.Add(pool); }

void UnregisterVertexPool(VertexPool* pool) { gVertexPools.Remove(pool); }

int32_t GetVertexPoolCount() { return static_cast<int32_t>(gVertexPools.Count()); }

void ResetVertexPools() {
  for (std::size_t i = 0; i < gVertexPools.Count(); ++i) {
    VertexPool* pool = gVertexPools.At(i);
    pool->transformedCursor = pool->transformedBase;
    pool->projectedCursor = pool->projectedBase;
  }
}

Body* AttachVertexPool(Body* body, VertexPool* pool) {
  ++pool->users;
  body->vertexPool = pool;
  return body;
}

Body* DetachVertexPool(Body* body, VertexPool* pool) {
  --pool->users;
  return body;
}

std::size_t GetTransformedBytes(const Body* body) {
  return sizeof(TransformedVertex) * CountOf(body->vertexCount);
}

std::size_t GetProjectedBytes(const Body* body) {
  return 2 * sizeof(ScreenVertex) * (CountOf(body->indexCount) + kSpareScreenVertexPairs);
}
