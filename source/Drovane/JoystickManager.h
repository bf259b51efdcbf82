#pragma once
#include <cstdint>
#include <string>

#include "platform/Joysticks.h"

// The joysticks the game knows: those found by the last enumeration, in up to sixteen slots
// filled in system id order without gaps. Axes come scaled to a game range with a dead zone
// around its centre; axes, buttons and the hat are read either fresh or as of the slot's
// last poll. A slot that holds no joystick reads nothing and answers 0.
class JoystickManager {
public:
  static constexpr int32_t kSlots = 16;

  JoystickManager();

  // Finds the present joysticks; returns how many.
  int32_t Enumerate();
  // 1 when a present joystick has exactly that name.
  int32_t HasDevice(const std::string& name) const;
  // 1 and the slot's name when the slot is present, else 0.
  int32_t GetDeviceName(int32_t slot, std::string& name) const;
  // 1 with *pSlot the first present slot of that name; -1, *pSlot untouched, when none.
  int32_t FindDevice(const std::string& name, int32_t* pSlot) const;

  // A raw axis position 0..65535 in the game's range, rounded to the nearest.
  int32_t ScaleAxis(uint32_t raw) const;
  // Axis 0 X, 1 Y, 2 Z, 3 R, 4 U, 5 V, scaled; 0 inside the dead zone.
  int32_t GetAxis(int32_t slot, int32_t axis, int32_t useLastPoll) const;
  // -1 or 1 when the axis is beyond a quarter of the range from the centre, else 0.
  int32_t GetAxisDirection(int32_t slot, int32_t axis, int32_t useLastPoll) const;
  // The button's bit (1 << button) while it is held, else 0.
  uint32_t IsButtonDown(int32_t slot, int32_t button, int32_t useLastPoll) const;
  // Reads the slot's whole state for the last-poll readings; 1 when it was read.
  int32_t Poll(int32_t slot);
  // The hat in hundredths of a degree clockwise from up, or the centred value (also when
  // nothing can be read).
  uint32_t GetPov(int32_t slot, int32_t useLastPoll) const;
  // Linux has no system joystick panel to open: always false.
  bool OpenControlPanel() const;
  int32_t GetThreshold(int32_t slot, uint32_t* pThreshold) const;
  int32_t SetThreshold(int32_t slot, uint32_t threshold);
  void SetRange(int32_t minimum, int32_t maximum);
  void SetDeadZone(int32_t deadZone) { mDeadZone = deadZone; }

  int32_t Count() const { return mCount; }
  // The system id of a present slot; -1 for any other.
  int32_t DeviceId(int32_t slot) const { return IsPresent(slot) ? mDeviceIds[slot] : -1; }
  int32_t RangeMin() const { return mRangeMin; }
  int32_t RangeMax() const { return mRangeMax; }
  int32_t RangeCenter() const { return mRangeCenter; }
  int32_t DeadZone() const { return mDeadZone; }

private:
  bool IsPresent(int32_t slot) const { return slot >= 0 && slot < kSlots && mPresent[slot]; }
  // The slot's state, fresh (only the parts the flags name) or from its last poll; false
  // when there is none.
  bool ReadState(int32_t slot, uint32_t flags, int32_t useLastPoll, platform::JoystickInfo& info) const;
  bool ReadAxis(int32_t slot, int32_t axis, int32_t useLastPoll, int32_t& value) const;

  int32_t mCount = 0;
  uint8_t mPresent[kSlots] = {};
  int32_t mDeviceIds[kSlots] = {};
  int32_t mRangeMin = -100;
  int32_t mRangeMax = 100;
  int32_t mRangeCenter = 0;
  int32_t mDeadZone = 0;
  platform::JoystickCaps mCaps[kSlots];
  platform::JoystickInfo mState[kSlots];
  // Set by a poll that read the slot; a slot never polled, or whose last poll failed, gives
  // no last-poll readings, so an unplugged joystick does not keep its last position.
  bool mPolled[kSlots] = {};
};

extern JoystickManager gJoystickManager;
