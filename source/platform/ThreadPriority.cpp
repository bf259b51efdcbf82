#include "platform/ThreadPriority.h"

namespace platform {
namespace {

thread_local int gPriority = kThreadPriorityNormal;

}  // namespace

int GetThreadPriority() { return gPriority; }

void SetThreadPriority(int priority) { gPriority = priority; }

}  // namespace platform
