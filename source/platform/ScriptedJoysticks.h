#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/Joysticks.h"

namespace platform {

// Joysticks that a test plugs in, moves and unplugs by hand. Each Plug gives the device a
// new key; the system gives it the lowest free id at the next joystick call.
class ScriptedJoysticks : public JoystickBackend {
public:
  // A device with every axis, 32 buttons and a hat unless told otherwise; returns its key.
  int32_t Plug(const std::string& name, uint32_t axisCount = kJoystickAxes, bool hasHat = true);
  void Unplug(int32_t key);
  // Axis values as the device gives them, -32768 (left, forward) to 32767.
  void SetAxis(int32_t key, uint32_t axis, int16_t value);
  void SetButton(int32_t key, uint32_t button, bool held);
  void SetHat(int32_t key, uint8_t directions);

  // While set, the backend acts as one that could not start: no device is attached.
  bool failsToStart = false;

  bool Update() override { return !failsToStart; }
  void AttachedDevices(std::vector<int32_t>& keys) const override;
  bool ReadDevice(int32_t key, JoystickDeviceState& state) const override;
  std::string DeviceName(int32_t key) const override;

private:
  struct Device {
    std::string name;
    JoystickDeviceState state;
  };
  Device* Find(int32_t key);

  std::map<int32_t, Device> mDevices;  // keys grow, so this is oldest first
  int32_t mNextKey = 1;
};

}  // namespace platform
