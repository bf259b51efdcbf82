#include <gtest/gtest.h>

#include <string>

#include "Drovane/JoystickManager.h"
#include "platform/ScriptedJoysticks.h"

using namespace platform;

namespace {

// A raw position 0..65535 as the device gives it.
int16_t DeviceValue(uint32_t raw) { return static_cast<int16_t>(static_cast<int32_t>(raw) - 32768); }

class JoystickManagerTest : public testing::Test {
protected:
  void SetUp() override {
    SetJoystickBackend(&devices);
    manager.SetRange(-100, 100);
    manager.SetDeadZone(20);
  }
  void TearDown() override { SetJoystickBackend(nullptr); }

  // One joystick in slot 0 with its X axis at a raw position.
  void OneJoystickAt(uint32_t raw) {
    int32_t key = devices.Plug("Stick");
    devices.SetAxis(key, 0, DeviceValue(raw));
    ASSERT_EQ(manager.Enumerate(), 1);
  }

  ScriptedJoysticks devices;
  JoystickManager manager;
};

TEST_F(JoystickManagerTest, ConstructedEmptyWithTheFullRangeAndNoDeadZone) {
  JoystickManager fresh;
  EXPECT_EQ(fresh.Count(), 0);
  EXPECT_EQ(fresh.RangeMin(), -100);
  EXPECT_EQ(fresh.RangeMax(), 100);
  EXPECT_EQ(fresh.RangeCenter(), 0);
  EXPECT_EQ(fresh.DeadZone(), 0);
  std::string name;
  EXPECT_EQ(fresh.GetDeviceName(0, name), 0);
}

struct AxisCase {
  uint32_t raw;
  int32_t scaled;    // ScaleAxis
  int32_t reported;  // GetAxis, with the dead zone
};

class AxisScalingTest : public JoystickManagerTest, public testing::WithParamInterface<AxisCase> {};

TEST_P(AxisScalingTest, ScaledToTheRangeWithTheDeadZone) {
  const AxisCase& c = GetParam();
  OneJoystickAt(c.raw);
  EXPECT_EQ(manager.ScaleAxis(c.raw), c.scaled);
  EXPECT_EQ(manager.GetAxis(0, 0, 0), c.reported);
}

INSTANTIATE_TEST_SUITE_P(Raw, AxisScalingTest,
                         testing::Values(AxisCase{0, -100, -100}, AxisCase{65535, 100, 100}, AxisCase{32767, 0, 0},
                                         AxisCase{38993, 19, 0}, AxisCase{39322, 20, 20},
                                         AxisCase{26214, -20, -20}, AxisCase{26542, -19, 0}),
                         [](const testing::TestParamInfo<AxisCase>& info) { return std::to_string(info.param.raw); });

TEST_F(JoystickManagerTest, SetRangePutsTheCentreHalfwayRoundedDown) {
  manager.SetRange(0, 255);
  EXPECT_EQ(manager.RangeCenter(), 127);
  EXPECT_EQ(manager.ScaleAxis(0), 0);
  EXPECT_EQ(manager.ScaleAxis(65535), 255);
}

struct DirectionCase {
  uint32_t raw;
  int32_t scaled;
  int32_t direction;
};

class AxisDirectionTest : public JoystickManagerTest, public testing::WithParamInterface<DirectionCase> {};

// A quarter of the range from the centre: beyond 50 either way.
TEST_P(AxisDirectionTest, BeyondAQuarterOfTheRange) {
  const DirectionCase& c = GetParam();
  OneJoystickAt(c.raw);
  ASSERT_EQ(manager.GetAxis(0, 0, 0), c.scaled);
  EXPECT_EQ(manager.GetAxisDirection(0, 0, 0), c.direction);
}

INSTANTIATE_TEST_SUITE_P(AroundFifty, AxisDirectionTest,
                         testing::Values(DirectionCase{16056, -51, -1}, DirectionCase{16384, -50, 0},
                                         DirectionCase{32767, 0, 0}, DirectionCase{49151, 50, 0},
                                         DirectionCase{49479, 51, 1}));

TEST_F(JoystickManagerTest, AxesOutsideTheSixAndAxesTheDeviceLacks) {
  int32_t key = devices.Plug("Two axes", 2);
  devices.SetAxis(key, 0, 32767);
  ASSERT_EQ(manager.Enumerate(), 1);
  EXPECT_EQ(manager.GetAxis(0, 0, 0), 100);
  EXPECT_EQ(manager.GetAxis(0, 2, 0), 0);  // a missing axis rests in the middle
  EXPECT_EQ(manager.GetAxis(0, 6, 0), 0);
  EXPECT_EQ(manager.GetAxis(0, -1, 0), 0);
  EXPECT_EQ(manager.GetAxisDirection(0, 6, 0), 0);
  manager.SetRange(0, 255);  // off the middle of this range, failures still read 0
  EXPECT_EQ(manager.GetAxis(0, 6, 0), 0);
  EXPECT_EQ(manager.GetAxisDirection(0, 6, 0), 0);
}

TEST_F(JoystickManagerTest, ButtonsAnswerTheirBit) {
  int32_t key = devices.Plug("Stick");
  devices.SetButton(key, 0, true);
  devices.SetButton(key, 31, true);
  ASSERT_EQ(manager.Enumerate(), 1);
  EXPECT_EQ(manager.IsButtonDown(0, 0, 0), 1u);
  EXPECT_EQ(manager.IsButtonDown(0, 31, 0), 0x80000000u);
  EXPECT_EQ(manager.IsButtonDown(0, 1, 0), 0u);
  EXPECT_EQ(manager.IsButtonDown(0, 32, 0), 0u);
  EXPECT_EQ(manager.IsButtonDown(0, -1, 0), 0u);
  devices.SetButton(key, 0, false);
  EXPECT_EQ(manager.IsButtonDown(0, 0, 0), 0u);
}

struct HatCase {
  const char* name;
  uint8_t directions;
  uint32_t pov;
};

class HatTest : public JoystickManagerTest, public testing::WithParamInterface<HatCase> {};

TEST_P(HatTest, HundredthsOfADegreeClockwiseFromUp) {
  int32_t key = devices.Plug("Stick");
  devices.SetHat(key, GetParam().directions);
  ASSERT_EQ(manager.Enumerate(), 1);
  EXPECT_EQ(manager.GetPov(0, 0), GetParam().pov);
  ASSERT_EQ(manager.Poll(0), 1);
  EXPECT_EQ(manager.GetPov(0, 1), GetParam().pov);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, HatTest,
    testing::Values(HatCase{"Centred", 0, 65535}, HatCase{"Up", kHatUp, 0}, HatCase{"UpRight", kHatUp | kHatRight, 4500},
                    HatCase{"Right", kHatRight, 9000}, HatCase{"DownRight", kHatDown | kHatRight, 13500},
                    HatCase{"Down", kHatDown, 18000}, HatCase{"DownLeft", kHatDown | kHatLeft, 22500},
                    HatCase{"Left", kHatLeft, 27000}, HatCase{"UpLeft", kHatUp | kHatLeft, 31500},
                    HatCase{"UpAndDownCancel", kHatUp | kHatDown, 65535}),
    [](const testing::TestParamInfo<HatCase>& info) { return std::string(info.param.name); });

TEST_F(JoystickManagerTest, AJoystickWithoutAHatReadsCentred) {
  devices.Plug("No hat", 6, false);
  ASSERT_EQ(manager.Enumerate(), 1);
  EXPECT_EQ(manager.GetPov(0, 0), 65535u);
}

TEST_F(JoystickManagerTest, FreshReadingsAgainstTheLastPoll) {
  int32_t key = devices.Plug("Stick");
  ASSERT_EQ(manager.Enumerate(), 1);
  // Nothing polled yet: the last poll gives nothing, not a full deflection.
  EXPECT_EQ(manager.GetAxis(0, 0, 1), 0);
  EXPECT_EQ(manager.GetPov(0, 1), 65535u);

  devices.SetAxis(key, 1, 32767);
  devices.SetButton(key, 3, true);
  devices.SetHat(key, kHatLeft);
  ASSERT_EQ(manager.Poll(0), 1);
  devices.SetAxis(key, 1, -32768);
  devices.SetButton(key, 3, false);
  devices.SetHat(key, 0);

  EXPECT_EQ(manager.GetAxis(0, 1, 1), 100);
  EXPECT_EQ(manager.GetAxisDirection(0, 1, 1), 1);
  EXPECT_EQ(manager.IsButtonDown(0, 3, 1), 8u);
  EXPECT_EQ(manager.GetPov(0, 1), 27000u);
  EXPECT_EQ(manager.GetAxis(0, 1, 0), -100);
  EXPECT_EQ(manager.GetAxisDirection(0, 1, 0), -1);
  EXPECT_EQ(manager.IsButtonDown(0, 3, 0), 0u);
  EXPECT_EQ(manager.GetPov(0, 0), 65535u);

  // Unplugged: the failed poll leaves no stale position behind.
  devices.Unplug(key);
  EXPECT_EQ(manager.Poll(0), 0);
  EXPECT_EQ(manager.GetAxis(0, 1, 1), 0);
  EXPECT_EQ(manager.GetAxis(0, 1, 0), 0);
}

TEST_F(JoystickManagerTest, SlotsFollowTheSystemIdsWithoutGaps) {
  devices.Plug("Zero");
  int32_t middle = devices.Plug("One");
  devices.Plug("Two");
  ASSERT_EQ(manager.Enumerate(), 3);
  devices.Unplug(middle);  // id 1 is free; ids 0 and 2 stay

  ASSERT_EQ(manager.Enumerate(), 2);
  EXPECT_EQ(manager.DeviceId(0), 0);
  EXPECT_EQ(manager.DeviceId(1), 2);
  EXPECT_EQ(manager.DeviceId(2), -1);
  std::string name;
  ASSERT_EQ(manager.GetDeviceName(1, name), 1);
  EXPECT_EQ(name, "Two");
  EXPECT_EQ(manager.GetDeviceName(2, name), 0);
  EXPECT_EQ(name, "Two");
}

TEST_F(JoystickManagerTest, UnpluggedAndPluggedBetweenTwoEnumerations) {
  int32_t first = devices.Plug("First");
  devices.Plug("Second");
  ASSERT_EQ(manager.Enumerate(), 2);
  devices.Unplug(first);
  int32_t third = devices.Plug("Third");
  devices.SetAxis(third, 0, 32767);

  // The game sees the new set only when it enumerates again.
  EXPECT_EQ(manager.HasDevice("First"), 1);
  EXPECT_EQ(manager.HasDevice("Third"), 0);

  ASSERT_EQ(manager.Enumerate(), 2);
  EXPECT_EQ(manager.HasDevice("First"), 0);
  int32_t slot = -1;
  ASSERT_EQ(manager.FindDevice("Third", &slot), 1);
  EXPECT_EQ(slot, 0);
  EXPECT_EQ(manager.DeviceId(0), 0);  // the new device took the lowest free id
  EXPECT_EQ(manager.GetAxis(0, 0, 0), 100);
  ASSERT_EQ(manager.FindDevice("Second", &slot), 1);
  EXPECT_EQ(slot, 1);
}

TEST_F(JoystickManagerTest, SlotsBeyondTheCountAreEmpty) {
  int32_t first = devices.Plug("First");
  devices.SetAxis(first, 0, 32767);
  int32_t second = devices.Plug("Second");
  ASSERT_EQ(manager.Enumerate(), 2);
  devices.Unplug(second);
  ASSERT_EQ(manager.Enumerate(), 1);

  EXPECT_EQ(manager.HasDevice("Second"), 0);
  int32_t slot = 7;
  EXPECT_EQ(manager.FindDevice("Second", &slot), -1);
  EXPECT_EQ(slot, 7);
  // The empty slot reads nothing rather than the joystick of system id 0.
  for (int32_t empty : {1, 15, 16, -1}) {
    SCOPED_TRACE(empty);
    EXPECT_EQ(manager.GetAxis(empty, 0, 0), 0);
    EXPECT_EQ(manager.GetAxisDirection(empty, 0, 0), 0);
    EXPECT_EQ(manager.Poll(empty), 0);
    EXPECT_EQ(manager.IsButtonDown(empty, 0, 0), 0u);
    EXPECT_EQ(manager.GetPov(empty, 0), 65535u);
    uint32_t threshold = 0;
    EXPECT_EQ(manager.GetThreshold(empty, &threshold), 0);
    EXPECT_EQ(manager.SetThreshold(empty, 5), 0);
  }
}

TEST_F(JoystickManagerTest, FindDeviceOfAnUnknownNameLeavesTheSlotAlone) {
  devices.Plug("Stick");
  ASSERT_EQ(manager.Enumerate(), 1);
  int32_t slot = 9;
  EXPECT_EQ(manager.FindDevice("Wheel", &slot), -1);
  EXPECT_EQ(slot, 9);
  EXPECT_EQ(manager.HasDevice("Wheel"), 0);
  EXPECT_EQ(manager.HasDevice(""), 0);  // empty slots have no name to match
}

TEST_F(JoystickManagerTest, NamesAreCutTo31Characters) {
  devices.Plug(std::string(31, 'a') + "bcd");
  ASSERT_EQ(manager.Enumerate(), 1);
  std::string name;
  ASSERT_EQ(manager.GetDeviceName(0, name), 1);
  EXPECT_EQ(name, std::string(31, 'a'));
}

TEST_F(JoystickManagerTest, ThresholdsAreKeptPerDevice) {
  int32_t first = devices.Plug("First");
  devices.Plug("Second");
  ASSERT_EQ(manager.Enumerate(), 2);
  uint32_t threshold = 99;
  ASSERT_EQ(manager.GetThreshold(0, &threshold), 1);
  EXPECT_EQ(threshold, 0u);
  ASSERT_EQ(manager.SetThreshold(0, 400), 1);
  ASSERT_EQ(manager.SetThreshold(1, 7), 1);
  ASSERT_EQ(manager.GetThreshold(0, &threshold), 1);
  EXPECT_EQ(threshold, 400u);

  // A device that takes a freed id starts with no threshold of its own.
  devices.Unplug(first);
  devices.Plug("Third");
  ASSERT_EQ(manager.Enumerate(), 2);
  ASSERT_EQ(manager.GetThreshold(0, &threshold), 1);
  EXPECT_EQ(threshold, 0u);
  ASSERT_EQ(manager.GetThreshold(1, &threshold), 1);
  EXPECT_EQ(threshold, 7u);
}

TEST_F(JoystickManagerTest, NothingIsFoundWhenTheJoysticksCannotStart) {
  devices.Plug("Stick");
  devices.failsToStart = true;
  EXPECT_EQ(manager.Enumerate(), 0);
  EXPECT_EQ(manager.HasDevice("Stick"), 0);
}

}  // namespace
