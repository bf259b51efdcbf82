#include "Drovane/MovableMemory.h"

#include <new>

bool MovableMemory::Allocate(size_t size) {
  Free();
  if (size == 0) return false;
  mBlock.reset(new (std::nothrow) uint8_t[size]());
  mSize = mBlock ? size : 0;
  return mBlock != nullptr;
}

void MovableMemory::Free() {
  mBlock.reset();
  mSize = 0;
  mLocked = false;
}

uint8_t* MovableMemory::Lock() {
  if (!mBlock || mLocked) return nullptr;
  mLocked = true;
  ++lockCalls;
  return mBlock.get();
}

bool MovableMemory::Unlock() {
  if (!mLocked) return false;
  mLocked = false;
  ++unlockCalls;
  return true;
}
