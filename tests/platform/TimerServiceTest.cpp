#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "SilentSoundFixture.h"

using namespace platform;

namespace {

// What the callbacks saw: which timer ran, and when.
struct Call {
  uintptr_t user;
  uint32_t ms;
  bool operator==(const Call&) const = default;
};

class TimerServiceTest : public SilentSoundFixture {
protected:
  void TearDown() override {
    for (uint32_t id : ids) TimeKillEvent(id);
    SilentSoundFixture::TearDown();
  }

  uint32_t Set(uint32_t delay, uintptr_t user, uint32_t kind = kTimerOneShot, TimerCallback callback = &Record) {
    uint32_t id = TimeSetEvent(delay, 10, callback, user, kind);
    ids.push_back(id);
    return id;
  }

  static void Record(uint32_t, uint32_t, uintptr_t user, uintptr_t, uintptr_t) {
    calls.push_back({user, GetSystemTimeMs()});
  }

  static inline std::vector<Call> calls;
  std::vector<uint32_t> ids;
};

TEST_F(TimerServiceTest, CallbacksRunInTimeOrderWithTheClockAtTheirDueTime) {
  calls.clear();
  Set(30, 3);
  Set(10, 1);
  Set(20, 2);
  Set(20, 4);
  AdvanceMs(25);
  EXPECT_EQ(calls, (std::vector<Call>{{1, 1010}, {2, 1020}, {4, 1020}}));
  EXPECT_EQ(clock.systemMs, 1025u);
  AdvanceMs(100);
  EXPECT_EQ(calls.back(), (Call{3, 1030}));
  EXPECT_EQ(clock.systemMs, 1125u);
  EXPECT_EQ(clock.counter, 1u + 125000u) << "the performance counter moves with the clock";
}

TEST_F(TimerServiceTest, PeriodicTimersRearm) {
  calls.clear();
  Set(25, 7, kTimerPeriodic);
  AdvanceMs(110);
  EXPECT_EQ(calls, (std::vector<Call>{{7, 1025}, {7, 1050}, {7, 1075}, {7, 1100}}));
}

TEST_F(TimerServiceTest, AKilledTimerNeverRuns) {
  calls.clear();
  uint32_t id = Set(50, 1);
  AdvanceMs(20);
  EXPECT_EQ(TimeKillEvent(id), kResultOk);
  AdvanceMs(100);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(TimeKillEvent(id), kTimerInvalidParam);
  EXPECT_EQ(TimeKillEvent(0), kTimerInvalidParam);
}

TEST_F(TimerServiceTest, ACallbackCanKillItsOwnPeriodicTimer) {
  static int runs;
  runs = 0;
  Set(10, 0, kTimerPeriodic, [](uint32_t id, uint32_t, uintptr_t, uintptr_t, uintptr_t) {
    if (++runs == 3) {
      EXPECT_EQ(TimeKillEvent(id), kResultOk);
    }
  });
  AdvanceMs(100);
  EXPECT_EQ(runs, 3);
}

TEST_F(TimerServiceTest, ACallbackCanSetANewTimer) {
  calls.clear();
  Set(10, 0, kTimerOneShot, [](uint32_t, uint32_t, uintptr_t, uintptr_t, uintptr_t) {
    EXPECT_NE(TimeSetEvent(15, 10, &Record, 9, kTimerOneShot), 0u);
  });
  AdvanceMs(100);
  EXPECT_EQ(calls, (std::vector<Call>{{9, 1025}}));
}

TEST_F(TimerServiceTest, CallbacksRunHoldingTheSoundLock) {
  static bool held;
  held = false;
  Set(5, 0, kTimerOneShot, [](uint32_t, uint32_t, uintptr_t, uintptr_t, uintptr_t) {
    std::thread other([] {
      held = !SoundLock().try_lock();
      if (!held) SoundLock().unlock();
    });
    other.join();
  });
  AdvanceMs(10);
  EXPECT_TRUE(held);
}

TEST_F(TimerServiceTest, DelaysOutOfRangeAndMissingCallbacksSetNoTimer) {
  EXPECT_EQ(TimeSetEvent(0, 10, &Record, 0, kTimerOneShot), 0u);
  EXPECT_EQ(TimeSetEvent(kTimerMaxDelayMs + 1, 10, &Record, 0, kTimerOneShot), 0u);
  EXPECT_EQ(TimeSetEvent(10, 10, nullptr, 0, kTimerOneShot), 0u);
  EXPECT_EQ(TimeBeginPeriod(20), kResultOk);
  EXPECT_EQ(TimeEndPeriod(20), kResultOk);
}

// The silent output mixes up to each due time before the callback runs, so the play cursor
// read in a callback is where the clock says it is.
TEST_F(TimerServiceTest, APlayCursorReadInACallbackMatchesTheCallbacksTime) {
  static SoundBuffer* buffer;
  static std::vector<uint32_t> cursors;
  cursors.clear();
  std::unique_ptr<SoundBuffer> owned = MakeBuffer(PcmFormat(1, 16, 22050), std::vector<uint8_t>(44100 * 2));
  ASSERT_TRUE(owned);
  buffer = owned.get();
  ASSERT_EQ(buffer->Play(0), kResultOk);
  Set(20, 0, kTimerPeriodic, [](uint32_t, uint32_t, uintptr_t, uintptr_t, uintptr_t) {
    cursors.push_back(PlayCursor(*buffer));
  });
  AdvanceMs(100);
  EXPECT_EQ(cursors, (std::vector<uint32_t>{882, 1764, 2646, 3528, 4410}));
}

TEST_F(TimerServiceTest, AShutdownKillsEveryTimer) {
  calls.clear();
  Set(10, 1);
  ShutdownSound();
  AdvanceMs(100);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(Set(10, 1), 0u);
}

// Without the headless switch, the service's own thread runs the callbacks.
TEST(TimerThreadTest, TheThreadRunsCallbacksAndStopsAtShutdown) {
  static std::mutex lock;
  static std::condition_variable ran;
  static std::thread::id runner;
  runner = {};
  SetTimersHeadless(false);
  ASSERT_NE(TimeSetEvent(1, 1,
                         [](uint32_t, uint32_t, uintptr_t, uintptr_t, uintptr_t) {
                           std::lock_guard guard(lock);
                           runner = std::this_thread::get_id();
                           ran.notify_all();
                         },
                         0, kTimerOneShot),
            0u);
  {
    std::unique_lock wait(lock);
    ASSERT_TRUE(ran.wait_for(wait, std::chrono::seconds(30), [] { return runner != std::thread::id{}; }));
  }
  EXPECT_NE(runner, std::this_thread::get_id());
  ShutdownTimers();
  EXPECT_EQ(TimeSetEvent(1, 1, [](uint32_t, uint32_t, uintptr_t, uintptr_t, uintptr_t) {}, 0, kTimerOneShot), 0u);
  RestartTimers();
  SetTimersHeadless(true);
}

}  // namespace
