#include "game/KeyBinding.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/VirtualKeys.h"

namespace {

constexpr std::array<std::pair<int32_t, int32_t>, 9> kOppositePairs{{
    {6, 7}, {8, 9}, {10, 11}, {12, 13}, {14, 15}, {17, 18}, {27, 28}, {29, 30}, {31, 32}}};

constexpr std::array<int32_t, 5> kReservedKeys{
    platform::VK_NUMLOCK, platform::VK_SNAPSHOT, platform::VK_ESCAPE, platform::VK_CONTROL, platform::VK_MENU};

bool IsSinglePressCommand(int32_t command) { return (command >= 3 && command <= 5) || (command >= 20 && command <= 25); }

bool IsContinuousCommand(int32_t command) {
  return command == 2 || (command >= 6 && command <= 13) || command == 19;
}

bool IsValidControl(const KeyBinding& binding) {
  if (binding.device == kKeyboardDevice)
    return binding.control >= 0 && binding.control < kKeyCodes && !IsReservedKey(binding.control);
  return binding.device >= 1 && binding.device <= kJoystickDevices && binding.control >= 0 &&
         binding.control < kJoystickControls;
}

}  // namespace

int32_t ClassifyCommand(int32_t command, int32_t* singlePress, int32_t* continuous) {
  *singlePress = IsSinglePressCommand(command) ? 1 : 0;
  *continuous = IsContinuousCommand(command) ? 1 : 0;
  return 1;
}

int32_t GetOppositeCommand(int32_t command) {
  for (const auto& [first, second] : kOppositePairs) {
    if (command == first) return second;
    if (command == second) return first;
  }
  return 0;
}

bool IsBindableCommand(int32_t command) { return command >= 2 && command <= 32; }

bool IsReservedKey(int32_t key) { return std::find(kReservedKeys.begin(), kReservedKeys.end(), key) != kReservedKeys.end(); }

void GetReservedKeys(std::vector<int32_t>& keys) {
  keys.assign(kReservedKeys.begin(), kReservedKeys.end());
  keys.push_back(0);
}

bool IsValidKeyBinding(KeyBinding& binding) {
  if (!IsValidControl(binding) || binding.modifiers != 0 || !IsBindableCommand(binding.command)) return false;
  ClassifyCommand(binding.command, &binding.singlePress, &binding.continuous);
  return true;
}
