#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/KeyToggles.h"
#include "platform/SdlEventTranslator.h"
#include "platform/VirtualKeys.h"

using namespace platform;

namespace {

constexpr WindowHandle kWindow = 7;
const TranslationTarget kSameSize{kWindow, {640, 480}, {640, 480}};
// A 1280 x 720 full-screen window shows the picture at (160, 0), 960 x 720.
const TranslationTarget kLetterboxed{kWindow, {640, 480}, {1280, 720}};

SDL_Event Key(uint32_t type, SDL_Scancode scancode, SDL_Keycode keycode, uint16_t modifiers = KMOD_NONE,
              uint8_t repeat = 0) {
  SDL_Event event{};
  event.key.type = type;
  event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  event.key.repeat = repeat;
  event.key.keysym.scancode = scancode;
  event.key.keysym.sym = keycode;
  event.key.keysym.mod = modifiers;
  return event;
}

SDL_Event Text(const char* utf8) {
  SDL_Event event{};
  event.text.type = SDL_TEXTINPUT;
  std::strncpy(event.text.text, utf8, sizeof event.text.text - 1);
  return event;
}

SDL_Event Button(uint32_t type, uint8_t button, int32_t x, int32_t y) {
  SDL_Event event{};
  event.button.type = type;
  event.button.button = button;
  event.button.x = x;
  event.button.y = y;
  return event;
}

SDL_Event Motion(int32_t x, int32_t y) {
  SDL_Event event{};
  event.motion.type = SDL_MOUSEMOTION;
  event.motion.x = x;
  event.motion.y = y;
  return event;
}

SDL_Event Window(SDL_WindowEventID id, int32_t data1 = 0, int32_t data2 = 0) {
  SDL_Event event{};
  event.window.type = SDL_WINDOWEVENT;
  event.window.event = id;
  event.window.data1 = data1;
  event.window.data2 = data2;
  return event;
}

constexpr intptr_t kPressed = 1;
constexpr intptr_t kRepeated = 1 | kKeyWasDown;
constexpr intptr_t kReleased = 1 | kKeyWasDown | kKeyReleased;
constexpr intptr_t kAltPressed = 1 | kKeyAltHeld;

struct Expected {
  uint32_t message;
  uintptr_t wParam;
  intptr_t lParam;
};

struct TranslationCase {
  const char* name;
  SDL_Event event;
  TranslationTarget target;
  std::vector<Expected> expected;
};

void PrintTo(const TranslationCase& c, std::ostream* os) { *os << c.name; }
std::string CaseName(const testing::TestParamInfo<TranslationCase>& info) { return info.param.name; }

class SdlEventTranslatorTest : public testing::TestWithParam<TranslationCase> {};

TEST_P(SdlEventTranslatorTest, MakesTheGameMessages) {
  const TranslationCase& c = GetParam();
  SdlEventTranslator translator;
  std::vector<Message> messages;
  translator.Translate(c.event, c.target, messages);
  ASSERT_EQ(messages.size(), c.expected.size());
  for (size_t i = 0; i < messages.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(messages[i].window, kWindow);
    EXPECT_EQ(messages[i].message, c.expected[i].message);
    EXPECT_EQ(messages[i].wParam, c.expected[i].wParam);
    EXPECT_EQ(messages[i].lParam, c.expected[i].lParam);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SdlEventTranslatorTest,
    testing::Values(
        TranslationCase{"LetterDown", Key(SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_a), kSameSize, {{WM_KEYDOWN, 'A', kPressed}}},
        TranslationCase{"LetterRepeat", Key(SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_a, KMOD_NONE, 1), kSameSize,
                        {{WM_KEYDOWN, 'A', kRepeated}}},
        TranslationCase{"LetterUp", Key(SDL_KEYUP, SDL_SCANCODE_A, SDLK_a), kSameSize, {{WM_KEYUP, 'A', kReleased}}},
        TranslationCase{"RightArrow", Key(SDL_KEYDOWN, SDL_SCANCODE_RIGHT, SDLK_RIGHT), kSameSize,
                        {{WM_KEYDOWN, VK_RIGHT, kPressed}}},
        TranslationCase{"RightShiftIsShift", Key(SDL_KEYDOWN, SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, KMOD_RSHIFT),
                        kSameSize, {{WM_KEYDOWN, VK_SHIFT, kPressed}}},
        TranslationCase{"Backspace", Key(SDL_KEYDOWN, SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE), kSameSize,
                        {{WM_KEYDOWN, VK_BACK, kPressed}, {WM_CHAR, 8, kPressed}}},
        TranslationCase{"Tab", Key(SDL_KEYDOWN, SDL_SCANCODE_TAB, SDLK_TAB), kSameSize,
                        {{WM_KEYDOWN, VK_TAB, kPressed}, {WM_CHAR, 9, kPressed}}},
        TranslationCase{"KeypadEnter", Key(SDL_KEYDOWN, SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER), kSameSize,
                        {{WM_KEYDOWN, VK_RETURN, kPressed}, {WM_CHAR, 13, kPressed}}},
        TranslationCase{"EscapeRepeat", Key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, KMOD_NONE, 1), kSameSize,
                        {{WM_KEYDOWN, VK_ESCAPE, kRepeated}, {WM_CHAR, 27, kRepeated}}},
        TranslationCase{"EscapeUpTypesNothing", Key(SDL_KEYUP, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE), kSameSize,
                        {{WM_KEYUP, VK_ESCAPE, kReleased}}},
        TranslationCase{"AltItselfIsASystemKey", Key(SDL_KEYDOWN, SDL_SCANCODE_LALT, SDLK_LALT, KMOD_LALT),
                        kSameSize, {{WM_SYSKEYDOWN, VK_MENU, kAltPressed}}},
        TranslationCase{"AltReleased", Key(SDL_KEYUP, SDL_SCANCODE_LALT, SDLK_LALT), kSameSize,
                        {{WM_SYSKEYUP, VK_MENU, kReleased}}},
        TranslationCase{"AltWithLetter", Key(SDL_KEYDOWN, SDL_SCANCODE_X, SDLK_x, KMOD_LALT), kSameSize,
                        {{WM_SYSKEYDOWN, 'X', kAltPressed}}},
        TranslationCase{"AltWithEnterTypesNothing", Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_RALT),
                        kSameSize, {{WM_SYSKEYDOWN, VK_RETURN, kAltPressed}}},
        TranslationCase{"AltF4", Key(SDL_KEYDOWN, SDL_SCANCODE_F4, SDLK_F4, KMOD_LALT), kSameSize,
                        {{WM_SYSKEYDOWN, VK_F4, kAltPressed}}},
        TranslationCase{"AltF4Released", Key(SDL_KEYUP, SDL_SCANCODE_F4, SDLK_F4, KMOD_LALT), kSameSize,
                        {{WM_SYSKEYUP, VK_F4, kReleased | kKeyAltHeld}}},
        TranslationCase{"F10IsASystemKey", Key(SDL_KEYDOWN, SDL_SCANCODE_F10, SDLK_F10), kSameSize,
                        {{WM_SYSKEYDOWN, VK_F10, kPressed}}},
        TranslationCase{"PlainF4", Key(SDL_KEYDOWN, SDL_SCANCODE_F4, SDLK_F4), kSameSize,
                        {{WM_KEYDOWN, VK_F4, kPressed}}},
        TranslationCase{"UnknownKey", Key(SDL_KEYDOWN, SDL_SCANCODE_MUTE, SDLK_MUTE), kSameSize, {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Characters, SdlEventTranslatorTest,
    testing::Values(TranslationCase{"Letter", Text("a"), kSameSize, {{WM_CHAR, 'a', 1}}},
                    TranslationCase{"Accented", Text("\xC3\xA9"), kSameSize, {{WM_CHAR, 0xE9, 1}}},
                    TranslationCase{"Euro", Text("\xE2\x82\xAC"), kSameSize, {{WM_CHAR, 0x80, 1}}},
                    TranslationCase{"Several", Text("ok"), kSameSize, {{WM_CHAR, 'o', 1}, {WM_CHAR, 'k', 1}}},
                    TranslationCase{"OutsideTheSet", Text("\xE6\x97\xA5"), kSameSize, {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Mouse, SdlEventTranslatorTest,
    testing::Values(
        TranslationCase{"LeftDown", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20), kSameSize,
                        {{WM_LBUTTONDOWN, 0, MakeLParam(10, 20)}}},
        TranslationCase{"LeftUp", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 639, 479), kSameSize,
                        {{WM_LBUTTONUP, 0, MakeLParam(639, 479)}}},
        TranslationCase{"RightDown", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 5, 6), kSameSize,
                        {{WM_RBUTTONDOWN, 0, MakeLParam(5, 6)}}},
        TranslationCase{"RightUp", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 5, 6), kSameSize,
                        {{WM_RBUTTONUP, 0, MakeLParam(5, 6)}}},
        TranslationCase{"MiddleIgnored", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 5, 6), kSameSize, {}},
        TranslationCase{"Move", Motion(100, 200), kSameSize, {{WM_MOUSEMOVE, 0, MakeLParam(100, 200)}}},
        TranslationCase{"ScaledToThePicture", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 640, 360), kLetterboxed,
                        {{WM_LBUTTONDOWN, 0, MakeLParam(320, 240)}}},
        TranslationCase{"ClickInTheLetterbox", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 100, 360),
                        kLetterboxed, {{WM_LBUTTONDOWN, 0, MakeLParam(-40, 240)}}},
        TranslationCase{"CapturedDragAboveThePicture", Motion(-30, -20), kSameSize,
                        {{WM_MOUSEMOVE, 0, MakeLParam(-30, -20)}}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    WindowEvents, SdlEventTranslatorTest,
    testing::Values(
        TranslationCase{"FocusGained", Window(SDL_WINDOWEVENT_FOCUS_GAINED), kSameSize,
                        {{WM_ACTIVATEAPP, 1, 0}, {WM_ACTIVATE, WA_ACTIVE, 0}, {WM_SETFOCUS, 0, 0}}},
        TranslationCase{"FocusLost", Window(SDL_WINDOWEVENT_FOCUS_LOST), kSameSize,
                        {{WM_ACTIVATE, WA_INACTIVE, 0}, {WM_ACTIVATEAPP, 0, 0}}},
        TranslationCase{"Close", Window(SDL_WINDOWEVENT_CLOSE), kSameSize, {{WM_CLOSE, 0, 0}}},
        TranslationCase{"Moved", Window(SDL_WINDOWEVENT_MOVED, 30, 40), kSameSize, {{WM_MOVE, 0, MakeLParam(30, 40)}}},
        TranslationCase{"Resized", Window(SDL_WINDOWEVENT_SIZE_CHANGED, 1280, 720), kLetterboxed,
                        {{WM_SIZE, 0, MakeLParam(640, 480)}}},
        TranslationCase{"Exposed", Window(SDL_WINDOWEVENT_EXPOSED), kSameSize, {{WM_PAINT, 0, 0}}},
        TranslationCase{"PointerEnters", Window(SDL_WINDOWEVENT_ENTER), kSameSize,
                        {{WM_SETCURSOR, kWindow, MakeLParam(HTCLIENT, WM_MOUSEMOVE)}}},
        TranslationCase{"Shown", Window(SDL_WINDOWEVENT_SHOWN), kSameSize, {}}),
    CaseName);

std::vector<uint32_t> MessageNumbers(SdlEventTranslator& translator, const std::vector<SDL_Event>& events) {
  std::vector<Message> messages;
  for (const SDL_Event& event : events) translator.Translate(event, kSameSize, messages);
  std::vector<uint32_t> numbers;
  for (const Message& message : messages) numbers.push_back(message.message);
  return numbers;
}

TEST(SdlEventTranslatorSequence, TextTypedWithLeftAltHeldIsDropped) {
  SdlEventTranslator translator;
  std::vector<uint32_t> numbers = MessageNumbers(
      translator, {Key(SDL_KEYDOWN, SDL_SCANCODE_LALT, SDLK_LALT, KMOD_LALT),
                   Key(SDL_KEYDOWN, SDL_SCANCODE_Q, SDLK_q, KMOD_LALT), Text("q"),
                   Key(SDL_KEYUP, SDL_SCANCODE_Q, SDLK_q, KMOD_LALT), Key(SDL_KEYUP, SDL_SCANCODE_LALT, SDLK_LALT),
                   Key(SDL_KEYDOWN, SDL_SCANCODE_Q, SDLK_q), Text("q")});
  EXPECT_EQ(numbers, (std::vector<uint32_t>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSKEYUP, WM_KEYDOWN,
                                            WM_CHAR}));
}

TEST(SdlEventTranslatorSequence, TextTypedWithTheRightAltKeyStaysText) {
  // Layouts type characters such as '@' with the right Alt key.
  SdlEventTranslator translator;
  std::vector<uint32_t> numbers =
      MessageNumbers(translator, {Key(SDL_KEYDOWN, SDL_SCANCODE_Q, SDLK_q, KMOD_RALT), Text("@")});
  EXPECT_EQ(numbers, (std::vector<uint32_t>{WM_SYSKEYDOWN, WM_CHAR}));
}

TEST(SdlEventTranslatorSequence, KeyEventsKeepTheLockKeysCurrent) {
  SdlEventTranslator translator;
  MessageNumbers(translator, {Key(SDL_KEYDOWN, SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, KMOD_CAPS | KMOD_NUM)});
  EXPECT_TRUE(IsLockKeyOn(VK_CAPITAL));
  EXPECT_TRUE(IsLockKeyOn(VK_NUMLOCK));
  EXPECT_FALSE(IsLockKeyOn(VK_SCROLL));
  MessageNumbers(translator, {Key(SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_a, KMOD_SCROLL)});
  EXPECT_FALSE(IsLockKeyOn(VK_CAPITAL));
  EXPECT_FALSE(IsLockKeyOn(VK_NUMLOCK));
  EXPECT_TRUE(IsLockKeyOn(VK_SCROLL));
  SetLockKeyOn(VK_SCROLL, false);
}

struct KeyCase {
  SDL_Keycode keycode;
  SDL_Scancode scancode;
  uint8_t expected;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << "scancode " << c.scancode; }

class VirtualKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(VirtualKeyTest, FollowsTheLayoutForLettersAndPunctuation) {
  EXPECT_EQ(VirtualKeyFromSdl(GetParam().keycode, GetParam().scancode), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, VirtualKeyTest,
    testing::Values(KeyCase{SDLK_a, SDL_SCANCODE_Q, 'A'},                    // AZERTY's A key
                    KeyCase{SDLK_AMPERSAND, SDL_SCANCODE_1, '1'},            // AZERTY's 1 key
                    KeyCase{SDLK_COMMA, SDL_SCANCODE_M, VK_OEM_COMMA},      // AZERTY's comma key
                    KeyCase{SDLK_m, SDL_SCANCODE_SEMICOLON, 'M'},            // AZERTY's M key
                    KeyCase{0x444, SDL_SCANCODE_A, 'A'},                    // a Cyrillic layout's letter
                    KeyCase{0x436, SDL_SCANCODE_SEMICOLON, VK_OEM_1},       // and its punctuation position
                    KeyCase{SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE, VK_OEM_7},
                    KeyCase{SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE, VK_OEM_3},
                    KeyCase{SDLK_KP_0, SDL_SCANCODE_KP_0, VK_NUMPAD0},
                    KeyCase{SDLK_KP_9, SDL_SCANCODE_KP_9, VK_NUMPAD0 + 9},
                    KeyCase{SDLK_F12, SDL_SCANCODE_F12, VK_F12},
                    KeyCase{SDLK_RCTRL, SDL_SCANCODE_RCTRL, VK_CONTROL},
                    KeyCase{SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, 0}));

}  // namespace
