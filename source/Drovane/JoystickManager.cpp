#include "Drovane/JoystickManager.h"

#include <algorithm>

JoystickManager gJoystickManager;

namespace {

constexpr int64_t kRawAxisMax = 65535;
// What a position read asks for when it only tests that the joystick answers.
constexpr uint32_t kPositionFlags =
    platform::kJoyReturnX | platform::kJoyReturnY | platform::kJoyReturnZ | platform::kJoyReturnButtons;

// a * b / c rounded to the nearest, halves away from zero, as the system's MulDiv.
int64_t MulDiv(int64_t a, int64_t b, int64_t c) {
  int64_t product = a * b;
  return product >= 0 ? (product + c / 2) / c : (product - c / 2) / c;
}

// The range's width; 64-bit, so that no range the caller sets overflows.
int64_t Span(int32_t minimum, int32_t maximum) { return static_cast<int64_t>(maximum) - minimum; }

}  // namespace

JoystickManager::JoystickManager() = default;

// Slots beyond the new count are emptied whole, so a joystick that was unplugged is not
// found by name afterwards.
int32_t JoystickManager::Enumerate() {
  mCount = 0;
  for (int32_t slot = 0; slot < kSlots; ++slot) {
    mPresent[slot] = 0;
    mDeviceIds[slot] = 0;
    mCaps[slot] = {};
    mPolled[slot] = false;
  }
  uint32_t ids = std::min<uint32_t>(platform::JoystickDeviceCount(), kSlots);
  for (uint32_t id = 0; id < ids; ++id) {
    platform::JoystickInfo info;
    platform::JoystickCaps caps;
    if (!platform::GetJoystickPosition(id, kPositionFlags, info) || !platform::GetJoystickCaps(id, caps)) continue;
    mDeviceIds[mCount] = static_cast<int32_t>(id);
    mPresent[mCount] = 1;
    mCaps[mCount] = caps;
    ++mCount;
  }
  return mCount;
}

int32_t JoystickManager::HasDevice(const std::string& name) const {
  int32_t slot = 0;
  return FindDevice(name, &slot) == 1 ? 1 : 0;
}

int32_t JoystickManager::GetDeviceName(int32_t slot, std::string& name) const {
  if (!IsPresent(slot)) return 0;
  name = mCaps[slot].name;
  return 1;
}

int32_t JoystickManager::FindDevice(const std::string& name, int32_t* pSlot) const {
  for (int32_t slot = 0; slot < kSlots; ++slot) {
    if (!IsPresent(slot) || mCaps[slot].name != name) continue;
    *pSlot = slot;
    return 1;
  }
  return -1;
}

int32_t JoystickManager::ScaleAxis(uint32_t raw) const {
  return static_cast<int32_t>(mRangeMin + MulDiv(Span(mRangeMin, mRangeMax), raw, kRawAxisMax));
}

bool JoystickManager::ReadState(int32_t slot, uint32_t flags, int32_t useLastPoll,
                                platform::JoystickInfo& info) const {
  if (!IsPresent(slot)) return false;
  if (useLastPoll) {
    if (!mPolled[slot]) return false;
    info = mState[slot];
    return true;
  }
  return platform::GetJoystickPosition(static_cast<uint32_t>(mDeviceIds[slot]), flags, info);
}

bool JoystickManager::ReadAxis(int32_t slot, int32_t axis, int32_t useLastPoll, int32_t& value) const {
  if (axis < 0 || axis >= static_cast<int32_t>(platform::kJoystickAxes)) return false;
  platform::JoystickInfo info;
  if (!ReadState(slot, platform::kJoyReturnX << axis, useLastPoll, info)) return false;
  int64_t scaled = ScaleAxis(info.axes[axis]);
  int64_t centre = mRangeCenter;
  value = centre - mDeadZone < scaled && scaled < centre + mDeadZone ? 0 : static_cast<int32_t>(scaled);
  return true;
}

int32_t JoystickManager::GetAxis(int32_t slot, int32_t axis, int32_t useLastPoll) const {
  int32_t value = 0;
  return ReadAxis(slot, axis, useLastPoll, value) ? value : 0;
}

int32_t JoystickManager::GetAxisDirection(int32_t slot, int32_t axis, int32_t useLastPoll) const {
  int32_t value = 0;
  if (!ReadAxis(slot, axis, useLastPoll, value)) return 0;
  int64_t quarter = Span(mRangeMin, mRangeMax) >> 2;
  if (value < mRangeCenter - quarter) return -1;
  if (value > mRangeCenter + quarter) return 1;
  return 0;
}

uint32_t JoystickManager::IsButtonDown(int32_t slot, int32_t button, int32_t useLastPoll) const {
  if (button < 0 || static_cast<uint32_t>(button) >= platform::kJoystickButtons) return 0;
  platform::JoystickInfo info;
  if (!ReadState(slot, platform::kJoyReturnButtons, useLastPoll, info)) return 0;
  return info.buttons & (1u << button);
}

int32_t JoystickManager::Poll(int32_t slot) {
  if (!IsPresent(slot)) return 0;
  uint32_t id = static_cast<uint32_t>(mDeviceIds[slot]);
  mPolled[slot] = platform::GetJoystickPosition(id, platform::kJoyReturnAll, mState[slot]);
  return mPolled[slot] ? 1 : 0;
}

uint32_t JoystickManager::GetPov(int32_t slot, int32_t useLastPoll) const {
  platform::JoystickInfo info;
  if (!ReadState(slot, platform::kJoyReturnPov, useLastPoll, info)) return platform::kJoyPovCentred;
  return info.pov;
}

bool JoystickManager::OpenControlPanel() const { return false; }

int32_t JoystickManager::GetThreshold(int32_t slot, uint32_t* pThreshold) const {
  if (!IsPresent(slot) || !pThreshold) return 0;
  return platform::GetJoystickThreshold(static_cast<uint32_t>(mDeviceIds[slot]), *pThreshold) ? 1 : 0;
}

int32_t JoystickManager::SetThreshold(int32_t slot, uint32_t threshold) {
  if (!IsPresent(slot)) return 0;
  return platform::SetJoystickThreshold(static_cast<uint32_t>(mDeviceIds[slot]), threshold) ? 1 : 0;
}

void JoystickManager::SetRange(int32_t minimum, int32_t maximum) {
  mRangeMin = minimum;
  mRangeMax = maximum;
  mRangeCenter = static_cast<int32_t>(minimum + Span(minimum, maximum) / 2);
}
