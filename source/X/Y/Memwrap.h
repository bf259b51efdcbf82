#pragma once
#include <cstddef>
#include <cstdint>

// Memory blocks handed out as handles, in the manner of a classic toolbox. A block has a size,
// a lock count and a discardable attribute; here blocks never move, so a locked block's
// address is simply its address. Every operation reports misuse through XAssert and returns
// null, 0 or nothing; MemError tells the calling thread's last error.
struct HandleBlock;
using Handle = HandleBlock*;

// Flags of NewHandle.
constexpr uint8_t kHandleDiscardable = 64;
constexpr uint8_t kHandleLocked = 128;

// Bits of a handle's state.
constexpr uint8_t kStateLocked = 128;
constexpr uint8_t kStateDiscardable = 64;

// Last-error values.
constexpr int16_t kMemNoError = 0;
constexpr int16_t kMemFullError = -108;
constexpr int16_t kMemBadHandleError = -109;
constexpr int16_t kMemLockedError = -117;

// Freed blocks are filled with this byte first, so stale data reads as a pattern.
constexpr uint8_t kFreedByte = 0xA3;
// Copies and fills of this many bytes or more are reported.
constexpr size_t kHugeBlock = 8000000;

Handle NewHandle(uint32_t size, uint8_t flags);
void DisposeHandle(Handle handle);
uint8_t* HLock(Handle handle);
void HUnlock(Handle handle);
uint8_t HGetState(Handle handle);
void HSetState(Handle handle, uint8_t state);
bool HIsLocked(Handle handle);
// Locks the handle for good and returns its block; null for discardable memory.
uint8_t* StashHandle(Handle handle);
// A new zero-filled block of the new size in place of the old; refused while locked. The
// result is read through MemError.
void ReallocHandle(Handle handle, uint32_t size);
uint32_t GetHandleSize(Handle handle);
void BlockMove(const void* source, void* destination, size_t count);
void blockfill(void* destination, uint8_t byte, size_t count);
int16_t MemError();

// The number of handles not yet disposed (fuzz targets check that an input leaves none).
size_t LiveHandleCount();

// Where the blocks come from. Tests put in their own to fail an allocation or to look at a
// block as it is freed; null functions restore the C library's.
using BlockAllocate = void* (*)(size_t size);
using BlockRelease = void (*)(void* block, size_t size);
void SetBlockAllocator(BlockAllocate allocate, BlockRelease release);
