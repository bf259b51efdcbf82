#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/Joysticks.h"
#include "platform/ScriptedJoysticks.h"

using namespace platform;

namespace {

class JoysticksTest : public testing::Test {
protected:
  void SetUp() override { SetJoystickBackend(&devices); }
  void TearDown() override { SetJoystickBackend(nullptr); }

  std::string NameAt(uint32_t id) {
    JoystickCaps caps;
    return GetJoystickCaps(id, caps) ? caps.name : "(absent)";
  }

  ScriptedJoysticks devices;
};

TEST_F(JoysticksTest, IdsStayWithTheirDevicesAndNewOnesTakeTheLowestFree) {
  int32_t a = devices.Plug("A");
  int32_t b = devices.Plug("B");
  devices.Plug("C");
  EXPECT_EQ(JoystickDeviceCount(), kJoystickIds);
  devices.Unplug(a);
  devices.Unplug(b);
  devices.Plug("D");
  EXPECT_EQ(NameAt(0), "D");
  EXPECT_EQ(NameAt(1), "(absent)");
  EXPECT_EQ(NameAt(2), "C");
  devices.Plug("E");
  EXPECT_EQ(NameAt(1), "E");
  EXPECT_EQ(NameAt(16), "(absent)");
}

TEST_F(JoysticksTest, ASeventeenthDeviceWaitsForAFreeId) {
  int32_t first = devices.Plug("0");
  for (int n = 1; n < 16; ++n) devices.Plug(std::to_string(n));
  devices.Plug("late");
  EXPECT_EQ(NameAt(15), "15");
  devices.Unplug(first);
  EXPECT_EQ(NameAt(0), "late");
}

TEST_F(JoysticksTest, APositionReadFillsOnlyWhatItAsksFor) {
  int32_t key = devices.Plug("Stick", 3);
  devices.SetAxis(key, 0, -32768);
  devices.SetAxis(key, 2, 32767);
  devices.SetButton(key, 4, true);
  devices.SetHat(key, kHatRight);

  JoystickInfo info;
  info.axes[1] = 1234;
  ASSERT_TRUE(GetJoystickPosition(0, kJoyReturnX | kJoyReturnZ | kJoyReturnU, info));
  EXPECT_EQ(info.axes[0], 0u);
  EXPECT_EQ(info.axes[1], 1234u);
  EXPECT_EQ(info.axes[2], 65535u);
  EXPECT_EQ(info.axes[4], kJoyAxisMissing);
  EXPECT_EQ(info.buttons, 0u);
  EXPECT_EQ(info.pov, kJoyPovCentred);

  ASSERT_TRUE(GetJoystickPosition(0, kJoyReturnAll, info));
  EXPECT_EQ(info.axes[1], 32768u);
  EXPECT_EQ(info.buttons, 0x10u);
  EXPECT_EQ(info.pov, 9000u);
  EXPECT_FALSE(GetJoystickPosition(1, kJoyReturnAll, info));
}

TEST_F(JoysticksTest, ChangingTheBackendFreesEveryId) {
  devices.Plug("Stick");
  uint32_t threshold = 0;
  ASSERT_TRUE(SetJoystickThreshold(0, 300));
  ScriptedJoysticks other;
  SetJoystickBackend(&other);
  EXPECT_FALSE(GetJoystickThreshold(0, threshold));
  SetJoystickBackend(&devices);
  ASSERT_TRUE(GetJoystickThreshold(0, threshold));
  EXPECT_EQ(threshold, 0u);
}

// The real backend starts without a window; the last id is free unless sixteen joysticks
// are plugged in.
TEST(SdlJoysticks, StartWithoutAWindow) {
  SetJoystickBackend(nullptr);
  EXPECT_EQ(JoystickDeviceCount(), kJoystickIds);
  JoystickInfo info;
  EXPECT_FALSE(GetJoystickPosition(15, kJoyReturnAll, info));
  uint32_t threshold = 0;
  EXPECT_FALSE(SetJoystickThreshold(15, 1));
  EXPECT_FALSE(GetJoystickThreshold(15, threshold));
}

// The id of the first joystick of that name; -1 when none has it.
int32_t IdNamed(const std::string& name) {
  for (uint32_t id = 0; id < kJoystickIds; ++id) {
    JoystickCaps caps;
    if (GetJoystickCaps(id, caps) && caps.name == name) return static_cast<int32_t>(id);
  }
  return -1;
}

// SDL's own virtual joystick, read through the real backend: four axes, 33 buttons, a hat
// and a name that is long and not plain ASCII.
TEST(SdlJoysticks, ReadAVirtualDeviceUntilItIsUnplugged) {
  SetJoystickBackend(nullptr);
  JoystickDeviceCount();
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_FLIGHT_STICK;
  desc.naxes = 4;
  desc.nbuttons = 33;
  desc.nhats = 1;
  desc.name = "Pr\xc3\xbc" "fstand joystick with a very long name";
  int index = SDL_JoystickAttachVirtualEx(&desc);
  ASSERT_GE(index, 0) << SDL_GetError();
  SDL_Joystick* handle = SDL_JoystickOpen(index);
  ASSERT_NE(handle, nullptr);
  SDL_JoystickSetVirtualAxis(handle, 0, -32768);
  SDL_JoystickSetVirtualAxis(handle, 3, 32767);
  SDL_JoystickSetVirtualButton(handle, 0, SDL_PRESSED);
  SDL_JoystickSetVirtualButton(handle, 31, SDL_PRESSED);
  SDL_JoystickSetVirtualButton(handle, 32, SDL_PRESSED);
  SDL_JoystickSetVirtualHat(handle, 0, SDL_HAT_LEFTDOWN);

  int32_t id = IdNamed("Pr\xfc" "fstand joystick with a very ");
  ASSERT_GE(id, 0);
  JoystickInfo info;
  ASSERT_TRUE(GetJoystickPosition(static_cast<uint32_t>(id), kJoyReturnAll, info));
  EXPECT_EQ(info.axes[0], 0u);
  EXPECT_EQ(info.axes[1], 32768u);
  EXPECT_EQ(info.axes[3], 65535u);
  EXPECT_EQ(info.axes[4], kJoyAxisMissing);
  EXPECT_EQ(info.buttons, 0x80000001u);
  EXPECT_EQ(info.pov, 22500u);

  SDL_JoystickClose(handle);
  ASSERT_EQ(SDL_JoystickDetachVirtual(index), 0);
  EXPECT_FALSE(GetJoystickPosition(static_cast<uint32_t>(id), kJoyReturnAll, info));
}

}  // namespace
