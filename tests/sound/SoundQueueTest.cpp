#include "sound/SoundQueue.h"

#include "SoundFixture.h"
#include "sound/DigitalSound.h"

namespace {

// A sound that tells when it is deleted.
class TrackedSound : public DigitalSound {
public:
  TrackedSound(const std::string& fileName, bool& deleted) : DigitalSound(fileName, kLoadInMemory), mDeleted(deleted) {}
  ~TrackedSound() override { mDeleted = true; }

private:
  bool& mDeleted;
};

class SoundQueueTest : public SoundFixture {
protected:
  void SetUp() override {
    SoundFixture::SetUp();
    StartSound();
    queue.Start();
  }
  void TearDown() override {
    queue.Stop(1);
    sounds.clear();
    SoundFixture::TearDown();
  }

  // A sound kept until the queue has stopped, as the game's sounds outlive its queues.
  DigitalSound& Make(const std::string& name, uint32_t ms) {
    sounds.push_back(std::make_unique<DigitalSound>(SaveMs(name, ms), kLoadInMemory));
    return *sounds.back();
  }

  // A file of `ms` milliseconds of a steady level, mono 16-bit at 22050 Hz.
  std::string SaveMs(const std::string& name, uint32_t ms) {
    WaveWriter writer(1, 16, 22050);
    writer.SetSamples16(std::vector<int16_t>(22050 * ms / 1000, 4000));
    return Save(name, writer);
  }

  std::unique_ptr<SoundQueueEntry> Entry(DigitalSound& sound, uint32_t delayMs) {
    return std::make_unique<SoundQueueEntry>(&sound, delayMs, 0);
  }

  uint32_t Now() const { return clock.systemMs; }

  std::vector<std::unique_ptr<DigitalSound>> sounds;
  SoundQueue queue;
};

TEST_F(SoundQueueTest, ChainsDelaysFromTheEndOfTheSoundBefore) {
  DigitalSound& first = Make("a.wav", 100);
  DigitalSound& second = Make("b.wav", 100);
  DigitalSound& third = Make("c.wav", 100);
  DigitalSound* chain[] = {&first, &second, &third};
  uint32_t added = Now();
  queue.Add(Entry(first, 150)).Add(Entry(second, 50)).Add(Entry(third, 50));
  EXPECT_EQ(queue.Count(), 3u);
  uint32_t started[3] = {}, ended[3] = {};
  for (int step = 0; step < 800; ++step) {
    AdvanceMs(1);
    for (int i = 0; i < 3; ++i) {
      bool playing = chain[i]->IsPlaying();
      if (playing && !started[i]) started[i] = Now();
      if (!playing && started[i] && !ended[i]) ended[i] = Now();
    }
  }
  EXPECT_EQ(started[0] - added, 150u);
  // Each end is noticed by the sound's completion poll, within its 10 ms period.
  for (int i = 1; i < 3; ++i) {
    ASSERT_NE(started[i], 0u) << i;
    EXPECT_GE(started[i] - ended[i - 1], 49u) << i;
    EXPECT_LE(started[i] - ended[i - 1], 62u) << i;
  }
  EXPECT_EQ(queue.Count(), 0u);
}

TEST_F(SoundQueueTest, AnEntryWithoutDelayPlaysDuringTheAdd) {
  DigitalSound& sound = Make("a.wav", 100);
  queue.AddSound(&sound);
  EXPECT_EQ(sound.IsPlaying(), 1);
}

TEST_F(SoundQueueTest, AFailingHeadIsDroppedAndTheNextPlaysAtOnce) {
  bool missingDeleted = false;
  DigitalSound& next = Make("b.wav", 100);
  queue.Add(std::make_unique<SoundQueueEntry>(new TrackedSound(folder.Game("missing.wav"), missingDeleted), 0, 1));
  EXPECT_TRUE(missingDeleted) << "dropped at once";
  queue.Add(Entry(next, 0));
  EXPECT_EQ(next.IsPlaying(), 1);

  DigitalSound& later = Make("c.wav", 100);
  queue.Add(std::make_unique<SoundQueueEntry>(folder.Game("missing.wav"), 0)).Add(Entry(later, 500));
  AdvanceMs(130);
  EXPECT_EQ(later.IsPlaying(), 1) << "the missing file was dropped and its delay skipped";
}

TEST_F(SoundQueueTest, StopDeletesOwnedSoundsOnlyAndPlaysNothingMore) {
  bool ownedDeleted = false;
  DigitalSound& head = Make("a.wav", 1000);
  std::string laterFile = SaveMs("b.wav", 100);
  queue.Add(Entry(head, 0)).Add(std::make_unique<SoundQueueEntry>(new TrackedSound(laterFile, ownedDeleted), 0, 1));
  ASSERT_EQ(head.IsPlaying(), 1);
  queue.Stop(1);
  EXPECT_EQ(head.IsPlaying(), 0) << "the head is stopped";
  EXPECT_TRUE(ownedDeleted);
  EXPECT_EQ(queue.Count(), 0u);
  EXPECT_EQ(head.Play(0, 0), 1) << "the unowned sound is still its owner's";
  head.Stop();
  AdvanceMs(1200);
  EXPECT_EQ(queue.Count(), 0u);
}

TEST_F(SoundQueueTest, AQueueNotStartedTakesNothingAndFreesWhatItRefuses) {
  queue.Stop(1);
  bool deleted = false;
  queue.Add(std::make_unique<SoundQueueEntry>(new TrackedSound(SaveMs("a.wav", 100), deleted), 0, 1));
  EXPECT_TRUE(deleted);
  DigitalSound& kept = Make("b.wav", 100);
  queue.AddSound(&kept);
  EXPECT_EQ(queue.Count(), 0u);
  EXPECT_EQ(kept.IsPlaying(), 0);
  EXPECT_EQ(queue.Start(), 1);
  EXPECT_EQ(queue.IsStarted(), 1);
}

TEST_F(SoundQueueTest, AStoppedHeadAdvancesTheQueue) {
  DigitalSound& head = Make("a.wav", 1000);
  DigitalSound& next = Make("b.wav", 100);
  queue.Add(Entry(head, 0)).Add(Entry(next, 0));
  head.Stop();
  EXPECT_EQ(next.IsPlaying(), 1);
  EXPECT_EQ(queue.Count(), 1u);
}

TEST_F(SoundQueueTest, AFinishedSoundPlayedElsewhereNoLongerAdvancesTheQueue) {
  DigitalSound& shared = Make("a.wav", 100);
  DigitalSound& head = Make("b.wav", 1000);
  DigitalSound& waiting = Make("c.wav", 100);
  queue.AddSound(&shared);
  AdvanceMs(150);
  ASSERT_EQ(queue.Count(), 0u);
  queue.Add(Entry(head, 0)).Add(Entry(waiting, 0));
  shared.Play(0, 0);
  shared.Stop();
  EXPECT_EQ(head.IsPlaying(), 1);
  EXPECT_EQ(queue.Count(), 2u);
}

// Reloading a playing sound stops its last play first; that stop is the old play's end, not
// the end of the entry being started.
TEST_F(SoundQueueTest, AReloadOfAPlayingSoundDoesNotAdvanceTheQueue) {
  DigitalSound& sound = Make("long.wav", 1000);
  DigitalSound& next = Make("next.wav", 100);
  ASSERT_EQ(sound.Play(0, 0), 1);
  queue.Add(std::make_unique<SoundQueueEntry>(&sound, SaveMs("short.wav", 100), 0, 0)).Add(Entry(next, 0));
  EXPECT_EQ(queue.Count(), 2u);
  EXPECT_EQ(sound.IsPlaying(), 1);
  EXPECT_EQ(next.IsPlaying(), 0);
  EXPECT_LE(sound.GetRemainingTime(), 100u) << "plays the new file";
  AdvanceMs(130);
  EXPECT_EQ(next.IsPlaying(), 1);
  EXPECT_EQ(queue.Count(), 1u);
}

TEST_F(SoundQueueTest, TheSameSoundQueuedTwicePlaysTwice) {
  DigitalSound& sound = Make("a.wav", 100);
  queue.AddSound(&sound).AddSound(&sound);
  AdvanceMs(115);
  EXPECT_EQ(sound.IsPlaying(), 1) << "the second play";
  EXPECT_EQ(queue.Count(), 1u);
  AdvanceMs(115);
  EXPECT_EQ(queue.Count(), 0u);
}

}  // namespace
