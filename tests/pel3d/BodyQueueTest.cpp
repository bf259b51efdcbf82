#include <gtest/gtest.h>

#include <deque>

#include "DrawFixture.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/draw/BodyQueue.h"

namespace {

class BodyQueueTest : public DrawTest {
protected:
  Body& Registered(double z, uint32_t flags = 0) {
    Body& body = registered.emplace_back();
    body.position = {Fix(1), Fix(2), Fix(z)};
    body.flags = flags;
    MatrixIdentity(body.matrix);
    EXPECT_NE(AddBody(&body), nullptr);
    return body;
  }

  std::vector<Body*> Queued() const {
    std::vector<Body*> bodies;
    for (int32_t i = 0; i < gBodyQueue.count; ++i) bodies.push_back(gBodyQueue.entries[static_cast<std::size_t>(i)].body);
    return bodies;
  }

  std::deque<Body> registered;
};

TEST_F(BodyQueueTest, FarthestFirstAndEqualDepthsInRegistryOrder) {
  gView.cameraMatrix[11] = Fix(5);  // the camera stands 5 units behind the origin
  Body& near = Registered(10);
  Body& tieFirst = Registered(30);
  Body& middle = Registered(20);
  Body& tieSecond = Registered(30);
  Registered(50, kBodySwitchedOff);
  Body& own = Registered(25, kBodyOwnMatrix);
  own.matrix[11] = Fix(-100);  // its own matrix puts it 75 units behind the camera
  QueueVisibleBodies();
  EXPECT_EQ(Queued(), (std::vector<Body*>{&tieFirst, &tieSecond, &middle, &near, &own}));
  EXPECT_EQ(gBodyQueue.entries[0].depth, Fix(35));
  EXPECT_EQ(near.viewPosition, (Vec3{Fix(1), Fix(2), Fix(15)}));
  EXPECT_EQ(gBodyQueue.entries[4].depth, Fix(-75));
}

TEST_F(BodyQueueTest, BodiesBeyondTheQueuesRoomAreLeftOut) {
  for (int32_t i = 0; i < kBodyQueueCapacity + 100; ++i) Registered(i);
  QueueVisibleBodies();
  ASSERT_EQ(gBodyQueue.count, kBodyQueueCapacity);
  EXPECT_EQ(gBodyQueue.entries[0].body, &registered[kBodyQueueCapacity - 1]);
  EXPECT_FALSE(AppendQueuedBody(&registered.back()));
}

TEST_F(BodyQueueTest, SingleBodyKeepsTheKey) {
  Body& first = Registered(10);
  Body& second = Registered(20);
  QueueVisibleBodies();
  QueueSingleBody(&first);
  EXPECT_EQ(Queued(), std::vector<Body*>{&first});
  EXPECT_EQ(gBodyQueue.entries[0].depth, Fix(20));
  (void)second;
}

}  // namespace
