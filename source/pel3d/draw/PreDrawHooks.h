#pragma once
#include <cstdint>

// An object called before the body-queue draw queues its bodies. Objects that want the
// call embed this record first and receive it back in the callback.
struct PreDrawHook {
  void (*callback)(PreDrawHook* hook) = nullptr;
  PreDrawHook** listSlot = nullptr;  // its own entry in the hook list
};

constexpr int32_t kPreDrawHookCapacity = 30;

// Appends the hook and stores its entry in it; 1, or 0 when 30 are listed.
int32_t AddPreDrawHook(PreDrawHook* hook);
// Moves the last listed hook into the hook's entry and clears the vacated entry; nothing
// unless the hook is listed. Returns the hook.
PreDrawHook* RemovePreDrawHook(PreDrawHook* hook);
// Calls each listed hook, first to last; the end is read afresh after every call, so a
// hook may add or remove hooks.
void RunPreDrawHooks();
