#include "pel3d/bodies/VertexPool.h"

#include <limits>
#include <new>

#include "Drovane/Arena.h"
#include "pel3d/CountOf.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/FaceCopy.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/bodies/SlotList.h"

namespace {

constexpr std::size_t kSpareScreenVertexPairs = 10;

SlotList<VertexPool, kVertexPoolListCapacity, &VertexPool::listSlot> gVertexPools;

// Both buffers start on 16-byte boundaries.
constexpr std::size_t kBufferAlignment = 16;
// Room for the record before the buffers, a gap after each buffer and the alignment.
constexpr std::size_t kRecordRoom = (sizeof(VertexPool) + kBufferAlignment - 1) / kBufferAlignment * kBufferAlignment;
constexpr std::size_t kPoolOverhead = kRecordRoom + 3 * kBufferAlignment;

std::byte* AlignDown(std::byte* address) {
  const uintptr_t value = reinterpret_cast<uintptr_t>(address);
  return address - (value % kBufferAlignment);
}

}  // namespace

VertexPool* RegisterVertexPool(VertexPool* pool) { return gVertexPools.Add(pool); }

void UnregisterVertexPool(VertexPool* pool) { gVertexPools.Remove(pool); }

VertexPool* CreateVertexPool(std::size_t transformedBytes, std::size_t projectedBytes) {
  const std::size_t limit = std::numeric_limits<uint32_t>::max() - kPoolOverhead;
  if (transformedBytes > limit || projectedBytes > limit - transformedBytes) {
    SetLastResourceError(kErrorOutOfMemory);
    return nullptr;
  }
  const std::size_t size = transformedBytes + projectedBytes + kPoolOverhead;
  void* block = ::operator new(size, std::align_val_t{kBufferAlignment}, std::nothrow);
  if (!block) {
    SetLastResourceError(kErrorOutOfMemory);
    return nullptr;
  }
  VertexPool* pool = new (block) VertexPool;
  std::byte* start = static_cast<std::byte*>(block);
  std::byte* transformed = AlignDown(start + kPoolOverhead - 2 * kBufferAlignment);
  std::byte* projected = AlignDown(transformed + transformedBytes + kBufferAlignment);
  pool->transformedBase = pool->transformedCursor = reinterpret_cast<TransformedVertex*>(transformed);
  pool->projectedBase = pool->projectedCursor = pool->projectedStart = reinterpret_cast<ScreenVertex*>(projected);
  pool->projectedEnd = reinterpret_cast<ScreenVertex*>(AlignDown(projected + projectedBytes + kBufferAlignment));

  if (!RegisterVertexPool(pool)) {
    ::operator delete(block, std::align_val_t{kBufferAlignment});
    EngineFail(kErrorPoolListFull, "the vertex-pool list is full");
    return nullptr;
  }
  CountHeapBlock(static_cast<uint32_t>(size));
  return pool;
}

void DestroyVertexPool(VertexPool* pool) {
  UnregisterVertexPool(pool);
  pool->~VertexPool();
  ::operator delete(pool, std::align_val_t{kBufferAlignment});
}

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
  return 2 * sizeof(ScreenVertex) * (CountFaceCorners(body) + kSpareScreenVertexPairs);
}
