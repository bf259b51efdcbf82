#include "pel3d/bodies/BodyRegistry.h"

#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/SlotList.h"

namespace {

SlotList<Body, kBodyRegistryCapacity, &Body::registrySlot> gBodies;

}  // namespace

Body* AddBody(Body* body) { return gBodies.Add(body); }

void RemoveBody(Body* body) { gBodies.Remove(body); }

Body* FindBody(int32_t id) {
  for (std::size_t i = 0; i < gBodies.Count(); ++i) {
    Body* body = gBodies.At(i);
    if (body->id == static_cast<uint32_t>(id) && !(body->flags & kBodyNotFindable)) return body;
  }
  return nullptr;
}

Body* GetRegisteredBody(int32_t index) {
  return index < 0 ? nullptr : gBodies.At(static_cast<std::size_t>(index));
}

int32_t GetRegisteredBodyCount() { return static_cast<int32_t>(gBodies.Count()); }
