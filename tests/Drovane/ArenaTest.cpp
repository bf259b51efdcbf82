#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "Drovane/Arena.h"

namespace {

// Every test starts with no arena and zero counts, and destroys what it made.
class ArenaTest : public testing::Test {
protected:
  void SetUp() override { gMemoryStatistics = {}; }
  void TearDown() override {
    for (int arena : made) ArenaDestroy(arena);
    EXPECT_EQ(ArenaCount(), 0);
  }
  int Make(uint32_t size) {
    int arena = ArenaCreate(size);
    made.push_back(arena);
    return arena;
  }
  static ptrdiff_t Distance(void* from, void* to) {
    return static_cast<uint8_t*>(to) - static_cast<uint8_t*>(from);
  }
  std::vector<int> made;
};

TEST_F(ArenaTest, RoundsToEightAndMovesOnWhenTheEndIsReached) {
  int arena = Make(64);
  void* a = ArenaAlloc(arena, 10);
  void* b = ArenaAlloc(arena, 20);
  uint32_t beforeGrowth = gMemoryStatistics.allocated;
  void* c = ArenaAlloc(arena, 19);  // 16 + 24 + 24 = 64 reaches the end: a new block
  EXPECT_EQ(Distance(a, b), 16);
  EXPECT_EQ(gMemoryStatistics.allocated - beforeGrowth, kArenaBlockSize + sizeof(ArenaBlock));
  EXPECT_FALSE(Distance(a, c) >= 0 && Distance(a, c) < 64);  // not in the first block
  EXPECT_EQ(reinterpret_cast<uintptr_t>(c) % kArenaAlignment, 0u);
  EXPECT_EQ(gMemoryStatistics.inUse, 64u);
  // The new block holds 8192 bytes: the rest of it fills without growing again.
  void* d = ArenaAlloc(arena, 4);
  EXPECT_EQ(Distance(c, d), 24);
  ArenaAlloc(arena, kArenaBlockSize - 32 - 8);  // 8184 of 8192 used
  EXPECT_EQ(gMemoryStatistics.allocated - beforeGrowth, kArenaBlockSize + sizeof(ArenaBlock));
  ArenaAlloc(arena, 8);  // would reach the end
  EXPECT_EQ(gMemoryStatistics.allocated - beforeGrowth, 2 * (kArenaBlockSize + sizeof(ArenaBlock)));
}

TEST_F(ArenaTest, RecordsAreValueInitialisedAndAligned) {
  struct Record {
    void* pointer;
    int32_t count;
  };
  int arena = Make(64);
  ArenaAlloc(arena, 3);
  Record* records = ArenaNewArray<Record>(arena, 5);
  ASSERT_NE(records, nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(records) % alignof(Record), 0u);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(records[i].pointer, nullptr);
  EXPECT_EQ(ArenaNewArray<Record>(arena, SIZE_MAX / 2), nullptr);
}

TEST_F(ArenaTest, LargeRequestGetsABlockOfItsOwnSize) {
  int arena = Make(8192);
  uint32_t before = gMemoryStatistics.allocated;
  ArenaAlloc(arena, 10000);
  EXPECT_EQ(gMemoryStatistics.allocated - before, 10000u + sizeof(ArenaBlock));
}

TEST_F(ArenaTest, ZeroBytesReturnsTheCurrentPositionWithoutAdvancing) {
  int arena = Make(64);
  void* a = ArenaAlloc(arena, 0);
  void* b = ArenaAlloc(arena, 8);
  EXPECT_EQ(a, b);
}

TEST_F(ArenaTest, ResetReplaysTheSameAddressesAndDropsInUse) {
  const uint32_t sizes[] = {40, 30, 9000, 100};
  int arena = Make(64);
  std::vector<void*> first;
  for (uint32_t size : sizes) first.push_back(ArenaAlloc(arena, size));
  uint32_t allocated = gMemoryStatistics.allocated;
  EXPECT_EQ(gMemoryStatistics.inUse, 40u + 32u + 9000u + 104u);

  ArenaReset(arena);
  EXPECT_EQ(gMemoryStatistics.inUse, 0u);
  ArenaReset(arena);  // a second reset subtracts nothing more
  EXPECT_EQ(gMemoryStatistics.inUse, 0u);

  for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(ArenaAlloc(arena, sizes[i]), first[i]);
  EXPECT_EQ(gMemoryStatistics.allocated, allocated);  // no new block was needed
}

TEST_F(ArenaTest, AfterResetARequestLargerThanTheKeptBlockGetsABlockThatFits) {
  int arena = Make(16);
  ArenaAlloc(arena, 100);  // the chain now holds an 8192-byte block
  ArenaReset(arena);
  auto* big = static_cast<uint8_t*>(ArenaAlloc(arena, 20000));
  // The whole request is writable (AddressSanitizer checks it) and the kept block still serves.
  for (uint32_t i = 0; i < 20000; ++i) big[i] = static_cast<uint8_t>(i);
  void* small = ArenaAlloc(arena, 8000);
  EXPECT_NE(small, nullptr);
  EXPECT_EQ(gMemoryStatistics.inUse, 20000u + 8000u);
}

TEST_F(ArenaTest, SlotsAreReusedLowestFirstAndTheThirtyThirdIsRefused) {
  for (int i = 0; i < kMaxArenas; ++i) EXPECT_EQ(Make(16), i);
  EXPECT_EQ(ArenaCreate(16), -1);
  ArenaDestroy(5);
  made.erase(made.begin() + 5);
  EXPECT_EQ(Make(16), 5);
}

TEST_F(ArenaTest, DestroyGivesEverythingBack) {
  int arena = ArenaCreate(64);
  ArenaAlloc(arena, 100);
  ArenaDestroy(arena);
  EXPECT_EQ(gMemoryStatistics.allocated, 0u);
  EXPECT_EQ(gMemoryStatistics.inUse, 0u);
  EXPECT_GT(gMemoryStatistics.peak, 0u);
  EXPECT_EQ(gMemoryStatistics.released, gMemoryStatistics.peak);
  ArenaDestroy(arena);  // an empty slot is left alone
  ArenaReset(arena);
  EXPECT_EQ(ArenaAlloc(arena, 4), nullptr);
}

TEST_F(ArenaTest, AlignedBlockIsAlignedAndCounted) {
  auto* block = static_cast<uint8_t*>(AllocAligned64K());
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % 65536, 0u);
  block[0] = 1;
  block[65535] = 2;
  EXPECT_EQ(gMemoryStatistics.allocated, 65536u);
  EXPECT_EQ(gMemoryStatistics.inUse, 65536u);
}

TEST_F(ArenaTest, ApplicationArenasAreMadeOnceAndDestroyed) {
  CreateApplicationArenas();
  int scratch = gScratchArena;
  CreateApplicationArenas();
  EXPECT_EQ(gScratchArena, scratch);
  EXPECT_NE(gGeneralArena, gScratchArena);
  EXPECT_NE(ArenaAlloc(gGeneralArena, 65000), nullptr);
  DestroyApplicationArenas();
  EXPECT_EQ(gScratchArena, -1);
  EXPECT_EQ(gGeneralArena, -1);
}

}  // namespace
