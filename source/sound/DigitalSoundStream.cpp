// The streaming half of DigitalSound: a looping buffer of 1.2 s in six segments, the segment
// the play cursor has left refilled from the file every 50 ms on the timer thread.
#include <algorithm>
#include <cstring>
#include <mutex>

#include "Drovane/DebugLog.h"
#include "Drovane/ErrorReport.h"
#include "platform/TimerService.h"
#include "sound/DigitalSound.h"
#include "sound/SoundMemory.h"
#include "sound/SoundSystem.h"

using platform::kResultOk;

namespace {

constexpr uint32_t kStreamPeriodMs = 50;
constexpr uint32_t kStreamResolutionMs = 10;
constexpr uint64_t kBufferPercentOfSecond = 120;
constexpr uint32_t kSegments = 6;
constexpr uint8_t kSilence8Bit = 0x80;

void StreamTimerProc(uint32_t, uint32_t, uintptr_t user, uintptr_t, uintptr_t) {
  reinterpret_cast<DigitalSound*>(user)->RefillStream();
}

}  // namespace

int DigitalSound::InitializeStreamBuffer(int stopIfPlaying) {
  std::lock_guard lock(platform::SoundLock());
  if (IsPlaying()) {
    if (!stopIfPlaying) return 0;
    Stop();
  }
  if (!lpDS) return 0;
  if (!mpStream) mpStream = std::make_unique<StreamState>();
  if (mpStream->mTimerRunning) StopStream();
  StreamState& stream = *mpStream;
  stream.Reset();
  if (OpenWaveFile(mFileName, stream.mhWaveFile, mFormat, stream.mRiffChunk) != kWaveOk) return 0;
  if (mFormat.formatTag != platform::kWaveFormatPcm || mFormat.blockAlign == 0) {
    CloseWaveFile(stream.mhWaveFile);
    return 0;
  }
  if (mpBuffers[0]) ReleaseBuffers();
  // Whole frames per segment, so that no frame straddles the buffer's wrap.
  uint64_t bufferSize = static_cast<uint64_t>(mFormat.averageBytesPerSecond) * kBufferPercentOfSecond / 100;
  uint32_t segmentSize = static_cast<uint32_t>(std::min<uint64_t>(bufferSize, platform::kSoundMaxBufferBytes) / kSegments);
  segmentSize -= segmentSize % mFormat.blockAlign;
  stream.mSegmentSize = segmentSize;
  stream.mBufferSize = segmentSize * kSegments;
  platform::SoundBufferDescription description{platform::kSoundBufferControlDefault, stream.mBufferSize, &mFormat};
  platform::ResultCode result = lpDS->CreateSoundBuffer(description, mpBuffers[0]);
  CloseWaveFile(stream.mhWaveFile);
  if (result != kResultOk) {
    ReportDirectSoundError(result, "Error in DigitalSound::InitializeStreamBuffer() after CreateSoundBuffer()");
    return 0;
  }
  mDataSize = stream.mBufferSize;
  AddSoundMemory(mDataSize);
  return 1;
}

int DigitalSound::PlayStream() {
  std::lock_guard lock(platform::SoundLock());
  if (!InitializeStreamBuffer(mPlayMode == kPlayModeRestart)) return 0;
  StreamState& stream = *mpStream;
  if (OpenWaveFile(mFileName, stream.mhWaveFile, mFormat, stream.mRiffChunk) != kWaveOk) return 0;
  if (SeekWaveData(*stream.mhWaveFile, stream.mDataChunk, stream.mRiffChunk) != kWaveOk || !PrimeStream()) {
    CloseWaveFile(stream.mhWaveFile);
    return 0;
  }
  platform::SoundBuffer& buffer = *mpBuffers[0];
  stream.mWritePos = 0;
  stream.mLastCursor = 0;
  if (buffer.SetCurrentPosition(0) != kResultOk) {
    CloseWaveFile(stream.mhWaveFile);
    return 0;
  }
  if (mVolume != kSoundVolumeMax) SetVolume(mVolume);
  if (buffer.Play(platform::kSoundPlayLooping) != kResultOk) {
    CloseWaveFile(stream.mhWaveFile);
    return 0;
  }
  stream.mStopped = 0;
  stream.mBufferPlaying = 1;
  return StartStreamTimer();
}

// Fills the whole buffer from the start of the data.
int DigitalSound::PrimeStream() {
  StreamState& stream = *mpStream;
  stream.mEndReached = 0;
  stream.mDataAhead = 0;
  platform::SoundBuffer& buffer = *mpBuffers[0];
  void* part1 = nullptr;
  void* part2 = nullptr;
  uint32_t bytes1 = 0, bytes2 = 0;
  platform::ResultCode result =
      buffer.Lock(0, stream.mBufferSize, &part1, &bytes1, &part2, &bytes2, platform::kSoundLockEntireBuffer);
  if (result != kResultOk) {
    ReportDirectSoundError(result, "Error in call to DigitalSound::PlayStream at Lock()");
    return 0;
  }
  uint32_t dataBytes = 0;
  if (bytes1 > 0 && !FillFromFile(static_cast<uint8_t*>(part1), bytes1, dataBytes)) {
    buffer.Unlock(part1, 0, part2, 0);
    return 0;
  }
  if (stream.mEndReached) CountDataAhead(dataBytes, 0);
  return buffer.Unlock(part1, bytes1, part2, bytes2) == kResultOk ? 1 : 0;
}

int DigitalSound::StartStreamTimer() {
  StreamState& stream = *mpStream;
  if (platform::TimeBeginPeriod(kStreamPeriodMs) != kResultOk) {
    CloseWaveFile(stream.mhWaveFile);
    mpBuffers[0]->Stop();
    stream.mTimerRunning = 0;
    stream.mBufferPlaying = 0;
    return 0;
  }
  stream.mStreamTimer = platform::TimeSetEvent(kStreamPeriodMs, kStreamResolutionMs, StreamTimerProc,
                                               reinterpret_cast<uintptr_t>(this), platform::kTimerPeriodic);
  stream.mTimerRunning = stream.mStreamTimer != 0;
  return 1;
}

// Reads the region full from the data, going round to its start when the sound loops. When
// the data ends (or a rewind yields nothing) the rest is silence and the stream is marked
// ended. `dataBytes` counts the bytes of data written; 0 on a read error.
int DigitalSound::FillFromFile(uint8_t* region, uint32_t size, uint32_t& dataBytes) {
  StreamState& stream = *mpStream;
  dataBytes = 0;
  bool rewound = false;
  for (;;) {
    uint32_t got = 0;
    if (ReadWaveData(*stream.mhWaveFile, size - dataBytes, region + dataBytes, stream.mDataChunk, got) != kWaveOk)
      return 0;
    dataBytes += got;
    if (dataBytes == size) return 1;
    if (!mLooping || (got == 0 && rewound)) break;
    if (SeekWaveData(*stream.mhWaveFile, stream.mDataChunk, stream.mRiffChunk) != kWaveOk) return 0;
    rewound = true;
  }
  stream.mEndReached = 1;
  FillSilence(region + dataBytes, size - dataBytes);
  return 1;
}

void DigitalSound::FillSilence(uint8_t* region, uint32_t size) const {
  std::memset(region, mFormat.bitsPerSample == 8 ? kSilence8Bit : 0, size);
}

// The data ends at `dataEnd` in the buffer; counts the bytes of it ahead of the cursor.
void DigitalSound::CountDataAhead(uint32_t dataEnd, uint32_t cursor) {
  StreamState& stream = *mpStream;
  stream.mDataAhead = (dataEnd + stream.mBufferSize - cursor) % stream.mBufferSize;
  stream.mLastCursor = cursor;
}

// Moves the count of data ahead on by what the cursor has played since; true once none is left.
bool DigitalSound::DataHeard(uint32_t cursor) {
  StreamState& stream = *mpStream;
  stream.mDataAhead -= (cursor + stream.mBufferSize - stream.mLastCursor) % stream.mBufferSize;
  stream.mLastCursor = cursor;
  return stream.mDataAhead <= 0;
}

void DigitalSound::AdvanceWritePos() {
  StreamState& stream = *mpStream;
  stream.mWritePos += stream.mSegmentSize;
  if (stream.mWritePos >= stream.mBufferSize) stream.mWritePos -= stream.mBufferSize;
}

void DigitalSound::RefillStream() {
  std::lock_guard lock(platform::SoundLock());
  if (!mpStream || !mpBuffers[0] || mpStream->mBusy) return;
  mpStream->mBusy = 1;
  RefillSegment();
  mpStream->mBusy = 0;
}

void DigitalSound::RefillSegment() {
  StreamState& stream = *mpStream;
  platform::SoundBuffer& buffer = *mpBuffers[0];
  uint32_t cursor = 0;
  if (buffer.GetCurrentPosition(&cursor, nullptr) != kResultOk) return;
  if (stream.mEndReached && DataHeard(cursor)) {
    if (!stream.mStopped) {
      stream.mStopped = 1;
      StopStream();
    }
    return;
  }
  if (cursor >= stream.mWritePos && cursor < stream.mWritePos + stream.mSegmentSize) return;
  void* part1 = nullptr;
  void* part2 = nullptr;
  uint32_t bytes1 = 0, bytes2 = 0;
  if (buffer.Lock(stream.mWritePos, stream.mSegmentSize, &part1, &bytes1, &part2, &bytes2, 0) != kResultOk) return;
  auto* region = static_cast<uint8_t*>(part1);
  if (stream.mStopped || stream.mEndReached) {
    FillSilence(region, bytes1);
  } else {
    uint32_t dataBytes = 0;
    if (!FillFromFile(region, bytes1, dataBytes)) {
      buffer.Unlock(part1, 0, part2, 0);
      stream.mStopped = 1;
      StopStream();
      return;
    }
    if (stream.mEndReached) CountDataAhead(stream.mWritePos + dataBytes, cursor);
  }
  buffer.Unlock(part1, bytes1, part2, bytes2);
  AdvanceWritePos();
}

int DigitalSound::StopStream() {
  std::lock_guard lock(platform::SoundLock());
  if (!mpBuffers[0] || !mpStream) return 1;
  StreamState& stream = *mpStream;
  if (stream.mTimerRunning) {
    stream.mTimerRunning = 0;
    if (platform::TimeKillEvent(stream.mStreamTimer) != kResultOk) DebugPrintf("timeKillEvent() returned an error\n");
    stream.mStreamTimer = 0;
    if (platform::TimeEndPeriod(kStreamPeriodMs) != kResultOk) DebugPrintf("timeEndPeriod() returned an error\n");
  }
  stream.mStopped = 1;
  if (stream.mBufferPlaying) {
    stream.mBufferPlaying = 0;
    mpBuffers[0]->Stop();
  }
  CloseWaveFile(stream.mhWaveFile);
  return 1;
}
