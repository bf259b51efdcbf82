#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "Drovane/Arena.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/bodies/VertexPool.h"

namespace {

uintptr_t Address(const void* pointer) { return reinterpret_cast<uintptr_t>(pointer); }

TEST(VertexPoolCreation, BuffersAreAlignedListedAndCounted) {
  const MemoryStatistics before = gMemoryStatistics;
  const int32_t listed = GetVertexPoolCount();
  VertexPool* pool = CreateVertexPool(100, 200);
  ASSERT_NE(pool, nullptr);
  EXPECT_EQ(GetVertexPoolCount(), listed + 1);
  EXPECT_EQ(*pool->listSlot, pool);
  EXPECT_EQ(pool->users, 0);
  EXPECT_EQ(Address(pool->transformedBase) % 16, 0u);
  EXPECT_EQ(Address(pool->projectedBase) % 16, 0u);
  EXPECT_EQ(Address(pool->projectedEnd) % 16, 0u);
  EXPECT_GE(Address(pool->projectedBase) - Address(pool->transformedBase), 100u);
  EXPECT_GE(Address(pool->projectedEnd) - Address(pool->projectedBase), 200u);
  EXPECT_EQ(pool->transformedCursor, pool->transformedBase);
  EXPECT_EQ(pool->projectedCursor, pool->projectedBase);
  EXPECT_EQ(pool->projectedStart, pool->projectedBase);

  const uint32_t grown = gMemoryStatistics.allocated - before.allocated;
  EXPECT_GE(grown, 300u);
  EXPECT_EQ(gMemoryStatistics.inUse - before.inUse, grown);
  EXPECT_GE(gMemoryStatistics.peak, gMemoryStatistics.allocated);

  // The whole of both buffers can be written.
  auto* transformed = reinterpret_cast<uint8_t*>(pool->transformedBase);
  for (int i = 0; i < 100; ++i) transformed[i] = 1;
  auto* projected = reinterpret_cast<uint8_t*>(pool->projectedBase);
  for (int i = 0; i < 200; ++i) projected[i] = 2;

  DestroyVertexPool(pool);
  EXPECT_EQ(GetVertexPoolCount(), listed);
}

TEST(VertexPoolCreation, FullListGivesError14AndHugeSizesError4) {
  std::vector<VertexPool> others(kVertexPoolListCapacity);
  for (VertexPool& other : others) RegisterVertexPool(&other);
  const uint32_t allocated = gMemoryStatistics.allocated;
  EXPECT_EQ(CreateVertexPool(16, 16), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorPoolListFull);
  EXPECT_EQ(gMemoryStatistics.allocated, allocated);
  for (VertexPool& other : others) UnregisterVertexPool(&other);

  SetLastResourceError(kErrorNone);
  EXPECT_EQ(CreateVertexPool(SIZE_MAX / 2, SIZE_MAX / 2), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorOutOfMemory);
}

}  // namespace
