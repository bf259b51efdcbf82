#include <gtest/gtest.h>

#include <vector>

#include "Drovane/KeyCharacters.h"
#include "Drovane/KeyboardState.h"
#include "platform/KeyToggles.h"
#include "platform/VirtualKeys.h"

using namespace platform;

namespace {

std::vector<uint8_t> HeldKeys(const KeyboardState& state) {
  std::vector<uint8_t> keys;
  for (ByteList::Node* node = state.HeldKeys().Head(); node; node = node->next) keys.push_back(node->value);
  return keys;
}

TEST(KeyboardState, KeepsHeldKeysInPressOrder) {
  KeyboardState state;
  state.SetKeyDown('A');
  state.SetKeyDown('B');
  state.SetKeyUp('A');
  EXPECT_EQ(HeldKeys(state), std::vector<uint8_t>{'B'});
  EXPECT_EQ(state.IsKeyDown('A'), 0);
  EXPECT_EQ(state.IsKeyDown('B'), 1);
}

TEST(KeyboardState, RepeatedKeyDownAddsNoSecondEntry) {
  KeyboardState state;
  state.SetKeyDown('W');
  state.SetKeyDown('W');
  state.SetKeyDown('W' + 0x100);  // only the low 8 bits count
  EXPECT_EQ(HeldKeys(state), std::vector<uint8_t>{'W'});
  state.SetKeyUp('W');
  state.SetKeyUp('W');
  EXPECT_TRUE(HeldKeys(state).empty());
}

TEST(KeyboardState, ClearAllReleasesEverything) {
  KeyboardState state;
  state.SetKeyDown(VK_SHIFT);
  state.SetKeyDown('Q');
  state.ClearAll();
  EXPECT_TRUE(HeldKeys(state).empty());
  EXPECT_EQ(state.GetModifiers(), 0u);
  EXPECT_EQ(state.IsKeyDown('Q'), 0);
}

TEST(KeyboardState, ModifierMaskAndExactCombinations) {
  KeyboardState state;
  state.SetKeyDown(VK_SHIFT);
  state.SetKeyDown(VK_CONTROL);
  state.SetKeyDown('S');
  EXPECT_EQ(state.GetModifiers(), 3u);
  EXPECT_FALSE(state.IsKeyComboDown('S', 1));
  EXPECT_TRUE(state.IsKeyComboDown('S', 3));
  EXPECT_TRUE(state.IsKeyComboDown('S', 0x103));
  EXPECT_FALSE(state.IsKeyComboDown('T', 3));
}

TEST(KeyboardState, ModifierKeys) {
  EXPECT_EQ(KeyboardState::IsModifierKey(VK_SHIFT), 1);
  EXPECT_EQ(KeyboardState::IsModifierKey(VK_CONTROL), 1);
  EXPECT_EQ(KeyboardState::IsModifierKey(VK_MENU), 1);
  EXPECT_EQ(KeyboardState::IsModifierKey(VK_CAPITAL), 0);
  EXPECT_EQ(KeyboardState::IsModifierKey('A'), 0);
}

TEST(KeyboardState, IsModifierDownReadsTheGlobalState) {
  gKeyboardState.ClearAll();
  gKeyboardState.SetKeyDown(VK_MENU);
  EXPECT_NE(IsModifierDown(6), 0u);
  EXPECT_EQ(IsModifierDown(1), 0u);
  EXPECT_EQ(IsModifierDown(0x100 | 4), 4u);
  gKeyboardState.ClearAll();
  EXPECT_EQ(IsModifierDown(7), 0u);
}

struct CharacterCase {
  uint32_t key;
  uint32_t shift;
  bool capsLock;
  uint32_t expected;
};

void PrintTo(const CharacterCase& c, std::ostream* os) {
  *os << "key " << c.key << " shift " << c.shift << (c.capsLock ? " caps" : "");
}

class KeyToCharacterTest : public testing::TestWithParam<CharacterCase> {
protected:
  void TearDown() override { SetLockKeyOn(VK_CAPITAL, false); }
};

TEST_P(KeyToCharacterTest, TypesTheUsLayoutCharacter) {
  const CharacterCase& c = GetParam();
  SetLockKeyOn(VK_CAPITAL, c.capsLock);
  EXPECT_EQ(KeyToCharacter(c.key, c.shift), c.expected) << "key 0x" << std::hex << c.key;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyToCharacterTest,
    testing::Values(CharacterCase{'Q', 0, false, 'q'}, CharacterCase{'Q', 1, false, 'Q'},
                    CharacterCase{'Q', 0, true, 'Q'}, CharacterCase{'Q', 1, true, 'q'},
                    CharacterCase{'1', 0, false, '1'}, CharacterCase{'1', 1, false, '!'},
                    CharacterCase{'1', 1, true, '1'}, CharacterCase{'0', 1, false, ')'},
                    CharacterCase{'9', 0, true, '('}, CharacterCase{'Q', 2, false, 'q'},
                    CharacterCase{VK_OEM_3, 0, false, '`'}, CharacterCase{VK_OEM_3, 1, false, '~'},
                    CharacterCase{VK_OEM_MINUS, 1, false, '_'}, CharacterCase{VK_OEM_PLUS, 0, false, '='},
                    CharacterCase{VK_OEM_PLUS, 1, false, '+'}, CharacterCase{VK_OEM_4, 1, false, '{'},
                    CharacterCase{VK_OEM_6, 0, false, ']'}, CharacterCase{VK_OEM_5, 1, false, '|'},
                    CharacterCase{VK_OEM_1, 1, false, ':'}, CharacterCase{VK_OEM_7, 0, false, '\''},
                    CharacterCase{VK_OEM_7, 1, false, '"'}, CharacterCase{VK_OEM_COMMA, 1, false, '<'},
                    CharacterCase{VK_OEM_PERIOD, 0, false, '.'}, CharacterCase{VK_OEM_2, 0, true, '?'},
                    CharacterCase{VK_SPACE, 1, false, ' '},
                    // Keys whose codes are punctuation characters type nothing.
                    CharacterCase{VK_RIGHT, 0, false, 0},       // 0x27, the apostrophe's code
                    CharacterCase{VK_NUMPAD0, 0, false, 0},     // 0x60, the backquote's code
                    CharacterCase{VK_INSERT, 0, false, 0},      // 0x2D, the minus's code
                    CharacterCase{VK_DELETE, 1, false, 0},      // 0x2E, the full stop's code
                    CharacterCase{VK_RETURN, 0, false, 0}, CharacterCase{VK_F1, 0, false, 0},
                    CharacterCase{0x5B, 0, false, 0}, CharacterCase{0x3B, 0, false, 0}));

TEST(IsKeyToggled, ReadsTheLockKeys) {
  SetLockKeyOn(VK_NUMLOCK, true);
  EXPECT_TRUE(IsKeyToggled(VK_NUMLOCK));
  EXPECT_FALSE(IsKeyToggled(VK_CAPITAL));
  EXPECT_FALSE(IsKeyToggled('A'));
  SetLockKeyOn(VK_NUMLOCK, false);
  EXPECT_FALSE(IsKeyToggled(VK_NUMLOCK));
}

}  // namespace
