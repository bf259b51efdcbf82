#pragma once
#include <array>
#include <cstdint>

#include "pel3d/math/FixedPoint.h"
#include "pel3d/math/Vec3.h"

struct Body;

// A queued body. The scene draw queues a cell's objects and, for a body with its own
// matrix, the camera position in the object's axes, kept here so that it stays with its
// body; the body-queue draw keys each body by its view depth.
struct BodyQueueEntry {
  Body* body = nullptr;
  Fixedpoint depth = 0;
  Vec3 objectCamera;
};

constexpr int32_t kBodyQueueCapacity = 1200;

struct BodyQueue {
  std::array<BodyQueueEntry, kBodyQueueCapacity> entries{};
  int32_t count = 0;
};

extern BodyQueue gBodyQueue;

void EmptyBodyQueue();
// Appends the body with the camera position in its axes; false when the queue is full and
// the body is dropped.
bool AppendQueuedBody(Body* body, const Vec3& objectCamera = {});
// Rebuilds the queue from the registry: every body not switched off, its view position
// written, ordered farthest first, bodies of equal depth in registry order. Bodies beyond
// the queue's room are left out.
void QueueVisibleBodies();
// The queue holds just this body; its key stays as it was.
void QueueSingleBody(Body* body);
