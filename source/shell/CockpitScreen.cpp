#include "shell/CockpitScreen.h"

#include <array>

#include "Drovane/KeyboardState.h"
#include "game/KeyBindingFile.h"
#include "platform/VirtualKeys.h"

namespace {

using namespace platform;

struct FixedBinding {
  int32_t command;
  int32_t key;
  uint32_t modifiers;
};

constexpr uint32_t kControl = kModifierControl;
constexpr uint32_t kControlAlt = kModifierControl | kModifierAlt;
constexpr int32_t kF6 = VK_F1 + 5;

constexpr std::array<FixedBinding, 22> kFixedFlightBindings{{
    {34, '1', 0},          {35, '2', 0},           {36, '3', 0},
    {37, '4', 0},          {38, VK_UP, kControl},  {39, VK_DOWN, kControl},
    {40, VK_LEFT, kControl}, {41, VK_RIGHT, kControl}, {42, 'H', 0},
    {43, VK_OEM_MINUS, 0}, {44, VK_OEM_PLUS, 0},  {45, kF6, 0},
    {46, kF6 + 1, 0},      {47, kF6 + 2, 0},       {48, kF6 + 3, 0},
    {49, kF6 + 5, 0},      {50, kF6 + 6, 0},       {51, 'Y', 0},
    {52, 'U', 0},          {53, VK_F10, 0},        {56, VK_ESCAPE, 0},
    {58, 'X', kControlAlt}}};

}  // namespace

void AddFixedFlightBindings(KeyBindingList& list) {
  for (const FixedBinding& fixed : kFixedFlightBindings) {
    KeyBinding binding{kKeyboardDevice, fixed.command, fixed.key, static_cast<int32_t>(fixed.modifiers), 0, 0};
    ClassifyCommand(fixed.command, &binding.singlePress, &binding.continuous);
    list.push_back(binding);
  }
}

CockpitScreen::BindingSource CockpitScreen::LoadBindings() {
  KeyBindingList& list = mCommandMap.Bindings();
  list.clear();
  AddFixedFlightBindings(list);
  BindingSource source = BindingSource::kFile;
  if (!LoadKeyBindings(list)) {
    MakeDefaultKeyBindings(list);
    source = BindingSource::kDefaults;
  }
  mCommandMap.RebuildTables();
  return source;
}
