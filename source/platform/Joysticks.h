#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The joystick functions the game calls: sixteen system joystick ids, each absent or holding
// one device. An id stays with its device while the device stays plugged in; a new device
// takes the lowest free id, so ids may have gaps. Every call first takes in what changed on
// the devices, so no window and no event loop are needed.
namespace platform {

inline constexpr uint32_t kJoystickIds = 16;
inline constexpr uint32_t kJoystickAxes = 6;  // X, Y, Z, R (rudder), U, V
inline constexpr uint32_t kJoystickButtons = 32;
// The longest device name the game keeps.
inline constexpr size_t kJoystickNameLength = 31;

// What a position read returns, one flag each.
inline constexpr uint32_t kJoyReturnX = 0x01;
inline constexpr uint32_t kJoyReturnY = 0x02;
inline constexpr uint32_t kJoyReturnZ = 0x04;
inline constexpr uint32_t kJoyReturnR = 0x08;
inline constexpr uint32_t kJoyReturnU = 0x10;
inline constexpr uint32_t kJoyReturnV = 0x20;
inline constexpr uint32_t kJoyReturnPov = 0x40;
inline constexpr uint32_t kJoyReturnButtons = 0x80;
inline constexpr uint32_t kJoyReturnAll = 0xFF;

// The point-of-view hat's reading when it is not pushed; pushed, it reads hundredths of a
// degree clockwise from up.
inline constexpr uint32_t kJoyPovCentred = 65535;
// An axis the device does not have reads the middle of the raw range.
inline constexpr uint32_t kJoyAxisMissing = 32767;

// A device's position in the game's terms.
struct JoystickInfo {
  uint32_t axes[kJoystickAxes] = {};  // raw 0..65535, in the order of the axis flags
  uint32_t buttons = 0;               // bit i set while button i is held
  uint32_t pov = kJoyPovCentred;
};

struct JoystickCaps {
  std::string name;  // at most kJoystickNameLength characters
};

// Directions of a device's hat, as bits; two neighbours together mean the diagonal.
inline constexpr uint8_t kHatUp = 0x01;
inline constexpr uint8_t kHatRight = 0x02;
inline constexpr uint8_t kHatDown = 0x04;
inline constexpr uint8_t kHatLeft = 0x08;

// A device's own reading: signed axes and a hat of direction bits.
struct JoystickDeviceState {
  uint32_t axisCount = 0;  // axes the device has; only the first kJoystickAxes are read
  int16_t axes[kJoystickAxes] = {};
  uint32_t buttons = 0;  // the first kJoystickButtons buttons, bit i for button i
  bool hasHat = false;
  uint8_t hat = 0;
};

// Where devices come from: SDL's joysticks, or a scripted set in tests. Each attached
// device has a key of the backend's own that no later device reuses.
class JoystickBackend {
public:
  virtual ~JoystickBackend() = default;
  // Takes in plugged, unplugged and moved devices. False when the backend cannot run;
  // then no device is attached.
  virtual bool Update() = 0;
  // The keys of the attached devices, oldest first.
  virtual void AttachedDevices(std::vector<int32_t>& keys) const = 0;
  virtual bool ReadDevice(int32_t key, JoystickDeviceState& state) const = 0;
  // The name in the game's character set.
  virtual std::string DeviceName(int32_t key) const = 0;
};

// The backend in use; SetJoystickBackend(nullptr) restores SDL's. Changing it frees every id.
JoystickBackend& Joysticks();
void SetJoystickBackend(JoystickBackend* backend);
JoystickBackend& SdlJoystickBackend();

// The number of ids the game may ask about: always kJoystickIds.
uint32_t JoystickDeviceCount();
// Reads the parts of a device's position that the flags name; the rest of info stays as it
// was. False when the id is absent.
bool GetJoystickPosition(uint32_t id, uint32_t flags, JoystickInfo& info);
bool GetJoystickCaps(uint32_t id, JoystickCaps& caps);
// The movement threshold kept for the device; 0 until set. Nothing else depends on it.
bool GetJoystickThreshold(uint32_t id, uint32_t& threshold);
bool SetJoystickThreshold(uint32_t id, uint32_t threshold);

// The hat's direction bits as a point-of-view reading.
uint32_t PovFromHat(uint8_t hat);

}  // namespace platform
