#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Drovane/Application.h"
#include "Drovane/CommandQueries.h"
#include "Drovane/PrefsFile.h"
#include "Drovane/Stopwatch.h"
#include "Drovane/toolkit/CommandReceiver.h"
#include "Drovane/toolkit/WindowManager.h"
#include "shell/CockpitScreen.h"
#include "shell/CommandMap.h"
#include "shell/CommandTable.h"
#include "shell/MenuScreenHolders.h"

class CBackBuffer;
class ContainerWindow;
class MessageBoxWindow;
class GameCommander;
class PaletteViewBuffer;
class ScreenBuffer;
class SmackerPlayer;

// The game's title: the main window's and the debug console's.
inline constexpr const char* kGameTitle = "Halvorine";

// Mode codes of the mode stack.
enum GameMode : int32_t {
  kModeStartup = 0,
  kModeQuit = 1,
  kModeIntroStart = 2,
  kModeIntro = 3,
  kModeMainMenu = 4,
  kModeCareer = 5,
  kModeFlight = 6,
  kModeHangar = 7,
  kModeCatalog = 8,
  kModeMissionLog = 9,
  kModeNoOperation = 10,
  kModeInventory = 11,
};

// A display configuration: picture size and bits per pixel.
struct DisplayRecord {
  int32_t width = 0;
  int32_t height = 0;
  int32_t bitsPerPixel = 0;
  bool operator==(const DisplayRecord&) const = default;
};

// The one application object of the game. The program entry drives it: start-up,
// preparation of the main window, one RunFrame per pass of the message loop, finishing.
// It keeps the stack of mode codes; the mode on top is stepped every frame. The game's
// command queries read the flight screen's map through it. It owns the window manager of
// the screens' windows and receives their window commands.
class CGameApp : public CApplication, public CommandStateSource, public CommandReceiver {
public:
  CGameApp();
  ~CGameApp() override;

  uint32_t Startup() override;
  uint32_t PrepareGame() override;
  uint32_t RunFrame() override;
  uint32_t FinishGame() override;

  // Reads the preferences file "tarvid.cfg" from the written-files folder (else the
  // program's folder); a missing or damaged file leaves the store empty, and a damaged one in
  // the written-files folder is kept aside as "tarvid.cfg.damaged".
  virtual void LoadPreferences();
  // Writes the preferences file into the written-files folder when the file was read whole
  // or missing, or the store changed since; the old one stays when the write fails.
  virtual void SavePreferences();
  // Finds the joysticks and gives their axes the game's range, -100 to 100, with a dead
  // zone of 20.
  virtual void InitJoysticks();
  // 1 when the names of the present joysticks, in slot order, differ from the set the
  // preferences kept (none when there is no record; a damaged record differs), else 0. The
  // present set is kept in their place.
  virtual int32_t CheckJoysticksChanged();
  // The master effect volume from the volume record of the preferences (all four volumes
  // 10000 when there is no record of 16 bytes), clamped to 0..10000.
  virtual void LoadEffectVolume();
  // Stores the volume record with the master effect volume `volume` (clamped) and the other
  // three as they were; the effects follow through their preferences listener.
  virtual void SetEffectVolume(int32_t volume);
  // The service of every active frame, given the milliseconds of the current frame-rate
  // window: steps the music radio when more than 750 ms have passed, and polls every present
  // joystick while flying.
  virtual void IdleUpdate(uint32_t elapsedMs);
  // Reads the switches of gCommandLine: "w" windowed, "f" full screen (overrides an
  // earlier "w"), "d" the debug console, "l NAME" the language of that name (as the language
  // table spells it); into gGameSwitches "1" to "4" the difficulty, "t" the tour start, "a"
  // fog off, "c" the 3-D radar, "p" the autopilot and "kPHRASE" the cheat phrase.
  virtual uint32_t ProcessCommandLine();
  // The application's own keys: Alt+Enter full screen, Ctrl+Alt+P the palette view, Print
  // Screen a screenshot, Ctrl+Alt+S the statistics overlay, Ctrl+V the system report.
  virtual void AddDebugKeyBindings();
  // Makes the configured language the framework's current language.
  virtual void SetLanguage();
  // 1 when the desktop is wider than 640, taller than 480 and at 8 bits per pixel.
  virtual int32_t IsDesktopModeUsable() const;
  // The screen buffer for the main window at its client size, given to the window as its
  // back buffer with the window's place on the screen, the root window over it and the
  // text strip; 0 when the buffer or its surfaces could not be made.
  virtual int32_t CreateScreenBuffer();
  // Deletes the text strip, the root window with every window in it, and the screen
  // buffer (taken from the main window first). 1.
  virtual int32_t DestroyScreenBuffer();
  // Always 1: full screen keeps the desktop's mode.
  virtual int32_t IsFullScreenModeUsable() const;
  // Between full screen and a window. 1 when switched or already there; 0 while another
  // switch runs, when the desktop has no room for a window, or when the display refused
  // the new cooperative level (the previous mode is then restored).
  virtual int32_t SwitchToWindowedMode();
  virtual int32_t SwitchToFullScreenMode();
  // The switch to the other mode; its result.
  virtual int32_t ToggleScreenMode();
  // The buffers that live with the display's surfaces: the palette view (while it is
  // switched on) and the text strip. 1.
  virtual int32_t CreateDisplayBuffers();
  virtual int32_t DestroyDisplayBuffers();
  // The current screen's palette again, after a switch released it.
  virtual void ReloadScreenPalette();
  // The 640 x 48 strip the message lines are drawn through.
  virtual void CreateTextStrip();
  virtual void DestroyTextStrip();
  // Full screen's display mode (recorded by the display; the desktop keeps its own). 1.
  virtual int32_t SetDisplayMode();
  virtual int32_t RestoreDisplayMode();
  virtual void ReleaseScreenPalette();
  // Makes the palette view when there is none.
  virtual void CreatePaletteView();
  // Shows or hides the palette view, making it on its first showing.
  virtual void TogglePaletteView();
  // Steps the mode on top of the stack: the quit, the intro's start and the intro.
  virtual uint32_t RunMode();
  // Push or remove a mode code; 1 when the code was handled, 0 when it was not. Entering
  // flight switches the music radio on when the player wants music; leaving it, off. The
  // main menu's screen is still to come: its mode shows the black screen the intro leaves.
  virtual int32_t EnterMode(int32_t mode);
  virtual int32_t LeaveMode(int32_t mode);
  // The player asked to quit (the close box, Alt+F4): before flight the game quits at once;
  // in flight and the screens after it box 2014 asks, unless a quit question is open.
  virtual void ShowQuitPrompt();
  // Closes every window of the screen; the hangar window goes with them.
  virtual void DestroyScreens();

  // A message box in the current screen's look over the root window, answering the
  // application, counted open: the box, or null when there is no root window.
  virtual MessageBoxWindow* ShowMessageBox(int32_t windowId, const std::string& text, uint32_t buttons);
  // The same with the string id's text in the current language.
  virtual MessageBoxWindow* ShowStringMessage(int32_t windowId, int32_t stringId, uint32_t buttons);
  // Box 2015, asking for the cheat phrase with OK and Cancel, always in the default look. 1,
  // or 0 when there is no root window.
  virtual int32_t ShowTextEntryBox();
  // An answered box is no longer counted open; the count never goes below 0.
  virtual void OnMessageBoxClosed();
  // The system report in box 2010.
  virtual void ShowSystemInfo();

  // Focus changes: the play screen's held commands are dropped; other modes and the
  // application's own map keep theirs.
  virtual void ClearCommandStates();
  // Carries out a command a key gave; an id without a row in the command table does nothing.
  virtual void ExecuteCommand(int32_t command);
  // Window commands reach the application here.
  int32_t DoCommand(GraphicWindow* sender, int32_t senderId, int32_t code, intptr_t value) override;
  // What a window reports: its id and its code (1001 OK, 1002 Cancel, or the button a box
  // was answered with). 1 when the id is one the application handles, else 0.
  virtual int32_t OnWindowCommand(GraphicWindow* sender, int32_t windowId, int32_t code, intptr_t value);

  // Input from the main window, through the game's commander. Keys come with the modifier
  // mask (1 Shift, 2 Control, 4 Alt); mouse positions are in picture coordinates and
  // buttons are 1 left, 2 right. Characters and the mouse go to the window manager.
  // A key-down goes first to the application's map, then to the windows, then to the
  // current play screen's map; a command found goes to ExecuteCommand.
  virtual int32_t OnKeyDown(uint32_t key, uint32_t modifiers);
  // A key-up the windows do not take releases its command in the play screen's map.
  virtual int32_t OnKeyUp(uint32_t key, uint32_t modifiers);
  virtual int32_t OnCharacter(uint32_t code);
  virtual int32_t OnMouseDown(int32_t x, int32_t y, int32_t button);
  virtual int32_t OnMouseUp(int32_t x, int32_t y, int32_t button);
  virtual int32_t OnMouseMove(int32_t x, int32_t y);

  // The code on top of the mode stack; 0 when the stack is empty.
  int32_t CurrentMode() const;
  // The holder of a play mode (6, 7, 8, 9, 11); null for any other mode.
  ScreenHolder* HolderForMode(int32_t mode);

  // The queries read the flight screen's map: a command is on while any state bit is set.
  uint8_t GetCommandState(int32_t commandId) const override;
  int32_t GetCommandAmount(int32_t commandId) const override;

  MainWindow* mpMainWindow = nullptr;
  ScreenBuffer* mpScreenBuffer = nullptr;
  int16_t mBackBufferCount = 1;
  int32_t mWindowed = 1;
  // 1 while a display switch runs.
  int32_t mSwitching = 0;
  // The root of the window tree, over the screen buffer; null while there is none.
  ContainerWindow* mpRootWindow = nullptr;
  // The strip the message lines are drawn through; null while there is none.
  CBackBuffer* mpTextStrip = nullptr;
  Stopwatch mFrameStopwatch{1};
  // While 0, frames run neither the idle update nor the mode.
  int32_t mActive = 1;
  DisplayRecord mFullScreenMode{640, 480, 8};
  DisplayRecord mWindowedMode{640, 480, 8};
  DisplayRecord mDesktopMode;
  DisplayRecord mCurrentMode;
  int32_t mDebugConsoleSwitch = 0;
  int32_t mWindowedSwitch = 0;
  // The configured language: the locale's at start-up, or the one the command line names.
  int32_t mLanguage = 1;
  std::vector<int32_t> mModeStack;
  int32_t mRedraw = 0;
  float mFrameRate = 10.0f;
  int32_t mQuitFlag = 0;
  PrefsFile mPrefs;
  // Game options; the first two are the engine's object and terrain textures.
  std::array<int32_t, 4> mOptionWords{1, 1, 1, 1};
  CockpitScreen mCockpitScreen;
  HangarScreen mHangarScreen;
  CatalogScreen mCatalogScreen;
  MissionLogScreen mMissionLogScreen;
  InventoryScreen mInventoryScreen;
  // The intro video while it plays; null when there is none.
  std::unique_ptr<SmackerPlayer> mpIntroVideo;
  // The application's own keys, which act in every mode.
  CommandMap mCommandMap;
  CommandTable mCommandTable;
  // The screens' windows take keys before the play screen's map, and every character and
  // mouse event.
  WindowManager mWindowManager;
  // While set, every frame ends with the palette view drawn at (10, 10) of the screen.
  int32_t mPaletteViewOn = 0;
  std::unique_ptr<PaletteViewBuffer> mpPaletteView;
  // Message boxes open now.
  int32_t mOpenBoxCount = 0;
  // The quit question is open; the player confirmed the quit; the player leaves the city.
  int32_t mQuitPromptOpen = 0;
  int32_t mQuitConfirmed = 0;
  int32_t mLeaveCity = 0;
  // Menus open over flight.
  int32_t mPauseCount = 0;
  // The day flag of the hangar screen's window; null while there is no hangar window.
  const int32_t* mpHangarDayFlag = nullptr;

private:
  void ChooseDisplayConfiguration();
  // DirectDraw, its cooperative level, full screen's mode and the screen buffer; 0, or
  // kErrorFailure after the failure's message.
  uint32_t PrepareDisplay();
  // The sound device and the effects; without a device the game says so and runs silent.
  void PrepareSound();
  void StopSoundQueues();
  // When a world was built: the world shut down, the engine's resource file closed, its
  // groups and vertex pool freed.
  void ShutDownWorld();
  void StartLiveTuning();
  void LoadStringTable();
  void ChooseLanguage(const std::string& name);
  void ProcessSwitch(const std::string& name);
  void LoadFlightBindings();
  // Mode 2: opens "intro.smk" when it is there and goes on to mode 3 at once.
  void StartIntro();
  // Mode 3: the intro's next frame; at its end (or without one) the main menu.
  void StepIntro();
  // Clears the screen's front and back to palette index 0.
  void ClearScreen();
  // The rows of the application's own commands in the command table.
  void AddDebugCommandRows();
  // Each sounding control's click plays "button.wav" of the sound folder.
  void GiveClickSoundsTheirFile();
  // The quit question's answer: a confirmed quit ends the game, asking about saving first in
  // flight and the screens after it.
  int32_t AnswerQuitPrompt(int32_t answer);
  // After a notice box: the confirmed quit, else leaving the city.
  void ContinueAfterBox();
  // Screenshots see the 3D view's frame only while flight is the current mode.
  void ProvideScreenshotFrame();
  void DestroyPaletteView();
  // The palette view onto the screen, while it is switched on.
  void DrawPaletteView();
  // Display switches: the surfaces and everything made on them go, the cooperative level
  // changes, and they come back for the mode asked for; a refused level brings back the
  // mode there was.
  int32_t SwitchDisplay(int32_t windowed);
  void ReleaseDisplay();
  void RebuildDisplay();
  uint32_t SetCooperativeLevelFor(int32_t windowed);

  // When the preferences are written back at the end.
  enum class PrefsSaving { kNotRead, kAlways, kWhenChanged, kNever };
  PrefsSaving mPrefsSaving = PrefsSaving::kNotRead;
  uint64_t mPrefsChangesAtLoad = 0;

  std::unique_ptr<GameCommander> mpGameCommander;
};

// The one game application object; null when there is none.
extern CGameApp* gpGameApp;
// Frames since the frame rate was last computed.
extern uint32_t gFrameCounter;
// The program's folder in the game's form, ending in a backslash.
extern std::string gInstallDirectory;

// The module path cut after its last backslash, which stays. Empty when the path has no
// backslash or does not fit the game's 260-character paths.
std::string InstallDirectoryFromModulePath(const std::string& modulePath);
