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

}  // namespace
