#include "pel3d/draw/BodyQueue.h"

#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/math/View.h"

BodyQueue gBodyQueue;

namespace {

// Writes the body's view position and returns its depth.
Fixedpoint PlaceInView(Body& body) {
  const Matrix& m = (body.flags & kBodyOwnMatrix) ? body.matrix : gView.cameraMatrix;
  return TransformVertex(body.position, body.viewPosition, m);
}

// Inserts behind every entry at least as far, so equal depths keep their arrival order.
void InsertByDepth(Body* body, Fixedpoint depth) {
  int32_t slot = gBodyQueue.count++;
  for (; slot > 0 && gBodyQueue.entries[static_cast<std::size_t>(slot - 1)].depth < depth; --slot) {
    gBodyQueue.entries[static_cast<std::size_t>(slot)] = gBodyQueue.entries[static_cast<std::size_t>(slot - 1)];
  }
  gBodyQueue.entries[static_cast<std::size_t>(slot)] = {body, depth, {}};
}

}  // namespace

void EmptyBodyQueue() { gBodyQueue.count = 0; }

bool AppendQueuedBody(Body* body, const Vec3& objectCamera) {
  if (gBodyQueue.count >= kBodyQueueCapacity) return false;
  BodyQueueEntry& entry = gBodyQueue.entries[static_cast<std::size_t>(gBodyQueue.count++)];
  entry.body = body;
  entry.objectCamera = objectCamera;
  return true;
}

void QueueVisibleBodies() {
  EmptyBodyQueue();
  const int32_t registered = GetRegisteredBodyCount();
  for (int32_t i = 0; i < registered && gBodyQueue.count < kBodyQueueCapacity; ++i) {
    Body* body = GetRegisteredBody(i);
    if (body->flags & kBodySwitchedOff) continue;
    InsertByDepth(body, PlaceInView(*body));
  }
}

void QueueSingleBody(Body* body) {
  gBodyQueue.entries[0].body = body;
  gBodyQueue.count = 1;
}
