#include <array>
#include <utility>

#include "game/KeyBinding.h"
#include "platform/VirtualKeys.h"

namespace {

using platform::VK_ADD;
using platform::VK_DOWN;
using platform::VK_F1;
using platform::VK_LEFT;
using platform::VK_RIGHT;
using platform::VK_SPACE;
using platform::VK_SUBTRACT;
using platform::VK_UP;

// Command and key, in the order the list takes them.
constexpr std::array<std::pair<int32_t, int32_t>, 34> kDefaultKeys{{
    {2, 'M'},       {3, 'E'},        {27, 'I'},      {28, 'K'},     {29, 'J'},      {30, 'L'},
    {31, 'O'},      {32, 'P'},       {4, 'N'},       {5, 'R'},      {8, VK_UP},     {9, VK_DOWN},
    {8, 'X'},       {9, 'Z'},        {7, VK_RIGHT},  {6, VK_LEFT},  {12, VK_ADD},   {13, VK_SUBTRACT},
    {12, 'Q'},      {13, 'W'},       {15, 'C'},      {14, 'V'},     {16, 'B'},      {17, 'G'},
    {18, 'F'},      {19, VK_SPACE},  {20, 'T'},      {21, VK_F1},   {22, VK_F1 + 1}, {23, VK_F1 + 2},
    {24, VK_F1 + 3}, {25, VK_F1 + 4}, {11, 'A'},     {10, 'S'}}};

// Control and command of each joystick: both halves of an axis are bound, and the second
// one is the one the joystick table keeps.
constexpr std::array<std::pair<int32_t, int32_t>, 9> kDefaultJoystickControls{{
    {0, 6}, {0, 7}, {1, 8}, {1, 9}, {6, 19}, {7, 2}, {8, 12}, {9, 13}, {10, 26}}};

}  // namespace

void MakeDefaultKeyBindings(KeyBindingList& list) {
  for (const auto& [command, key] : kDefaultKeys) {
    KeyBinding binding{kKeyboardDevice, command, key, 0, 0, 0};
    ClassifyCommand(command, &binding.singlePress, &binding.continuous);
    list.push_back(binding);
  }
  for (int32_t joystick = 1; joystick <= kJoystickDevices; ++joystick)
    for (const auto& [control, command] : kDefaultJoystickControls) list.push_back({joystick, command, control, 0, 0, 0});
}
