#include "platform/ScriptedJoysticks.h"

namespace platform {

int32_t ScriptedJoysticks::Plug(const std::string& name, uint32_t axisCount, bool hasHat) {
  Device device;
  device.name = name;
  device.state.axisCount = axisCount;
  device.state.hasHat = hasHat;
  mDevices[mNextKey] = device;
  return mNextKey++;
}

void ScriptedJoysticks::Unplug(int32_t key) { mDevices.erase(key); }

void ScriptedJoysticks::SetAxis(int32_t key, uint32_t axis, int16_t value) {
  Device* device = Find(key);
  if (device && axis < kJoystickAxes) device->state.axes[axis] = value;
}

void ScriptedJoysticks::SetButton(int32_t key, uint32_t button, bool held) {
  Device* device = Find(key);
  if (!device || button >= kJoystickButtons) return;
  uint32_t bit = 1u << button;
  device->state.buttons = held ? device->state.buttons | bit : device->state.buttons & ~bit;
}

void ScriptedJoysticks::SetHat(int32_t key, uint8_t directions) {
  Device* device = Find(key);
  if (device) device->state.hat = directions;
}

void ScriptedJoysticks::AttachedDevices(std::vector<int32_t>& keys) const {
  for (const auto& [key, device] : mDevices) keys.push_back(key);
}

bool ScriptedJoysticks::ReadDevice(int32_t key, JoystickDeviceState& state) const {
  auto found = mDevices.find(key);
  if (found == mDevices.end()) return false;
  state = found->second.state;
  return true;
}

std::string ScriptedJoysticks::DeviceName(int32_t key) const {
  auto found = mDevices.find(key);
  return found == mDevices.end() ? std::string() : found->second.name;
}

ScriptedJoysticks::Device* ScriptedJoysticks::Find(int32_t key) {
  auto found = mDevices.find(key);
  return found == mDevices.end() ? nullptr : &found->second;
}

}  // namespace platform
