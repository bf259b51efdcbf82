#include "pel3d/draw/PreDrawHooks.h"

#include "pel3d/bodies/SlotList.h"

namespace {

SlotList<PreDrawHook, kPreDrawHookCapacity, &PreDrawHook::listSlot> gHooks;

}  // namespace

int32_t AddPreDrawHook(PreDrawHook* hook) { return gHooks.Add(hook) ? 1 : 0; }

PreDrawHook* RemovePreDrawHook(PreDrawHook* hook) {
  gHooks.Remove(hook);
  return hook;
}

void RunPreDrawHooks() {
  for (std::size_t cursor = 0; cursor < gHooks.Count(); ++cursor) {
    PreDrawHook* hook = gHooks.At(cursor);
    hook->callback(hook);
  }
}
