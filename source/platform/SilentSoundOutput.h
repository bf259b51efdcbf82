#pragma once
#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/SoundOutput.h"
#include "platform/TimerService.h"

namespace platform {

// An output that plays nothing. It mixes with the same mixer as the audio device whenever
// AdvanceClock moves the clock, as many frames as the time that passed since it opened, so
// cursors move with the clock. Tests can keep what it played and make chosen device calls
// fail.
class SilentSoundOutput : public SoundOutput, private ClockStepListener {
public:
  ~SilentSoundOutput() override;

  ResultCode Open(SoundMixer& mixer) override;
  void Close() override;
  ResultCode TakeFailure(SoundCall call) override;

  // The next `times` calls of that kind fail with `code`. A play failing with
  // kSoundBufferLost also marks its buffer lost.
  void FailNext(SoundCall call, ResultCode code, int times = 1);
  // Keeps every frame mixed from now on (left, right interleaved).
  void KeepPlayed(bool keep);
  std::vector<int16_t> Played();

private:
  void OnClockStep(uint32_t nowMs) override;

  struct Failure {
    ResultCode code = kResultOk;
    int times = 0;
  };

  std::mutex mLock;
  SoundMixer* mMixer = nullptr;
  uint32_t mOpenedMs = 0;
  uint64_t mFramesMixed = 0;
  bool mKeep = false;
  std::vector<int16_t> mPlayed;
  std::vector<int16_t> mScratch;
  std::array<Failure, static_cast<size_t>(SoundCall::Count)> mFailures{};
};

}  // namespace platform
