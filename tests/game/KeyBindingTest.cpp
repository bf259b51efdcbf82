#include <gtest/gtest.h>

#include <vector>

#include "game/KeyBinding.h"
#include "platform/VirtualKeys.h"

using namespace platform;

namespace {

TEST(KeyBindingTest, ClassifyCommand) {
  struct Case {
    int32_t command, singlePress, continuous;
  };
  const Case cases[] = {{0, 0, 0},  {1, 0, 0},  {2, 0, 1},  {3, 1, 0},  {5, 1, 0},  {6, 0, 1},  {13, 0, 1},
                        {14, 0, 0}, {18, 0, 0}, {19, 0, 1}, {20, 1, 0}, {25, 1, 0}, {26, 0, 0}, {32, 0, 0},
                        {56, 0, 0}, {204, 0, 0}, {-3, 0, 0}};
  for (const Case& c : cases) {
    int32_t singlePress = -1, continuous = -1;
    EXPECT_EQ(ClassifyCommand(c.command, &singlePress, &continuous), 1);
    EXPECT_EQ(singlePress, c.singlePress) << c.command;
    EXPECT_EQ(continuous, c.continuous) << c.command;
  }
}

TEST(KeyBindingTest, GetOppositeCommand) {
  const int32_t pairs[][2] = {{6, 7}, {8, 9}, {10, 11}, {12, 13}, {14, 15}, {17, 18}, {27, 28}, {29, 30}, {31, 32}};
  for (const auto& pair : pairs) {
    EXPECT_EQ(GetOppositeCommand(pair[0]), pair[1]);
    EXPECT_EQ(GetOppositeCommand(pair[1]), pair[0]);
  }
  for (int32_t alone : {0, 2, 5, 16, 19, 26, 33, 56})
    EXPECT_EQ(GetOppositeCommand(alone), 0) << alone;
}

TEST(KeyBindingTest, ReservedKeys) {
  for (int32_t key : {144, 44, 27, 17, 18}) EXPECT_TRUE(IsReservedKey(key)) << key;
  for (int32_t key : {0, 16, int32_t{'A'}, int32_t{VK_UP}, int32_t{VK_F1}, 256 + 27}) EXPECT_FALSE(IsReservedKey(key)) << key;
  std::vector<int32_t> keys;
  GetReservedKeys(keys);
  EXPECT_EQ(keys, (std::vector<int32_t>{144, 44, 27, 17, 18, 0}));
}

TEST(KeyBindingTest, BindableCommands) {
  EXPECT_FALSE(IsBindableCommand(1));
  EXPECT_TRUE(IsBindableCommand(2));
  EXPECT_TRUE(IsBindableCommand(32));
  EXPECT_FALSE(IsBindableCommand(33));
}

TEST(KeyBindingTest, IsValidKeyBinding) {
  struct Case {
    const char* name;
    KeyBinding binding;
    bool valid;
  };
  const Case cases[] = {
      {"keyboard", {0, 8, VK_UP, 0, 0, 0}, true},
      {"joystick 4 control 13", {4, 19, 13, 0, 0, 0}, true},
      {"device 5", {5, 8, 0, 0, 0, 0}, false},
      {"device -1", {-1, 8, 0, 0, 0, 0}, false},
      {"Esc", {0, 8, VK_ESCAPE, 0, 0, 0}, false},
      {"joystick control 14", {1, 8, 14, 0, 0, 0}, false},
      {"joystick control -1", {1, 8, -1, 0, 0, 0}, false},
      {"modifiers", {0, 8, 'A', 1, 0, 0}, false},
      {"command 33", {0, 33, 'A', 0, 0, 0}, false},
      {"command 1", {0, 1, 'A', 0, 0, 0}, false},
      {"keyboard control 256", {0, 8, 256, 0, 0, 0}, false},
      {"keyboard control -1", {0, 8, -1, 0, 0, 0}, false},
  };
  for (const Case& c : cases) {
    KeyBinding binding = c.binding;
    EXPECT_EQ(IsValidKeyBinding(binding), c.valid) << c.name;
  }
}

TEST(KeyBindingTest, AnAcceptedBindingGetsTheClassWordsOfItsCommand) {
  KeyBinding binding{0, 20, 'T', 0, 7, 7};
  ASSERT_TRUE(IsValidKeyBinding(binding));
  EXPECT_EQ(binding.singlePress, 1);
  EXPECT_EQ(binding.continuous, 0);
}

TEST(KeyBindingTest, Defaults) {
  KeyBindingList list;
  MakeDefaultKeyBindings(list);
  ASSERT_EQ(list.size(), 34u + 4 * 9);
  EXPECT_EQ(list[0], (KeyBinding{0, 2, 'M', 0, 0, 1}));
  EXPECT_EQ(list[10], (KeyBinding{0, 8, VK_UP, 0, 0, 1}));
  EXPECT_EQ(list[16], (KeyBinding{0, 12, VK_ADD, 0, 0, 1}));
  EXPECT_EQ(list[26], (KeyBinding{0, 20, 'T', 0, 1, 0}));
  EXPECT_EQ(list[31], (KeyBinding{0, 25, VK_F1 + 4, 0, 1, 0}));
  EXPECT_EQ(list[33], (KeyBinding{0, 10, 'S', 0, 0, 1}));
  for (int32_t joystick = 0; joystick < 4; ++joystick) {
    const KeyBinding* first = &list[34 + 9 * joystick];
    EXPECT_EQ(first[0], (KeyBinding{joystick + 1, 6, 0, 0, 0, 0}));
    EXPECT_EQ(first[1], (KeyBinding{joystick + 1, 7, 0, 0, 0, 0}));
    EXPECT_EQ(first[8], (KeyBinding{joystick + 1, 26, 10, 0, 0, 0}));
  }
  for (KeyBinding binding : list) EXPECT_TRUE(IsValidKeyBinding(binding)) << binding.command;
}

}  // namespace
