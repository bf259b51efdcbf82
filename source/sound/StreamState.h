#pragma once
#include <cstdint>

#include "platform/RiffFile.h"
#include "sound/WaveFile.h"

// The state of a streaming sound's play: its open file, where the next refill goes in the
// looping buffer, and how much of the file's data is still to be heard once it has ended.
struct StreamState {
  WaveFileHandle mhWaveFile;
  platform::RiffChunk mDataChunk;
  platform::RiffChunk mRiffChunk;
  uint32_t mBufferSize = 0;
  uint32_t mSegmentSize = 0;
  uint32_t mWritePos = 0;
  int32_t mStopped = 1;
  int32_t mEndReached = 0;
  // Once the data has ended: bytes of it ahead of the play cursor, and where the cursor stood
  // when they were counted.
  int64_t mDataAhead = 0;
  uint32_t mLastCursor = 0;
  uint32_t mStreamTimer = 0;
  int32_t mTimerRunning = 0;
  int32_t mBufferPlaying = 0;
  int32_t mBusy = 0;

  void Reset() { *this = StreamState(); }
};
