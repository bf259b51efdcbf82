#include <gtest/gtest.h>

#include <vector>

#include "BodyBuilder.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/bodies/ScreenVertex.h"

namespace {

class BodyRegistry : public ::testing::Test {
protected:
  void SetUp() override { ClearBodyRegistry(); }
  void TearDown() override { ClearBodyRegistry(); }

  // Registers count bodies with ids 0, 1, 2, ...
  void RegisterBodies(int count) {
    mBodies.resize(count);
    for (int i = 0; i < count; ++i) {
      mBodies[i].id = i;
      ASSERT_EQ(AddBody(&mBodies[i]), &mBodies[i]);
    }
  }

  std::vector<Body> mBodies;
};

TEST_F(BodyRegistry, HoldsTwoThousandBodies) {
  RegisterBodies(kBodyRegistryCapacity);
  SetLastResourceError(kErrorNone);
  Body extra;
  EXPECT_EQ(AddBody(&extra), nullptr);
  EXPECT_EQ(extra.registrySlot, nullptr);
  EXPECT_EQ(GetRegisteredBodyCount(), kBodyRegistryCapacity);
  EXPECT_EQ(GetRegisteredBody(kBodyRegistryCapacity - 1), &mBodies.back());
  EXPECT_EQ(GetLastResourceError(), kErrorNone);  // the callers set the code
}

TEST_F(BodyRegistry, EachBodyPointsAtItsOwnEntry) {
  RegisterBodies(3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(*mBodies[i].registrySlot, &mBodies[i]);
}

TEST_F(BodyRegistry, RemovingMovesTheLastBodyIntoTheHole) {
  RegisterBodies(4);
  RemoveBody(&mBodies[1]);
  EXPECT_EQ(GetRegisteredBodyCount(), 3);
  EXPECT_EQ(GetRegisteredBody(1), &mBodies[3]);
  EXPECT_EQ(*mBodies[3].registrySlot, &mBodies[3]);
  EXPECT_EQ(GetRegisteredBody(3), nullptr);
  EXPECT_EQ(mBodies[1].registrySlot, nullptr);
}

TEST_F(BodyRegistry, RemovingTheLastBodyTwiceDropsItOnce) {
  RegisterBodies(3);
  RemoveBody(&mBodies[2]);
  EXPECT_EQ(GetRegisteredBodyCount(), 2);
  RemoveBody(&mBodies[2]);
  EXPECT_EQ(GetRegisteredBodyCount(), 2);
  EXPECT_EQ(GetRegisteredBody(0), &mBodies[0]);
  EXPECT_EQ(GetRegisteredBody(1), &mBodies[1]);
}

TEST_F(BodyRegistry, RemovingABodyThatIsNotRegisteredChangesNothing) {
  RegisterBodies(3);
  Body stranger;
  RemoveBody(&stranger);
  Body impostor;
  impostor.registrySlot = mBodies[0].registrySlot;  // an entry that holds another body
  RemoveBody(&impostor);
  Body** beyond = mBodies[2].registrySlot + 1;  // past the registered entries
  impostor.registrySlot = beyond;
  RemoveBody(&impostor);
  EXPECT_EQ(GetRegisteredBodyCount(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(GetRegisteredBody(i), &mBodies[i]);
}

TEST_F(BodyRegistry, FindBodyTakesTheFirstFindableMatch) {
  RegisterBodies(3);
  Body twin;
  twin.id = 1;
  AddBody(&twin);
  Body negative;
  negative.id = 0xFFFFFFFF;
  AddBody(&negative);

  EXPECT_EQ(FindBody(1), &mBodies[1]);
  mBodies[1].flags |= kBodyNotFindable;
  EXPECT_EQ(FindBody(1), &twin);
  twin.flags |= kBodyNotFindable;
  EXPECT_EQ(FindBody(1), nullptr);
  EXPECT_EQ(FindBody(42), nullptr);
  EXPECT_EQ(FindBody(-1), &negative);
}

TEST_F(BodyRegistry, IndexOutsideTheRegistryGivesNull) {
  RegisterBodies(2);
  EXPECT_EQ(GetRegisteredBody(-1), nullptr);
  EXPECT_EQ(GetRegisteredBody(2), nullptr);
  EXPECT_EQ(GetRegisteredBody(kBodyRegistryCapacity), nullptr);
}

class VertexPools : public ::testing::Test {
protected:
  void TearDown() override {
    for (auto& pool : mPools) UnregisterVertexPool(&pool);
  }
  std::vector<VertexPool> mPools = std::vector<VertexPool>(kVertexPoolListCapacity + 1);
};

TEST_F(VertexPools, ListHoldsOneHundredPools) {
  for (int i = 0; i < kVertexPoolListCapacity; ++i) {
    ASSERT_EQ(RegisterVertexPool(&mPools[i]), &mPools[i]);
    EXPECT_EQ(*mPools[i].listSlot, &mPools[i]);
  }
  EXPECT_EQ(RegisterVertexPool(&mPools.back()), nullptr);
  EXPECT_EQ(GetVertexPoolCount(), kVertexPoolListCapacity);

  UnregisterVertexPool(&mPools[0]);
  EXPECT_EQ(GetVertexPoolCount(), kVertexPoolListCapacity - 1);
  EXPECT_EQ(*mPools[kVertexPoolListCapacity - 1].listSlot, &mPools[kVertexPoolListCapacity - 1]);
  UnregisterVertexPool(&mPools[0]);
  EXPECT_EQ(GetVertexPoolCount(), kVertexPoolListCapacity - 1);
}

TEST_F(VertexPools, ResetRewindsEveryListedPool) {
  TransformedVertex transformed[4];
  ScreenVertex projected[4];
  for (int i = 0; i < 2; ++i) {
    mPools[i].transformedBase = &transformed[2 * i];
    mPools[i].projectedBase = &projected[2 * i];
    mPools[i].transformedCursor = &transformed[2 * i + 1];
    mPools[i].projectedCursor = &projected[2 * i + 1];
  }
  RegisterVertexPool(&mPools[0]);
  ResetVertexPools();
  EXPECT_EQ(mPools[0].transformedCursor, &transformed[0]);
  EXPECT_EQ(mPools[0].projectedCursor, &projected[0]);
  EXPECT_EQ(mPools[1].transformedCursor, &transformed[3]);  // not listed: untouched
}

TEST_F(VertexPools, AttachAndDetachCountUsers) {
  Body body;
  EXPECT_EQ(AttachVertexPool(&body, &mPools[0]), &body);
  AttachVertexPool(&body, &mPools[0]);
  EXPECT_EQ(mPools[0].users, 2);
  EXPECT_EQ(body.vertexPool, &mPools[0]);
  EXPECT_EQ(DetachVertexPool(&body, &mPools[0]), &body);
  EXPECT_EQ(mPools[0].users, 1);
  EXPECT_EQ(body.vertexPool, &mPools[0]);
}

TEST(VertexPoolSizes, TransformedAndProjectedBytes) {
  BodyBuilder body;
  EXPECT_EQ(GetProjectedBytes(body.get()), 400u);  // ten spare pairs of 20-byte screen vertices
  body.SetVertices({{}, {}, {}, {}, {}});
  body.AddFace({0, 1, 2});
  body.AddFace({2, 3, 4});
  EXPECT_EQ(GetTransformedBytes(body.get()), 5 * sizeof(TransformedVertex));
  EXPECT_EQ(GetProjectedBytes(body.get()), 640u);
  EXPECT_EQ(sizeof(ScreenVertex), 20u);
}

// A face widened after loading leaves the body's stored index count behind; the pool is
// sized from the faces, so the draw's screen vertices still fit.
TEST(VertexPoolSizes, ProjectedBytesFollowAWidenedFace) {
  BodyBuilder body;
  body.SetVertices({{}, {}, {}, {}, {}});
  body.AddFace({0, 1, 2});
  body.FaceAt(0).vertexCount = 5;
  EXPECT_EQ(GetProjectedBytes(body.get()), 2 * sizeof(ScreenVertex) * (5 + 10));
}

class PreDrawHooks : public ::testing::Test {
protected:
  struct RecordingHook {
    PreDrawHook hook;
    int number = 0;
    std::vector<int>* calls = nullptr;
  };

  static void Record(PreDrawHook* hook) {
    auto* self = reinterpret_cast<RecordingHook*>(hook);
    self->calls->push_back(self->number);
  }

  void SetUp() override {
    for (int i = 0; i < kPreDrawHookCapacity + 1; ++i) {
      mHooks[i].hook.callback = Record;
      mHooks[i].number = i;
      mHooks[i].calls = &mCalls;
    }
  }
  void TearDown() override {
    for (auto& hook : mHooks) RemovePreDrawHook(&hook.hook);
  }

  RecordingHook mHooks[kPreDrawHookCapacity + 1];
  std::vector<int> mCalls;
};

TEST_F(PreDrawHooks, ListHoldsThirtyAndRunsThemInOrder) {
  for (int i = 0; i < kPreDrawHookCapacity; ++i) ASSERT_EQ(AddPreDrawHook(&mHooks[i].hook), 1);
  EXPECT_EQ(AddPreDrawHook(&mHooks[kPreDrawHookCapacity].hook), 0);
  RunPreDrawHooks();
  ASSERT_EQ(mCalls.size(), 30u);
  for (int i = 0; i < 30; ++i) EXPECT_EQ(mCalls[i], i);
}

TEST_F(PreDrawHooks, RemovingMovesTheLastHookAndClearsItsEntry) {
  for (int i = 0; i < 3; ++i) AddPreDrawHook(&mHooks[i].hook);
  PreDrawHook** lastEntry = mHooks[2].hook.listSlot;
  EXPECT_EQ(RemovePreDrawHook(&mHooks[0].hook), &mHooks[0].hook);
  EXPECT_EQ(*lastEntry, nullptr);
  EXPECT_EQ(RemovePreDrawHook(&mHooks[0].hook), &mHooks[0].hook);  // not listed any more
  RunPreDrawHooks();
  EXPECT_EQ(mCalls, (std::vector<int>{2, 1}));
}

TEST_F(PreDrawHooks, AHookMayAddAnother) {
  static PreDrawHook* toAdd = nullptr;
  toAdd = &mHooks[5].hook;
  mHooks[0].hook.callback = [](PreDrawHook*) { AddPreDrawHook(toAdd); };
  AddPreDrawHook(&mHooks[0].hook);
  RunPreDrawHooks();
  EXPECT_EQ(mCalls, (std::vector<int>{5}));  // the end is read afresh after each call
}

TEST(EngineError, KeepsTheLastCode) {
  SetLastResourceError(kErrorBodyRegistryFull);
  EXPECT_EQ(GetLastResourceError(), 9);
  SetLastResourceError(kErrorPoolListFull);
  EXPECT_EQ(GetLastResourceError(), 14);
}

}  // namespace
