#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "PeopleTest.h"

namespace {

struct StateCase {
  uint32_t size;
  uint8_t flags;
  uint8_t state;
};

class HandleStateTest : public PeopleTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(HandleStateTest, NewHandlesAreZeroFilledWithTheAskedState) {
  const StateCase& c = GetParam();
  Handle handle = NewHandle(c.size, c.flags);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(MemError(), kMemNoError);
  EXPECT_EQ(GetHandleSize(handle), c.size);
  EXPECT_EQ(HGetState(handle), c.state);
  const uint8_t* bytes = HLock(handle);
  for (uint32_t i = 0; i < c.size; ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
  DisposeHandle(handle);
  EXPECT_TRUE(mAsserts.empty());
}

INSTANTIATE_TEST_SUITE_P(Flags, HandleStateTest,
                         ::testing::Values(StateCase{0, 0, 0}, StateCase{16, kHandleLocked, kStateLocked},
                                           StateCase{16, kHandleDiscardable, kStateDiscardable},
                                           StateCase{300, kHandleLocked | kHandleDiscardable | 1,
                                                     kStateLocked | kStateDiscardable}));

TEST_F(PeopleTest, LocksCountUpAndDownAndStateIsRestored) {
  Handle handle = NewHandle(8, 0);
  uint8_t* first = HLock(handle);
  EXPECT_EQ(HLock(handle), first) << "blocks never move";
  HUnlock(handle);
  EXPECT_TRUE(HIsLocked(handle));
  uint8_t saved = HGetState(handle);
  HUnlock(handle);
  HUnlock(handle);
  EXPECT_FALSE(HIsLocked(handle)) << "unlocking an unlocked handle leaves it unlocked";
  HSetState(handle, saved);
  EXPECT_TRUE(HIsLocked(handle));
  DisposeHandle(handle);
  EXPECT_TRUE(mAsserts.empty());
}

TEST_F(PeopleTest, StashLocksForGoodAndRefusesDiscardableMemory) {
  Handle plain = NewHandle(4, kHandleLocked);
  EXPECT_NE(StashHandle(plain), nullptr);
  EXPECT_EQ(HGetState(plain), kStateLocked);
  Handle discardable = NewHandle(4, kHandleDiscardable);
  EXPECT_EQ(StashHandle(discardable), nullptr);
  EXPECT_TRUE(Asserted("can't stash discardable memory"));
  DisposeHandle(plain);
  DisposeHandle(discardable);
}

// An allocator that keeps a copy of each block as it is freed.
std::vector<uint8_t> gLastFreed;
bool gFailAllocation = false;

void* TestAllocate(size_t size) { return gFailAllocation ? nullptr : std::malloc(size); }
void TestRelease(void* block, size_t size) {
  auto* bytes = static_cast<uint8_t*>(block);
  gLastFreed.assign(bytes, bytes + size);
  std::free(block);
}

class AllocatorTest : public PeopleTest {
protected:
  void SetUp() override {
    PeopleTest::SetUp();
    SetBlockAllocator(TestAllocate, TestRelease);
  }
  void TearDown() override {
    SetBlockAllocator(nullptr, nullptr);
    gFailAllocation = false;
    PeopleTest::TearDown();
  }
};

TEST_F(AllocatorTest, FreedBlocksAreFilledWithA3) {
  Handle handle = NewHandle(64, 0);
  for (int i = 0; i < 64; ++i) HLock(handle)[i] = static_cast<uint8_t>(i);
  DisposeHandle(handle);
  ASSERT_EQ(gLastFreed.size(), 64u);
  for (uint8_t byte : gLastFreed) EXPECT_EQ(byte, kFreedByte);
}

TEST_F(AllocatorTest, AFailedAllocationIsReportedAndGivesNull) {
  gFailAllocation = true;
  EXPECT_EQ(NewHandle(32, 0), nullptr);
  EXPECT_EQ(MemError(), kMemFullError);
  EXPECT_TRUE(Asserted("Handle allocation failed"));
}

TEST_F(PeopleTest, ADisposedHandleIsNoLongerUsable) {
  Handle handle = NewHandle(8, 0);
  DisposeHandle(handle);
  EXPECT_EQ(HLock(handle), nullptr);
  EXPECT_EQ(MemError(), kMemBadHandleError);
  EXPECT_EQ(GetHandleSize(handle), 0u);
  DisposeHandle(handle);
  EXPECT_TRUE(Asserted("couldn't lock handle"));
  EXPECT_TRUE(Asserted("Bad handle getting size"));
  EXPECT_TRUE(Asserted("bad handle free"));
}

TEST_F(PeopleTest, ReallocGivesAFreshBlockOnlyWhenUnlocked) {
  Handle handle = NewHandle(4, kHandleLocked);
  ReallocHandle(handle, 40);
  EXPECT_EQ(MemError(), kMemLockedError);
  EXPECT_EQ(GetHandleSize(handle), 4u);
  HUnlock(handle);
  ReallocHandle(handle, 40);
  EXPECT_EQ(MemError(), kMemNoError);
  ASSERT_EQ(GetHandleSize(handle), 40u);
  EXPECT_EQ(HLock(handle)[39], 0);
  DisposeHandle(handle);
}

TEST_F(PeopleTest, BlockMoveOf8MillionBytesIsReportedAndStillCopies) {
  std::vector<uint8_t> source(kHugeBlock, 0x5A);
  std::vector<uint8_t> destination(kHugeBlock, 0);
  BlockMove(source.data(), destination.data(), kHugeBlock - 1);
  EXPECT_TRUE(mAsserts.empty());
  BlockMove(source.data(), destination.data(), kHugeBlock);
  EXPECT_TRUE(Asserted("probably won't move these >8 megabytes very cleverly"));
  EXPECT_EQ(destination.back(), 0x5A);
}

TEST_F(PeopleTest, BlockfillFillsAndRefusesNoDestination) {
  uint8_t bytes[5] = {};
  blockfill(bytes, 7, 4);
  EXPECT_EQ(bytes[3], 7);
  EXPECT_EQ(bytes[4], 0);
  blockfill(nullptr, 7, 4);
  EXPECT_TRUE(Asserted("bad blockfill"));
}

}  // namespace
