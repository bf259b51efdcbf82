#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Drovane/StringTableFixture.h"
#include "Drovane/toolkit/ToolkitFixture.h"
#include "platform/Clock.h"
#include "platform/SilentSoundOutput.h"
#include "platform/SoundDevice.h"
#include "platform/TimerService.h"
#include "screens/ControlClickSound.h"
#include "sound/SoundSystem.h"
#include "soundfiles/WaveWriter.h"

// The toolkit's fixture with the clocks in hand, the sound system on the silent output, a
// click sound for the sounding controls, the control bitmaps and the buttons' captions.
class ScreensFixture : public ToolkitFixture {
protected:
  static constexpr platform::WindowHandle kSoundWindow = 1;

  void SetUp() override {
    ToolkitFixture::SetUp();
    clock.systemMs = 1000;
    platform::SetClockSource(&clock);
    platform::SetTimersHeadless(true);
    platform::SetSoundOutput(std::make_shared<platform::SilentSoundOutput>());
    ASSERT_EQ(gSoundSystem.Initialize(kSoundWindow), 1);
    WaveWriter click(1, 16, 22050);
    click.SetSamples16(std::vector<int16_t>(2205, 1000));
    const std::vector<uint8_t> bytes = click.Build();
    folder.Write("data/sound/button.wav", std::string(bytes.begin(), bytes.end()));
    for (ControlClickSound* sound : Clicks()) sound->mSound.SetFile(folder.Game("data/sound/button.wav"), 0);
    WriteNumberedControlStrips();
  }
  void TearDown() override {
    for (ControlClickSound* sound : Clicks()) {
      EXPECT_EQ(sound->InstanceCount(), 0);
      sound->mSound.Unload();
      sound->mSound.SetFile("", 0);
    }
    ToolkitFixture::TearDown();
    gSoundSystem.Release();
    platform::SetSoundOutput(nullptr);
    platform::RestartSound();
    platform::SetClockSource(nullptr);
  }

  static std::vector<ControlClickSound*> Clicks() { return {&gPushButtonClick, &gRadioButtonClick, &gCheckBoxClick}; }

  // Whether the click played since the last look; it is stopped for the next one.
  static bool Clicked(ControlClickSound& click) {
    const bool playing = click.mSound.IsPlaying() != 0;
    click.mSound.Stop();
    return playing;
  }

  platform::ManualClock clock;
  ScopedStringTable strings{{{3, "Are you sure you want to quit?"},
                             {20, "OK"},
                             {21, "Cancel"},
                             {22, "Yes"},
                             {23, "No"},
                             {24, "Retry"},
                             {25, "Abort"}}};
};
