#include "sound/SoundEffects.h"

#include "Drovane/PrefsFile.h"
#include "SoundFixture.h"
#include "platform/ByteOrder.h"
#include "sound/DigitalSound.h"
#include "sound/SoundEffectVolumeListener.h"
#include "sound/SoundListener.h"
#include "sound/SoundQueue.h"

namespace {

constexpr int32_t kUnit = 0x10000;
constexpr int kEffect = 7;

class SoundEffectsTest : public SoundFixture {
protected:
  void SetUp() override {
    SoundFixture::SetUp();
    ASSERT_NE(InitSoundEffects(kTestWindow), 0);
    WaveWriter writer(1, 16, 22050);
    writer.SetSamples16(std::vector<int16_t>(22050, 4000));
    file = Save("effect.wav", writer);
    gSoundBank.LoadFileSound(file, kEffect, kLoadStreamedIfLarge);
    SetFrameCameraPosition({});
    SetCameraPosition({});
    Matrix identity{};
    SetCameraOrientation(MatrixIdentity(identity));
    SetPrefsFile(&prefs);
  }
  void TearDown() override {
    SetPrefsFile(nullptr);
    SetMasterEffectVolume(10000);
    gSoundQueues[0].Stop(1);
    SoundFixture::TearDown();
  }

  DigitalSound& Effect(int number) { return *static_cast<DigitalSound*>(gSoundBank.GetSound(number)); }

  int32_t VolumeOf(int number) {
    int32_t volume = -1;
    Effect(number).GetVolume(volume);
    return volume;
  }

  void StoreVolumeRecord(const std::vector<int32_t>& values) {
    std::vector<uint8_t> bytes(values.size() * 4);
    for (size_t i = 0; i < values.size(); ++i) platform::WriteLE32(&bytes[i * 4], static_cast<uint32_t>(values[i]));
    prefs.SetData(kEffectVolumeRecordId, bytes.data(), static_cast<uint32_t>(bytes.size()));
  }

  std::string file;
  PrefsFile prefs;
};

TEST_F(SoundEffectsTest, PlayingMeasuresInThreeDimensionsUpTo1920) {
  struct Case {
    const char* name;
    Vec3 position;
    int played;
    int32_t own;
  } cases[] = {
      {"at the camera", {0, 0, 0}, 1, 10000},
      {"960.0 ahead", {0, 0, 960 * kUnit}, 1, 8000},
      {"1919.99 to the side", {static_cast<int32_t>(1919.99 * kUnit), 0, 0}, 1, 6000},
      {"1920.0 behind", {0, 0, -1920 * kUnit}, 0, 1234},
      {"far above and aside", {1700 * kUnit, 1000 * kUnit, 0}, 0, 1234},
      {"past the 32-bit length", {30000 * kUnit, 30000 * kUnit, 30000 * kUnit}, 0, 1234},
  };
  for (const Case& c : cases) {
    Effect(kEffect).Stop();
    SetSoundEffectVolume(kEffect, 1234 - 10000);
    SetFrameCameraPosition({-5 * kUnit, 0, 0});
    Vec3 position{c.position.x - 5 * kUnit, c.position.y, c.position.z};
    EXPECT_EQ(PlaySoundEffectAt(kEffect, position, 0), c.played) << c.name;
    EXPECT_EQ(SoundEffectOwnVolume(kEffect), c.own) << c.name;
    EXPECT_EQ(IsSoundEffectPlaying(kEffect), c.played) << c.name;
    if (c.played) {
      EXPECT_EQ(VolumeOf(kEffect), c.own) << c.name;
    }
  }
}

TEST_F(SoundEffectsTest, UpdatingSetsVolumeAndPanFromTheCamerasView) {
  struct Case {
    const char* name;
    Vec3 position;
    int32_t own, pan;
  } cases[] = {
      {"at the camera", {0, 0, 0}, 10000, 0},
      {"straight ahead", {0, 0, 960 * kUnit}, 8000, 0},
      {"to the right", {960 * kUnit, 0, 0}, 8000, 1250},
      {"to the left", {-960 * kUnit, 0, 0}, 8000, -1250},
      {"on the vertical axis", {0, 3000 * kUnit, 0}, 10000, 0},
      {"1919.99 ahead", {0, 0, static_cast<int32_t>(1919.99 * kUnit)}, 6000, 0},
      {"1920.0 ahead", {0, 0, 1920 * kUnit}, 6000, 0},
      {"4800.0 ahead", {0, 0, 4800 * kUnit}, 0, 0},
      {"beyond, where the product would overflow", {0, 0, 20000 * kUnit}, 0, 0},
      {"beyond the 16.16 range", {30000 * kUnit, 0, 30000 * kUnit}, 0, 883},
  };
  ASSERT_EQ(PlaySoundEffectAt(kEffect, {}, kEffectLoop), 1);
  for (const Case& c : cases) {
    UpdateSoundEffectPosition(kEffect, c.position);
    EXPECT_EQ(SoundEffectOwnVolume(kEffect), c.own) << c.name;
    EXPECT_EQ(VolumeOf(kEffect), c.own) << c.name;
    int32_t pan = -1;
    Effect(kEffect).GetPan(pan);
    EXPECT_EQ(pan, c.pan) << c.name;
  }
  // A camera turned a quarter to the right sees what lies ahead of the world on its left.
  Matrix turned{};
  MatrixIdentity(turned);
  turned[0] = 0, turned[2] = -kUnit, turned[8] = kUnit, turned[10] = 0;
  SetCameraOrientation(turned);
  UpdateSoundEffectPosition(kEffect, {0, 0, 960 * kUnit});
  int32_t pan = 0;
  Effect(kEffect).GetPan(pan);
  EXPECT_EQ(pan, -1250);
}

TEST_F(SoundEffectsTest, TheMasterVolumeFollowsTheVolumeRecord) {
  ASSERT_EQ(gSoundEffectVolumeListener.Register(), 1);
  ASSERT_EQ(PlaySoundEffectAt(kEffect, {0, 0, 960 * kUnit}, kEffectLoop), 1);
  StoreVolumeRecord({0, 10000, 10000, 10000});
  EXPECT_EQ(MasterEffectVolume(), 0);
  EXPECT_EQ(VolumeOf(kEffect), 0);
  EXPECT_EQ(SoundEffectOwnVolume(kEffect), 8000) << "own volumes stay";
  StoreVolumeRecord({5000, 10000, 10000, 10000});
  EXPECT_EQ(VolumeOf(kEffect), 4000) << "restored to master x own";
  SetSoundEffectVolume(kEffect, -2500);
  EXPECT_EQ(VolumeOf(kEffect), 3750);
  StoreVolumeRecord({10000, 0, 0, 0});
  EXPECT_EQ(VolumeOf(kEffect), 7500) << "rescaled from the volume set by offset";

  struct Damaged {
    const char* name;
    std::vector<uint8_t> bytes;
    int32_t master;
  } damaged[] = {
      {"too short for a value", {0x10, 0x27}, 10000},
      {"a value beyond full", {0x50, 0xC3, 0x00, 0x00}, 10000},
      {"a negative value", {0xFF, 0xFF, 0xFF, 0xFF}, 0},
      {"one value only", {0x88, 0x13, 0x00, 0x00}, 5000},
  };
  for (const Damaged& d : damaged) {
    prefs.SetData(kEffectVolumeRecordId, d.bytes.data(), static_cast<uint32_t>(d.bytes.size()));
    EXPECT_EQ(MasterEffectVolume(), d.master) << d.name;
  }
  SetSoundEffectVolume(kEffect, 2000000000);
  SetMasterEffectVolume(10000);
  EXPECT_EQ(VolumeOf(kEffect), 10000) << "no overflow of master x own";
}

TEST_F(SoundEffectsTest, PitchFrequencyAndFileOfAnEffect) {
  ASSERT_EQ(PlaySoundEffectAt(kEffect, {}, kEffectLoop), 1);
  uint32_t hertz = 0;
  SetSoundEffectFrequency(kEffect, 11500);
  Effect(kEffect).GetFrequency(hertz);
  EXPECT_EQ(hertz, 11500u);
  EXPECT_EQ(IsSoundEffectPlaying(kEffect), 1);
  ShiftSoundEffectPitch(kEffect, -50);
  Effect(kEffect).GetFrequency(hertz);
  EXPECT_EQ(hertz, 22000u);
  ReplaceSoundEffect(kEffect + 1, "other.wav");
  EXPECT_EQ(gSoundBank.GetSound(kEffect + 1), nullptr) << "an empty slot stays empty";
}

TEST_F(SoundEffectsTest, TwoEffectsOfOneFileAreTwoSounds) {
  gSoundBank.LoadFileSound(file, 17, kLoadStreamedIfLarge);
  gSoundBank.LoadFileSound(file, 38, kLoadStreamedIfLarge);
  ASSERT_EQ(PlaySoundEffectAt(17, {}, kEffectLoop), 1);
  ASSERT_EQ(PlaySoundEffectAt(38, {}, kEffectLoop), 1);
  StopSoundEffect(17);
  EXPECT_EQ(IsSoundEffectPlaying(17), 0);
  EXPECT_EQ(IsSoundEffectPlaying(38), 1);
  StopAllSoundEffects();
  EXPECT_EQ(IsSoundEffectPlaying(38), 0);
}

TEST_F(SoundEffectsTest, AQueuedEffectPlaysAtTheMasterVolume) {
  gSoundQueues[0].Start();
  SetMasterEffectVolume(8000);
  SetSoundEffectVolume(kEffect, -5000);
  QueueSoundEffect(0, kEffect, 0);
  EXPECT_EQ(IsSoundEffectPlaying(kEffect), 1);
  EXPECT_EQ(VolumeOf(kEffect), 8000);
  EXPECT_EQ(SoundEffectOwnVolume(kEffect), 5000) << "the own volume is left alone";
  QueueSoundEffect(2, kEffect, 0);
  QueueSoundEffect(0, kEffect + 1, 0);
  EXPECT_EQ(gSoundQueues[0].Count(), 1u) << "no such queue, no such sound";
}

TEST_F(SoundEffectsTest, NumbersOutsideTheTableDoNothing) {
  for (int number : {-1, 113, 127, 1000}) {
    EXPECT_EQ(PlaySoundEffectAt(number, {}, 0), 0) << number;
    UpdateSoundEffectPosition(number, {});
    SetSoundEffectVolume(number, 0);
    SetSoundEffectFrequency(number, 11000);
    StopSoundEffect(number);
    EXPECT_EQ(IsSoundEffectPlaying(number), 0) << number;
    EXPECT_EQ(SoundEffectOwnVolume(number), 0) << number;
  }
}

}  // namespace
