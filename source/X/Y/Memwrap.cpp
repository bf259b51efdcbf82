#include "X/Y/Memwrap.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_set>

#include "X/Y/XAssert.h"

struct HandleBlock {
  uint8_t* bytes;
  uint32_t size;
  int32_t lockCount;
  bool discardable;
};

namespace {

void* AllocateFromLibrary(size_t size) { return std::malloc(size); }
void ReleaseToLibrary(void* block, size_t) { std::free(block); }

BlockAllocate gAllocate = AllocateFromLibrary;
BlockRelease gRelease = ReleaseToLibrary;

thread_local int16_t tLastError = kMemNoError;

// Every live handle, so a stale or foreign one is reported instead of followed. The people
// start on the loading thread, hence the lock.
std::mutex gLiveLock;
std::unordered_set<HandleBlock*>& LiveHandles() {
  static std::unordered_set<HandleBlock*> live;
  return live;
}

bool IsLive(Handle handle) {
  std::lock_guard<std::mutex> hold(gLiveLock);
  return handle && LiveHandles().count(handle) != 0;
}

// Clears the last error and answers whether the handle may be used; a bad one sets the error.
bool Check(Handle handle) {
  tLastError = kMemNoError;
  if (IsLive(handle)) return true;
  tLastError = kMemBadHandleError;
  return false;
}

}  // namespace

void SetBlockAllocator(BlockAllocate allocate, BlockRelease release) {
  gAllocate = allocate ? allocate : AllocateFromLibrary;
  gRelease = release ? release : ReleaseToLibrary;
}

Handle NewHandle(uint32_t size, uint8_t flags) {
  tLastError = kMemNoError;
  // A block of at least one byte, so that even an empty handle locks to an address.
  auto* bytes = static_cast<uint8_t*>(gAllocate(size ? size : 1));
  if (!bytes) {
    tLastError = kMemFullError;
    X_ASSERT("Handle allocation failed");
    return nullptr;
  }
  auto* handle = new HandleBlock{bytes, size, 0, (flags & kHandleDiscardable) != 0};
  {
    std::lock_guard<std::mutex> hold(gLiveLock);
    LiveHandles().insert(handle);
  }
  if (flags & kHandleLocked) handle->lockCount = 1;
  std::memset(bytes, 0, size);
  return handle;
}

void DisposeHandle(Handle handle) {
  if (!Check(handle)) {
    X_ASSERT_CODE("bad handle free", tLastError);
    return;
  }
  {
    std::lock_guard<std::mutex> hold(gLiveLock);
    LiveHandles().erase(handle);
  }
  std::memset(handle->bytes, kFreedByte, handle->size);
  gRelease(handle->bytes, handle->size ? handle->size : 1);
  delete handle;
}

uint8_t* HLock(Handle handle) {
  if (!Check(handle)) {
    X_ASSERT_CODE("couldn't lock handle", tLastError);
    return nullptr;
  }
  ++handle->lockCount;
  return handle->bytes;
}

void HUnlock(Handle handle) {
  if (!Check(handle)) {
    X_ASSERT_CODE("bad handle unlock", tLastError);
    return;
  }
  if (handle->lockCount > 0) --handle->lockCount;
}

uint8_t HGetState(Handle handle) {
  if (!Check(handle)) {
    X_ASSERT_CODE("checking state on bad handle ", tLastError);
    return 0;
  }
  uint8_t state = handle->lockCount > 0 ? kStateLocked : 0;
  if (handle->discardable) state |= kStateDiscardable;
  return state;
}

void HSetState(Handle handle, uint8_t state) {
  if (state & kStateLocked)
    HLock(handle);
  else
    HUnlock(handle);
}

bool HIsLocked(Handle handle) { return HGetState(handle) > 127; }

uint8_t* StashHandle(Handle handle) {
  HUnlock(handle);
  if (tLastError != kMemNoError) return nullptr;
  if (handle->discardable) {
    X_ASSERT("can't stash discardable memory");
    return nullptr;
  }
  return HLock(handle);
}

void ReallocHandle(Handle handle, uint32_t size) {
  if (!Check(handle)) return;
  if (handle->lockCount > 0) {
    tLastError = kMemLockedError;
    return;
  }
  auto* bytes = static_cast<uint8_t*>(gAllocate(size ? size : 1));
  if (!bytes) {
    tLastError = kMemFullError;
    return;
  }
  std::memset(bytes, 0, size);
  std::memset(handle->bytes, kFreedByte, handle->size);
  gRelease(handle->bytes, handle->size ? handle->size : 1);
  handle->bytes = bytes;
  handle->size = size;
}

uint32_t GetHandleSize(Handle handle) {
  if (!Check(handle)) {
    X_ASSERT_CODE("Bad handle getting size", tLastError);
    return 0;
  }
  return handle->size;
}

void BlockMove(const void* source, void* destination, size_t count) {
  if (count >= kHugeBlock) X_ASSERT("probably won't move these >8 megabytes very cleverly");
  if (count == 0) return;
  std::memmove(destination, source, count);
}

void blockfill(void* destination, uint8_t byte, size_t count) {
  if (count == 0) return;
  if (!destination) {
    X_ASSERT("bad blockfill");
    return;
  }
  std::memset(destination, byte, count);
}

int16_t MemError() { return tLastError; }

size_t LiveHandleCount() {
  std::lock_guard<std::mutex> hold(gLiveLock);
  return LiveHandles().size();
}
