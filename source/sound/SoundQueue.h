#pragma once
#include <cstdint>
#include <list>
#include <memory>

#include "sound/SoundQueueEntry.h"

// Plays sounds one after another, each after its own delay counted from the end of the one
// before (or from its adding, on an idle queue): the spoken announcements. The first entry
// of an idle queue starts during Add; every later one is started from the timer thread by
// the completion of the sound before and, for a delay, a one-shot timer. Every change of
// the list and every start of the head holds the sound lock, which the timer callbacks also
// run under, so a Clear on the main thread never interleaves with a running OnTimer.
class SoundQueue {
public:
  SoundQueue() = default;
  // Stops the queue and its head sound and deletes the entries (unless already stopped).
  virtual ~SoundQueue();
  SoundQueue(const SoundQueue&) = delete;
  SoundQueue& operator=(const SoundQueue&) = delete;

  // Lets entries in; returns 1.
  virtual int Start();
  // Shuts entries out, then clears the queue.
  virtual void Stop(int stopHead);
  // Kills a pending delay, detaches the head sound from the queue (stopping it when
  // `stopHead` is set, which then does not advance the queue) and deletes every entry.
  virtual void Clear(int stopHead);
  virtual uint32_t SetTimer(uint32_t delayMs);
  virtual void KillTimer();
  // Plays the head entry; an entry whose sound does not start is dropped and the next tried
  // at once, without its delay.
  virtual void PlayHead();
  virtual void RemoveHead();
  // The head sound has ended, or was stopped: the next entry starts after its delay.
  virtual void OnSoundDone();
  // The delay timer fired.
  virtual void OnTimer();
  // Hold the queue: the recursive sound lock, waited for without limit.
  virtual int GetMutex();
  virtual void ReleaseMutex();

  // Takes the entry over and appends it, starting it when it is the only one. A queue not
  // started (or an entry without a sound) deletes the entry and its owned sound at once.
  SoundQueue& Add(std::unique_ptr<SoundQueueEntry> entry);
  // Appends the sound, not owned, without delay.
  SoundQueue& AddSound(DigitalSound* sound);

  uint32_t Count() const;
  int IsStarted() const;

private:
  void StartHead();
  void DropHead();

  std::list<std::unique_ptr<SoundQueueEntry>> mEntries;
  int32_t mStarted = 0;
  uint32_t mTimerId = 0;
  // Set while PlayHead plays the head: a completion reported during that play (a reload
  // stopping the sound's last play) belongs to the play before, not to the entry starting.
  bool mStartingHead = false;
};

constexpr int kSoundQueueCount = 2;
// Queue 0 carries the announcements; queue 1 is started and stopped with it.
extern SoundQueue gSoundQueues[kSoundQueueCount];

void SoundQueueTimerProc(uint32_t timerId, uint32_t message, uintptr_t user, uintptr_t reserved1,
                         uintptr_t reserved2);
void SoundQueueDoneProc(uintptr_t queue);
