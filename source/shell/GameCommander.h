#pragma once
#include <cstdint>

#include "Drovane/Comander.h"

class CGameApp;
class CommandMap;

// The game's receiver of the main window's input: it keeps the global keyboard state
// current and hands every event on to the application object.
class GameCommander : public Comander {
public:
  using Comander::OnKeyDown;

  int32_t OnMouseMove(int32_t x, int32_t y) override;
  // Frames run the game only while the window is active.
  int32_t Activate() override;
  int32_t Deactivate() override;
  // WM_SETFOCUS: the window gained the focus, and keys released while another window had
  // it must not stay held.
  int32_t OnFocusLost() override;
  // WM_KEYDOWN and WM_SYSKEYDOWN of the main window.
  int32_t OnKeyDown(uint32_t key) override;
  int32_t OnKeyUp(uint32_t key) override;
  int32_t OnChar(uint32_t code) override;
  int32_t OnLeftButtonDown(int32_t x, int32_t y) override;
  int32_t OnLeftButtonUp(int32_t x, int32_t y) override;
  int32_t OnRightButtonDown(int32_t x, int32_t y) override;
  int32_t OnRightButtonUp(int32_t x, int32_t y) override;
  int32_t OnCloseRequest() override;

  void SetApplication(CGameApp* application) { mpApplication = application; }

  // The command a key-down gives in the map under the keyboard state's modifiers (0 for
  // none), holding it there; a modifier key instead re-holds what every held key gives.
  static void KeyDownToCommand(uint32_t key, CommandMap& map, int32_t* command, int32_t* singlePress);
  // Releases the command the key gives under the modifiers now held; a modifier key
  // re-holds what every held key gives.
  static void KeyUpToCommand(uint32_t key, CommandMap& map);

  CGameApp* mpApplication = nullptr;
};
