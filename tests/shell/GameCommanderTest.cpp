#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/KeyboardState.h"
#include "platform/VirtualKeys.h"
#include "shell/GameApp.h"
#include "shell/GameCommander.h"

using namespace platform;

namespace {

// An application that writes down the input it is handed.
class RecordingGameApp : public CGameApp {
public:
  int32_t OnKeyDown(uint32_t key, uint32_t modifiers) override {
    return Note("KeyDown " + std::to_string(key) + "," + std::to_string(modifiers), 7);
  }
  int32_t OnKeyUp(uint32_t key, uint32_t modifiers) override {
    return Note("KeyUp " + std::to_string(key) + "," + std::to_string(modifiers), 8);
  }
  int32_t OnCharacter(uint32_t code) override { return Note("Character " + std::to_string(code)); }
  int32_t OnMouseDown(int32_t x, int32_t y, int32_t button) override {
    return Note("MouseDown " + Position(x, y, button));
  }
  int32_t OnMouseUp(int32_t x, int32_t y, int32_t button) override { return Note("MouseUp " + Position(x, y, button)); }
  int32_t OnMouseMove(int32_t x, int32_t y) override {
    return Note("MouseMove " + std::to_string(x) + "," + std::to_string(y));
  }
  void ShowQuitPrompt() override { calls.push_back("QuitPrompt"); }

  std::vector<std::string> calls;

private:
  int32_t Note(const std::string& call, int32_t result = 9) {
    calls.push_back(call);
    return result;
  }
  static std::string Position(int32_t x, int32_t y, int32_t button) {
    return std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(button);
  }
};

class GameCommanderTest : public testing::Test {
protected:
  void SetUp() override {
    gKeyboardState.ClearAll();
    commander.SetApplication(&app);
  }
  void TearDown() override { gKeyboardState.ClearAll(); }

  RecordingGameApp app;
  GameCommander commander;
};

TEST_F(GameCommanderTest, KeysUpdateTheKeyboardAndReachTheApplicationWithTheModifiers) {
  EXPECT_EQ(commander.OnKeyDown(VK_SHIFT), 7);
  EXPECT_EQ(commander.OnKeyDown('A'), 7);
  EXPECT_EQ(gKeyboardState.IsKeyDown('A'), 1);
  EXPECT_EQ(commander.OnKeyUp(VK_SHIFT), 8);
  EXPECT_EQ(commander.OnKeyUp('A'), 8);
  EXPECT_EQ(gKeyboardState.IsKeyDown('A'), 0);
  EXPECT_EQ(app.calls, (std::vector<std::string>{"KeyDown 16,1", "KeyDown 65,1", "KeyUp 16,0", "KeyUp 65,0"}));
}

TEST_F(GameCommanderTest, AltHeldGivesTheAltMask) {
  commander.OnKeyDown(VK_MENU);
  commander.OnKeyDown(VK_CONTROL);
  commander.OnKeyDown('P');
  EXPECT_EQ(app.calls.back(), "KeyDown 80,6");
}

TEST_F(GameCommanderTest, GainingTheFocusReleasesEveryHeldKey) {
  commander.OnKeyDown(VK_SHIFT);
  commander.OnKeyDown('W');
  EXPECT_EQ(commander.OnFocusLost(), 0);
  EXPECT_EQ(gKeyboardState.IsKeyDown('W'), 0);
  EXPECT_EQ(gKeyboardState.GetModifiers(), 0u);
  EXPECT_EQ(gKeyboardState.HeldKeys().Count(), 0);
}

TEST_F(GameCommanderTest, ActivationSetsTheGamesActiveFlag) {
  EXPECT_EQ(commander.Deactivate(), 0);
  EXPECT_EQ(app.mActive, 0);
  EXPECT_EQ(commander.Activate(), 0);
  EXPECT_EQ(app.mActive, 1);
  EXPECT_EQ(app.mFlags & kAppActive, 0u);  // the base's own bit is another flag
}

TEST_F(GameCommanderTest, MouseAndCharactersAreHandedOn) {
  EXPECT_EQ(commander.OnLeftButtonDown(1, 2), 0);
  EXPECT_EQ(commander.OnLeftButtonUp(-3, 4), 0);
  EXPECT_EQ(commander.OnRightButtonDown(5, 6), 0);
  EXPECT_EQ(commander.OnRightButtonUp(7, 8), 0);
  EXPECT_EQ(commander.OnMouseMove(9, -10), 0);
  EXPECT_EQ(commander.OnChar('z'), 0);
  EXPECT_EQ(app.calls, (std::vector<std::string>{"MouseDown 1,2,1", "MouseUp -3,4,1", "MouseDown 5,6,2",
                                                 "MouseUp 7,8,2", "MouseMove 9,-10", "Character 122"}));
}

TEST_F(GameCommanderTest, CloseRequestAsksTheQuitQuestion) {
  EXPECT_EQ(commander.OnCloseRequest(), 0);
  EXPECT_EQ(app.calls, std::vector<std::string>{"QuitPrompt"});
}

TEST(GameCommanderAlone, WithoutAnApplicationOnlyTheKeyboardChanges) {
  gKeyboardState.ClearAll();
  GameCommander commander;
  EXPECT_EQ(commander.OnKeyDown('Q'), 0);
  EXPECT_EQ(gKeyboardState.IsKeyDown('Q'), 1);
  EXPECT_EQ(commander.OnCloseRequest(), 0);
  EXPECT_EQ(commander.Activate(), 0);
  gKeyboardState.ClearAll();
}

}  // namespace
