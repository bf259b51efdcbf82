#include "platform/Joysticks.h"

#include <algorithm>
#include <array>

namespace platform {
namespace {

// What the system keeps for one joystick id.
struct JoystickId {
  bool used = false;
  int32_t key = 0;  // the backend's key of the device
  uint32_t threshold = 0;
};

JoystickBackend* gBackend = nullptr;
std::array<JoystickId, kJoystickIds> gIds;
std::vector<int32_t> gAttached;

bool IsAttached(int32_t key) { return std::find(gAttached.begin(), gAttached.end(), key) != gAttached.end(); }

bool HasId(int32_t key) {
  return std::any_of(gIds.begin(), gIds.end(), [key](const JoystickId& id) { return id.used && id.key == key; });
}

// Frees the ids of unplugged devices, then gives each new device the lowest free id. A
// device beyond the sixteenth waits for a free id.
void AssignIds() {
  for (JoystickId& id : gIds) {
    if (id.used && !IsAttached(id.key)) id = {};
  }
  for (int32_t key : gAttached) {
    if (HasId(key)) continue;
    auto free = std::find_if(gIds.begin(), gIds.end(), [](const JoystickId& id) { return !id.used; });
    if (free == gIds.end()) return;
    *free = {true, key, 0};
  }
}

void TakeInChanges() {
  gAttached.clear();
  if (Joysticks().Update()) Joysticks().AttachedDevices(gAttached);
  AssignIds();
}

// The id's record after taking in what changed; null when the id holds no device.
JoystickId* PresentId(uint32_t id) {
  TakeInChanges();
  if (id >= kJoystickIds || !gIds[id].used) return nullptr;
  return &gIds[id];
}

uint32_t RawAxis(const JoystickDeviceState& state, uint32_t axis) {
  if (axis >= state.axisCount) return kJoyAxisMissing;
  return static_cast<uint32_t>(state.axes[axis] + 32768);
}

}  // namespace

JoystickBackend& Joysticks() { return gBackend ? *gBackend : SdlJoystickBackend(); }

void SetJoystickBackend(JoystickBackend* backend) {
  gBackend = backend;
  gIds = {};
}

uint32_t JoystickDeviceCount() {
  TakeInChanges();
  return kJoystickIds;
}

bool GetJoystickPosition(uint32_t id, uint32_t flags, JoystickInfo& info) {
  JoystickId* joystick = PresentId(id);
  JoystickDeviceState state;
  if (!joystick || !Joysticks().ReadDevice(joystick->key, state)) return false;
  for (uint32_t axis = 0; axis < kJoystickAxes; ++axis) {
    if (flags & (kJoyReturnX << axis)) info.axes[axis] = RawAxis(state, axis);
  }
  if (flags & kJoyReturnButtons) info.buttons = state.buttons;
  if (flags & kJoyReturnPov) info.pov = state.hasHat ? PovFromHat(state.hat) : kJoyPovCentred;
  return true;
}

bool GetJoystickCaps(uint32_t id, JoystickCaps& caps) {
  JoystickId* joystick = PresentId(id);
  if (!joystick) return false;
  caps.name = Joysticks().DeviceName(joystick->key).substr(0, kJoystickNameLength);
  return true;
}

bool GetJoystickThreshold(uint32_t id, uint32_t& threshold) {
  JoystickId* joystick = PresentId(id);
  if (!joystick) return false;
  threshold = joystick->threshold;
  return true;
}

bool SetJoystickThreshold(uint32_t id, uint32_t threshold) {
  JoystickId* joystick = PresentId(id);
  if (!joystick) return false;
  joystick->threshold = threshold;
  return true;
}

uint32_t PovFromHat(uint8_t hat) {
  // Indexed by the four direction bits; opposite directions together cancel out.
  static constexpr uint32_t kPov[16] = {
      kJoyPovCentred, 0,     9000,  4500,  18000, kJoyPovCentred, 13500, 9000,
      27000,          31500, kJoyPovCentred, 0, 22500, 27000, 18000, kJoyPovCentred};
  return kPov[hat & 0x0F];
}

}  // namespace platform
