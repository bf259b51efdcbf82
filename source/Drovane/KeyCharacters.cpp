#include "Drovane/KeyCharacters.h"

#include "platform/KeyToggles.h"
#include "platform/VirtualKeys.h"

using namespace platform;

namespace {

struct PunctuationKey {
  uint8_t key;
  char plain;
  char shifted;
};

constexpr PunctuationKey kPunctuationKeys[] = {
    {VK_OEM_3, '`', '~'},      {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PLUS, '=', '+'},
    {VK_OEM_4, '[', '{'},      {VK_OEM_6, ']', '}'},     {VK_OEM_5, '\\', '|'},
    {VK_OEM_1, ';', ':'},      {VK_OEM_7, '\'', '"'},    {VK_OEM_COMMA, ',', '<'},
    {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
};

constexpr char kShiftedDigits[] = ")!@#$%^&*(";

}  // namespace

bool IsKeyToggled(uint32_t key) { return IsLockKeyOn(static_cast<uint8_t>(key)); }

uint32_t KeyToCharacter(uint32_t key, uint32_t shiftFlag) {
  bool upper = ((shiftFlag & 1) != 0) != IsKeyToggled(VK_CAPITAL);
  if (key >= 'A' && key <= 'Z') return upper ? key : key + 32;
  if (key >= '0' && key <= '9') return upper ? static_cast<uint8_t>(kShiftedDigits[key - '0']) : key;
  for (const PunctuationKey& punctuation : kPunctuationKeys) {
    if (punctuation.key == key) return static_cast<uint8_t>(upper ? punctuation.shifted : punctuation.plain);
  }
  return key == VK_SPACE ? ' ' : 0;
}
