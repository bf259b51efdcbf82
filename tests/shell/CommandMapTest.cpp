#include <gtest/gtest.h>

#include <vector>

#include "Drovane/JoystickManager.h"
#include "Drovane/KeyboardState.h"
#include "platform/ScriptedJoysticks.h"
#include "platform/VirtualKeys.h"
#include "shell/CockpitScreen.h"
#include "shell/CommandMap.h"
#include "shell/GameCommander.h"

using namespace platform;

namespace {

std::vector<int32_t> HeldCommands(const CommandMap& map) {
  std::vector<int32_t> held;
  for (ByteList::Node* node = map.HeldCommands().Head(); node; node = node->next) held.push_back(node->value);
  return held;
}

TEST(CommandMapTest, RebuildTablesEntersEachBindingInItsRows) {
  CommandMap map;
  map.Bindings() = {{0, 8, VK_UP, 0, 0, 1},  {0, 20, 'T', 2, 1, 0},  {0, 42, 'H', 0, 0, 0},
                    {0, 201, 'P', 6, 0, 0},  {1, 19, 6, 0, 0, 0},    {5, 12, 3, 0, 0, 0}};
  map.RebuildTables();
  struct Case {
    uint32_t key, modifiers;
    uint8_t command;
  };
  const Case cases[] = {{VK_UP, 0, 8}, {VK_UP, 1, 8},  {VK_UP, 2, 0},  {VK_UP, 3, 0}, {'T', 2, 20}, {'T', 0, 0},
                        {'T', 3, 0},   {'H', 0, 42},   {'H', 1, 0},    {'P', 6, 201}, {'P', 14, 201}, {300, 0, 0}};
  for (const Case& c : cases) EXPECT_EQ(map.CommandForKey(c.key, c.modifiers), c.command) << c.key << "," << c.modifiers;
  EXPECT_EQ(map.CommandForControl(0, 6), 19);
  EXPECT_EQ(map.GetSinglePress(20), 1);
  EXPECT_EQ(map.GetSinglePress(8), 0);
}

TEST(CommandMapTest, ALaterBindingOverwritesAnEarlierOne) {
  CommandMap map;
  KeyBindingList& list = map.Bindings();
  AddFixedFlightBindings(list);
  list.push_back({0, 19, 'H', 0, 0, 0});  // the player's binding takes the fixed key of 42
  MakeDefaultKeyBindings(list);
  map.RebuildTables();
  EXPECT_EQ(map.CommandForKey('H', 0), 19);
  for (int32_t joystick = 0; joystick < 4; ++joystick) {
    EXPECT_EQ(map.CommandForControl(joystick, 0), 7);
    EXPECT_EQ(map.CommandForControl(joystick, 1), 9);
    EXPECT_EQ(map.CommandForControl(joystick, 10), 26);
  }
}

TEST(CommandMapTest, BindingsOutsideTheTablesAreSkipped) {
  CommandMap map;
  map.Bindings() = {{0, 8, 256, 0, 0, 1}, {0, 8, -1, 0, 0, 0}, {1, 8, 14, 0, 0, 0}, {1, 8, -1, 0, 0, 0},
                    {0, 8, 'A', 0, 0, 0}};
  map.RebuildTables();
  EXPECT_EQ(map.CommandForKey(0, 0), 0);
  EXPECT_EQ(map.CommandForKey(0, 1), 0);
  EXPECT_EQ(map.CommandForKey('A', 0), 8);
}

TEST(CommandMapTest, StatesOutsideZeroToNinetyNineAreLeftAlone) {
  CommandMap map;
  map.Hold(201);
  map.SetStateBits(150, 0x20);
  map.Hold(8);
  map.SetStateBits(14, 0x20);
  EXPECT_EQ(map.GetState(201), 0);
  EXPECT_EQ(map.GetState(8), 1);
  EXPECT_EQ(map.GetState(14), 0x20);
  EXPECT_EQ(HeldCommands(map), std::vector<int32_t>{8});
  map.ClearStateBit(5);
  EXPECT_EQ(map.GetState(14), 0);
  EXPECT_EQ(map.GetState(8), 1);
  EXPECT_TRUE(HeldCommands(map).empty());
}

// Keys pressed and released through the commander's look-ups over the flight bindings.
class KeySequenceTest : public testing::Test {
protected:
  void SetUp() override {
    gKeyboardState.ClearAll();
    MakeDefaultKeyBindings(map.Bindings());
    map.Bindings().push_back({0, 21, 'Y', 2, 1, 0});  // single-press under Control
    map.RebuildTables();
  }
  void TearDown() override { gKeyboardState.ClearAll(); }

  int32_t Press(uint32_t key) {
    gKeyboardState.SetKeyDown(key);
    int32_t command = -1, singlePress = -1;
    GameCommander::KeyDownToCommand(key, map, &command, &singlePress);
    lastSinglePress = singlePress;
    return command;
  }
  void Release(uint32_t key) {
    gKeyboardState.SetKeyUp(key);
    GameCommander::KeyUpToCommand(key, map);
  }

  CommandMap map;
  int32_t lastSinglePress = -1;
};

TEST_F(KeySequenceTest, AContinuousCommandAnswersWithAndWithoutShift) {
  EXPECT_EQ(Press(VK_UP), 8);
  EXPECT_EQ(lastSinglePress, 0);
  Release(VK_UP);
  EXPECT_EQ(map.GetState(8), 0);
  Press(VK_SHIFT);
  EXPECT_EQ(Press(VK_UP), 8);
  EXPECT_EQ(map.GetState(8), 1);
  Press(VK_CONTROL);  // Shift+Control is no row of a continuous command
  EXPECT_EQ(map.GetState(8), 0);
}

TEST_F(KeySequenceTest, ASinglePressCommandAnswersOnlyInItsRow) {
  EXPECT_EQ(Press('Y'), 0);
  Release('Y');
  Press(VK_CONTROL);
  EXPECT_EQ(Press('Y'), 21);
  EXPECT_EQ(lastSinglePress, 1);
  Release('Y');
  Release(VK_CONTROL);
  Press(VK_SHIFT);
  EXPECT_EQ(Press('Y'), 0);
}

TEST_F(KeySequenceTest, ShiftPressedWhileUpIsHeldKeepsForward) {
  Press(VK_UP);
  int32_t command = -1, singlePress = -1;
  gKeyboardState.SetKeyDown(VK_SHIFT);
  GameCommander::KeyDownToCommand(VK_SHIFT, map, &command, &singlePress);
  EXPECT_EQ(command, 0);
  EXPECT_EQ(map.GetState(8), 1);
  EXPECT_EQ(HeldCommands(map), std::vector<int32_t>{8});
  Release(VK_SHIFT);
  EXPECT_EQ(map.GetState(8), 1);
}

TEST_F(KeySequenceTest, AReleaseUnderOtherModifiersReleasesTheCurrentRowsCommand) {
  map.Bindings().push_back({0, 4, 'M', 2, 1, 0});  // Control+M: 4; M alone is 2
  map.RebuildTables();
  Press('M');
  EXPECT_EQ(map.GetState(2), 1);
  gKeyboardState.SetKeyDown(VK_CONTROL);  // pressed without a look-up, as after a lost key message
  Release('M');
  EXPECT_EQ(map.GetState(2), 1);  // the Control row's command is released, not the pressed one
  EXPECT_EQ(map.GetState(4), 0);
}

TEST_F(KeySequenceTest, AnAutoRepeatReturnsTheCommandAgain) {
  EXPECT_EQ(Press(VK_SPACE), 19);
  EXPECT_EQ(Press(VK_SPACE), 19);
  EXPECT_EQ(HeldCommands(map), std::vector<int32_t>{19});
  EXPECT_EQ(Press(VK_LEFT), 6);
  EXPECT_EQ(HeldCommands(map), (std::vector<int32_t>{19, 6}));
  Release(VK_SPACE);
  EXPECT_EQ(HeldCommands(map), std::vector<int32_t>{6});
}

class PollJoysticksTest : public testing::Test {
protected:
  void SetUp() override {
    SetJoystickBackend(&devices);
    MakeDefaultKeyBindings(map.Bindings());
    map.RebuildTables();
  }
  void TearDown() override { SetJoystickBackend(nullptr); }

  void Enumerate() {
    joysticks.Enumerate();
    joysticks.SetRange(-100, 100);
    joysticks.SetDeadZone(20);
  }

  ScriptedJoysticks devices;
  JoystickManager joysticks;
  CommandMap map;
};

TEST_F(PollJoysticksTest, TheStrongestAxisWinsWithItsSign) {
  int32_t first = devices.Plug("first");
  int32_t second = devices.Plug("second");
  Enumerate();
  devices.SetAxis(first, 0, 16000);
  devices.SetAxis(second, 0, -30000);
  devices.SetAxis(first, 1, 100);  // inside the dead zone
  map.PollJoysticks(joysticks);
  EXPECT_EQ(map.GetValue(7), joysticks.GetAxis(1, 0, 0));
  EXPECT_LT(map.GetValue(7), -80);
  EXPECT_EQ(map.GetValue(6), 0);  // X drives the second command of its pair
  EXPECT_EQ(map.GetValue(9), 0);
}

TEST_F(PollJoysticksTest, AButtonGivesTheRangesUpperEnd) {
  int32_t device = devices.Plug("stick");
  Enumerate();
  devices.SetButton(device, 0, true);
  devices.SetAxis(device, 0, 20000);
  map.PollJoysticks(joysticks);
  EXPECT_EQ(map.GetValue(19), 100);
  EXPECT_GT(map.GetValue(7), 20);
  devices.SetButton(device, 0, false);
  devices.SetAxis(device, 0, 0);
  map.PollJoysticks(joysticks);
  EXPECT_EQ(map.GetValue(19), 0);
  EXPECT_EQ(map.GetValue(7), 0);
}

TEST_F(PollJoysticksTest, WithoutJoysticksTheValuesStay) {
  map.PollJoysticks(joysticks);
  EXPECT_EQ(map.GetValue(7), 0);
}

}  // namespace
