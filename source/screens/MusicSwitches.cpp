#include "screens/MusicSwitches.h"

#include "sound/Radio.h"

void MusicOn() { gRadio.SetPlaying(1); }

void MusicOff() { gRadio.SetPlaying(0); }

void ToggleMusic() {
  if (gRadio.mPlaying) {
    gRadio.mEnabled = 0;
    MusicOff();
    return;
  }
  gRadio.mEnabled = 1;
  MusicOn();
}

void ServiceMusic() { gRadio.Update(); }
