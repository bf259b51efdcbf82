#include <gtest/gtest.h>

#include "Drovane/PrefsFile.h"
#include "platform/ByteOrder.h"
#include "shell/GameApp.h"
#include "sound/DigitalSound.h"
#include "sound/SoundEffectVolumeListener.h"
#include "sound/SoundEffects.h"
#include "sound/SoundFixture.h"

namespace {

class GameAppSoundTest : public SoundFixture {
protected:
  void SetUp() override {
    SoundFixture::SetUp();
    app = std::make_unique<CGameApp>();
    ASSERT_NE(InitSoundEffects(kTestWindow), 0);
    WaveWriter writer(1, 16, 22050);
    writer.SetSamples16(std::vector<int16_t>(22050, 4000));
    gSoundBank.LoadFileSound(Save("effect.wav", writer), kEffect, kLoadInMemory);
  }
  void TearDown() override {
    app.reset();
    SetMasterEffectVolume(10000);
    SoundFixture::TearDown();
  }

  void StoreRecord(const std::vector<uint8_t>& bytes) {
    app->mPrefs.SetData(kEffectVolumeRecordId, bytes.data(), static_cast<uint32_t>(bytes.size()));
  }

  std::vector<int32_t> Record() {
    std::vector<int32_t> values;
    const auto* bytes = static_cast<const uint8_t*>(app->mPrefs.GetData(kEffectVolumeRecordId));
    for (uint32_t i = 0; bytes && i + 4 <= app->mPrefs.GetSize(kEffectVolumeRecordId); i += 4)
      values.push_back(platform::ReadLE32Signed(bytes + i));
    return values;
  }

  static constexpr int kEffect = 3;
  std::unique_ptr<CGameApp> app;
};

TEST_F(GameAppSoundTest, LeavingFlightStopsTheEffectsAndOtherModesDoNot) {
  ASSERT_EQ(PlaySoundEffectAt(kEffect, {}, kEffectLoop), 1);
  app->mModeStack.push_back(kModeQuit);
  EXPECT_EQ(app->LeaveMode(kModeQuit), 1);
  EXPECT_EQ(IsSoundEffectPlaying(kEffect), 1);
  app->mModeStack.push_back(kModeFlight);
  EXPECT_EQ(app->LeaveMode(kModeFlight), 1);
  EXPECT_EQ(IsSoundEffectPlaying(kEffect), 0);
}

TEST_F(GameAppSoundTest, TheVolumeRecordIsTakenOnlyWhole) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    int32_t master;
  } cases[] = {
      {"none", {}, 10000},
      {"whole", {0xB8, 0x0B, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}, 3000},
      {"short", {0xB8, 0x0B, 0, 0}, 10000},
      {"past full", {0x50, 0xC3, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}, 10000},
      {"negative", {0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}, 0},
  };
  for (const Case& c : cases) {
    app->mPrefs.Clear();
    if (!c.bytes.empty()) StoreRecord(c.bytes);
    SetMasterEffectVolume(1234);
    app->LoadEffectVolume();
    EXPECT_EQ(MasterEffectVolume(), c.master) << c.name;
  }
}

TEST_F(GameAppSoundTest, SettingTheVolumeStoresTheRecordAndTellsTheEffects) {
  ASSERT_EQ(gSoundEffectVolumeListener.Register(), 1);
  app->SetEffectVolume(2500);
  EXPECT_EQ(Record(), (std::vector<int32_t>{2500, 10000, 10000, 10000}));
  EXPECT_EQ(MasterEffectVolume(), 2500);
  StoreRecord({0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0});
  app->SetEffectVolume(20000);
  EXPECT_EQ(Record(), (std::vector<int32_t>{10000, 1, 2, 3})) << "the other volumes as they were";
  EXPECT_EQ(MasterEffectVolume(), 10000);
}

}  // namespace
