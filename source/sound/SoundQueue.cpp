#include "sound/SoundQueue.h"

#include "platform/TimerService.h"
#include "sound/DigitalSound.h"

namespace {

constexpr uint32_t kQueueTimerPeriodMs = 100;
constexpr uint32_t kQueueTimerResolutionMs = 50;

// Holds a queue for one operation.
class QueueHold {
public:
  explicit QueueHold(SoundQueue& queue) : mQueue(queue) { mQueue.GetMutex(); }
  ~QueueHold() { mQueue.ReleaseMutex(); }
  QueueHold(const QueueHold&) = delete;
  QueueHold& operator=(const QueueHold&) = delete;

private:
  SoundQueue& mQueue;
};

}  // namespace

void SoundQueueTimerProc(uint32_t, uint32_t, uintptr_t user, uintptr_t, uintptr_t) {
  reinterpret_cast<SoundQueue*>(user)->OnTimer();
}

void SoundQueueDoneProc(uintptr_t queue) { reinterpret_cast<SoundQueue*>(queue)->OnSoundDone(); }

// The game stops its queues before exit, when the sound lock may already be gone: a queue
// stopped and empty has nothing to undo.
SoundQueue::~SoundQueue() {
  if (mStarted || !mEntries.empty()) Stop(1);
}

int SoundQueue::GetMutex() {
  platform::SoundLock().lock();
  return 1;
}

void SoundQueue::ReleaseMutex() { platform::SoundLock().unlock(); }

int SoundQueue::Start() {
  QueueHold hold(*this);
  if (mStarted) return 1;
  platform::TimeBeginPeriod(kQueueTimerPeriodMs);
  mStarted = 1;
  return 1;
}

void SoundQueue::Stop(int stopHead) {
  QueueHold hold(*this);
  if (mStarted) {
    platform::TimeEndPeriod(kQueueTimerPeriodMs);
    mStarted = 0;
  }
  Clear(stopHead);
}

void SoundQueue::Clear(int stopHead) {
  QueueHold hold(*this);
  KillTimer();
  if (!mEntries.empty()) {
    DigitalSound* head = mEntries.front()->mpSound;
    head->ClearCompletionCallback();
    if (stopHead) head->Stop();
  }
  mEntries.clear();
}

SoundQueue& SoundQueue::Add(std::unique_ptr<SoundQueueEntry> entry) {
  QueueHold hold(*this);
  if (!mStarted || !entry || !entry->mpSound) return *this;
  mEntries.push_back(std::move(entry));
  if (mEntries.size() == 1) StartHead();
  return *this;
}

SoundQueue& SoundQueue::AddSound(DigitalSound* sound) { return Add(std::make_unique<SoundQueueEntry>(sound, 0, 0)); }

uint32_t SoundQueue::SetTimer(uint32_t delayMs) {
  QueueHold hold(*this);
  mTimerId = platform::TimeSetEvent(delayMs, kQueueTimerResolutionMs, SoundQueueTimerProc,
                                    reinterpret_cast<uintptr_t>(this), platform::kTimerOneShot);
  return mTimerId;
}

void SoundQueue::KillTimer() {
  QueueHold hold(*this);
  if (!mTimerId) return;
  platform::TimeKillEvent(mTimerId);
  mTimerId = 0;
}

void SoundQueue::StartHead() {
  uint32_t delay = mEntries.front()->mDelayMs;
  if (delay) {
    SetTimer(delay);
    return;
  }
  PlayHead();
}

void SoundQueue::PlayHead() {
  QueueHold hold(*this);
  while (!mEntries.empty()) {
    SoundQueueEntry& head = *mEntries.front();
    DigitalSound* sound = head.mpSound;
    if (head.mResourceId) {
      sound->SetResourceId(static_cast<int32_t>(head.mResourceId));
      head.mResourceId = 0;
    } else if (!head.mFileName.empty()) {
      sound->SetFileName(head.mFileName);
    }
    sound->SetCompletionCallback(SoundQueueDoneProc, reinterpret_cast<uintptr_t>(this));
    mStartingHead = true;
    sound->Play(0, kPlayModeRestart);
    mStartingHead = false;
    if (sound->IsPlaying()) return;
    DropHead();
  }
}

void SoundQueue::RemoveHead() {
  QueueHold hold(*this);
  if (!mEntries.empty()) DropHead();
}

// The sound is detached first: an owned one would report its stop while being deleted, and
// one that stays (not owned) would advance the queue from its later plays elsewhere.
void SoundQueue::DropHead() {
  std::unique_ptr<SoundQueueEntry> head = std::move(mEntries.front());
  mEntries.pop_front();
  head->mpSound->ClearCompletionCallback();
}

void SoundQueue::OnSoundDone() {
  QueueHold hold(*this);
  if (mStartingHead || mEntries.empty()) return;
  DropHead();
  if (!mEntries.empty()) StartHead();
}

void SoundQueue::OnTimer() {
  QueueHold hold(*this);
  mTimerId = 0;
  if (!mEntries.empty()) PlayHead();
}

uint32_t SoundQueue::Count() const {
  std::lock_guard lock(platform::SoundLock());
  return static_cast<uint32_t>(mEntries.size());
}

int SoundQueue::IsStarted() const {
  std::lock_guard lock(platform::SoundLock());
  return mStarted;
}
