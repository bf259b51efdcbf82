#pragma once
#include <cstdint>

#include "sound/DigitalSound.h"

// The click one class of sounding control plays: one sound shared by every instance of the
// class, loaded while at least one instance lives. The application names its file.
class ControlClickSound {
public:
  ControlClickSound() = default;
  ControlClickSound(const ControlClickSound&) = delete;
  ControlClickSound& operator=(const ControlClickSound&) = delete;

  // The first instance loads the sound.
  void AddInstance();
  // The last instance unloads it.
  void RemoveInstance();
  // At the master effect volume, restarting a click that still plays.
  void Play();

  int32_t InstanceCount() const { return mInstances; }

  DigitalSound mSound;

private:
  int32_t mInstances = 0;
};

// The clicks of the push buttons, the radio buttons and the check boxes.
extern ControlClickSound gPushButtonClick;
extern ControlClickSound gRadioButtonClick;
extern ControlClickSound gCheckBoxClick;
