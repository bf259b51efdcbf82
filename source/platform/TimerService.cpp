#include "platform/TimerService.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <thread>
#include <vector>

namespace platform {
namespace {

// How far `time` lies after `now` on the wrapping millisecond clock.
int32_t Distance(uint32_t time, uint32_t now) { return static_cast<int32_t>(time - now); }

struct Timer {
  uint32_t due = 0;
  uint32_t period = 0;
  bool periodic = false;
  TimerCallback callback = nullptr;
  uintptr_t user = 0;
  // Orders timers due at the same time by when they were set.
  uint64_t sequence = 0;
};

class TimerService {
public:
  ~TimerService() { StopThread(); }

  uint32_t Set(uint32_t delayMs, TimerCallback callback, uintptr_t user, uint32_t kind) {
    if (delayMs < kTimerMinDelayMs || delayMs > kTimerMaxDelayMs || !callback) return 0;
    std::lock_guard lock(mLock);
    if (mShutDown) return 0;
    uint32_t id = NewId();
    bool periodic = (kind & kTimerPeriodic) != 0;
    mTimers[id] = Timer{GetSystemTimeMs() + delayMs, delayMs, periodic, callback, user, ++mSequence};
    if (!mHeadless && !mThread.joinable()) {
      mStopThread = false;
      mThread = std::thread([this] { ThreadMain(); });
    }
    mWake.notify_all();
    return id;
  }

  ResultCode Kill(uint32_t id) {
    std::lock_guard lock(mLock);
    if (mTimers.erase(id) == 0) return kTimerInvalidParam;
    mWake.notify_all();
    return kResultOk;
  }

  void SetHeadless(bool headless) {
    {
      std::lock_guard lock(mLock);
      mHeadless = headless;
    }
    if (headless) StopThread();
  }

  void AddListener(ClockStepListener* listener) {
    std::lock_guard lock(mLock);
    mListeners.push_back(listener);
  }

  void RemoveListener(ClockStepListener* listener) {
    std::lock_guard lock(mLock);
    std::erase(mListeners, listener);
  }

  void Advance(ManualClock& clock, uint32_t target) {
    uint32_t now = clock.systemMs;
    if (Distance(target, now) < 0) return;
    while (true) {
      uint32_t id = 0;
      uint32_t step = target;
      std::vector<ClockStepListener*> listeners;
      {
        std::lock_guard lock(mLock);
        if (Earliest(now, id) && Distance(mTimers[id].due, target) <= 0) {
          step = Distance(mTimers[id].due, now) > 0 ? mTimers[id].due : now;
        } else {
          id = 0;
        }
        listeners = mListeners;
      }
      MoveClock(clock, step);
      now = step;
      for (ClockStepListener* listener : listeners) listener->OnClockStep(now);
      if (id == 0) return;
      RunIfDue(id, now);
    }
  }

  void Shutdown() {
    {
      std::lock_guard lock(mLock);
      mShutDown = true;
      mTimers.clear();
    }
    StopThread();
  }

  void Restart() {
    std::lock_guard lock(mLock);
    mShutDown = false;
  }

  std::recursive_mutex& SoundLock() { return mSoundLock; }

private:
  uint32_t NewId() {
    while (mNextId == 0 || mTimers.count(mNextId)) ++mNextId;
    return mNextId++;
  }

  // The timer due first, seen from `now`; false when none is set. Called under mLock.
  bool Earliest(uint32_t now, uint32_t& id) const {
    auto earlier = [now](const auto& a, const auto& b) {
      int32_t da = Distance(a.second.due, now), db = Distance(b.second.due, now);
      return da != db ? da < db : a.second.sequence < b.second.sequence;
    };
    auto first = std::min_element(mTimers.begin(), mTimers.end(), earlier);
    if (first == mTimers.end()) return false;
    id = first->first;
    return true;
  }

  static void MoveClock(ManualClock& clock, uint32_t to) {
    uint32_t elapsed = to - clock.systemMs;
    clock.counter += static_cast<uint64_t>(elapsed) * clock.frequency / 1000;
    clock.systemMs = to;
  }

  // Runs a timer's callback when it is still set and due, holding the sound lock, so that a
  // kill made under that lock is never overtaken. A periodic timer is re-armed first, so
  // that its callback can kill it.
  void RunIfDue(uint32_t id, uint32_t now) {
    std::lock_guard sound(mSoundLock);
    TimerCallback callback;
    uintptr_t user;
    {
      std::lock_guard lock(mLock);
      auto found = mTimers.find(id);
      if (found == mTimers.end() || Distance(found->second.due, now) > 0) return;
      Timer& timer = found->second;
      callback = timer.callback;
      user = timer.user;
      if (timer.periodic) {
        timer.due += timer.period;
        // A thread that fell behind runs a late periodic timer once, not once per period missed.
        if (Distance(timer.due, now) < 0) timer.due = now;
        timer.sequence = ++mSequence;
      } else {
        mTimers.erase(found);
      }
    }
    callback(id, 0, user, 0, 0);
  }

  void ThreadMain() {
    std::unique_lock lock(mLock);
    while (!mStopThread) {
      uint32_t now = GetSystemTimeMs();
      uint32_t id = 0;
      if (!Earliest(now, id)) {
        mWake.wait(lock);
        continue;
      }
      int32_t wait = Distance(mTimers[id].due, now);
      if (wait > 0) {
        mWake.wait_for(lock, std::chrono::milliseconds(wait));
        continue;
      }
      lock.unlock();
      RunIfDue(id, now);
      lock.lock();
    }
  }

  void StopThread() {
    {
      std::lock_guard lock(mLock);
      mStopThread = true;
      mWake.notify_all();
    }
    if (!mThread.joinable()) return;
    // A callback that shuts the service down cannot wait for its own thread.
    if (mThread.get_id() == std::this_thread::get_id()) {
      mThread.detach();
    } else {
      mThread.join();
    }
  }

  std::mutex mLock;
  std::condition_variable mWake;
  std::map<uint32_t, Timer> mTimers;
  std::vector<ClockStepListener*> mListeners;
  std::thread mThread;
  std::recursive_mutex mSoundLock;
  uint32_t mNextId = 1;
  uint64_t mSequence = 0;
  bool mStopThread = false;
  bool mHeadless = false;
  bool mShutDown = false;
};

TimerService& Service() {
  static TimerService service;
  return service;
}

}  // namespace

uint32_t TimeSetEvent(uint32_t delayMs, uint32_t, TimerCallback callback, uintptr_t user, uint32_t kind) {
  return Service().Set(delayMs, callback, user, kind);
}

ResultCode TimeKillEvent(uint32_t id) { return Service().Kill(id); }

ResultCode TimeBeginPeriod(uint32_t) { return kResultOk; }

ResultCode TimeEndPeriod(uint32_t) { return kResultOk; }

std::recursive_mutex& SoundLock() { return Service().SoundLock(); }

void SetTimersHeadless(bool headless) { Service().SetHeadless(headless); }

void AddClockStepListener(ClockStepListener* listener) { Service().AddListener(listener); }

void RemoveClockStepListener(ClockStepListener* listener) { Service().RemoveListener(listener); }

void AdvanceClock(ManualClock& clock, uint32_t targetMs) { Service().Advance(clock, targetMs); }

void ShutdownTimers() { Service().Shutdown(); }

void RestartTimers() { Service().Restart(); }

}  // namespace platform
