#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

// A block of zeroed memory whose bytes are reachable only while it is locked, so that
// nothing keeps its address between uses.
class MovableMemory {
public:
  // False when size is 0 or the block cannot be had; a block held before is freed first.
  bool Allocate(size_t size);
  void Free();
  // Null when there is no block or it is locked already.
  uint8_t* Lock();
  // False when it was not locked.
  bool Unlock();

  bool IsAllocated() const { return mBlock != nullptr; }
  size_t GetSize() const { return mSize; }
  // How often the block was locked and unlocked.
  int lockCalls = 0;
  int unlockCalls = 0;

private:
  std::unique_ptr<uint8_t[]> mBlock;
  size_t mSize = 0;
  bool mLocked = false;
};
