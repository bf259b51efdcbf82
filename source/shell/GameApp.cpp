#include "shell/GameApp.h"

#include "Drovane/Arena.h"
#include "Drovane/DamagedFile.h"
#include "Drovane/DataPaths.h"
#include "Drovane/DebugConsole.h"
#include "Drovane/DebugLog.h"
#include "Drovane/DirectDrawObject.h"
#include "Drovane/ErrorReport.h"
#include "Drovane/JoystickManager.h"
#include "Drovane/JoystickSetRecord.h"
#include "Drovane/KeyboardState.h"
#include "Drovane/LanguageFromLocale.h"
#include "Drovane/Languages.h"
#include "Drovane/MainWindow.h"
#include "Drovane/PaletteViewBuffer.h"
#include "Drovane/ProgramEntry.h"
#include "Drovane/ScreenBuffer.h"
#include "Drovane/Screenshot.h"
#include "Drovane/SmackerPlayer.h"
#include "Drovane/StringTable.h"
#include "Drovane/SystemReport.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/DisplayResolution.h"
#include "Drovane/toolkit/GraphicWindow.h"
#include "game/GameSwitches.h"
#include "game/KeyBindingFile.h"
#include "game/P3Tweak.h"
#include "game/world/WorldResources.h"
#include "game/world/WorldShutdown.h"
#include "game/world/WorldStage.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/files/ResourceReader.h"
#include "platform/DataRoots.h"
#include "platform/Display.h"
#include "platform/FileHandle.h"
#include "platform/MessageQueue.h"
#include "platform/Process.h"
#include "platform/UserSignal.h"
#include "platform/VideoSound.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"
#include "screens/MusicSwitches.h"
#include "shell/CommandLineSwitches.h"
#include "shell/GameCommander.h"
#include "shell/TweakCommand.h"
#include "sound/Radio.h"
#include "sound/SoundEffects.h"
#include "sound/SoundSystem.h"

CGameApp* gpGameApp = nullptr;
uint32_t gFrameCounter = 0;
std::string gInstallDirectory;

namespace {

constexpr size_t kMaxPathLength = 260;
constexpr uint32_t kFullScreenStyleFlags = 0;
constexpr uint32_t kWindowedStyleFlags = 0x1B;
// The radio is stepped only on frames late in each frame-rate window.
constexpr uint32_t kRadioUpdateAfterMs = 750;
// The intro's band of the screen, which it is centred in.
constexpr int32_t kIntroWidth = 640;
constexpr int32_t kIntroHeight = 278;
// Every sound track, and no extra buffer.
constexpr uint32_t kVideoOpenFlags = 0xFE000;
constexpr int32_t kVideoExtraValue = -1;

// The colour key of the controls and of most game images.
constexpr int32_t kGameTransparentIndex = 254;

// The console's log as "debug.txt" in the written-files folder, for a start that failed.
void SaveDebugLogFile() {
  std::string path;
  if (gDataPaths.GetWritePathString("debug.txt", path)) SaveDebugLog(path);
}

}  // namespace

std::string InstallDirectoryFromModulePath(const std::string& modulePath) {
  if (modulePath.size() > kMaxPathLength) return {};
  size_t lastBackslash = modulePath.rfind('\\');
  if (lastBackslash == std::string::npos) return {};
  return modulePath.substr(0, lastBackslash + 1);
}

CGameApp::CGameApp() {
  gpGameApp = this;
  SetPrefsFile(&mPrefs);
  SetCommandStateSource(this);
  // Videos play their sound on the game's sound device, whenever there is one.
  platform::SetVideoSoundDeviceSource([] { return lpDS; });
  platform::DesktopMode desktop = platform::GetDesktopMode();
  mDesktopMode = {desktop.width, desktop.height, desktop.bitsPerPixel};
  mCurrentMode = mWindowed ? mWindowedMode : mFullScreenMode;
  gResolution = 1;
  mCommandTable.SetRow(kCommandToggleFullScreen, [this] { ToggleScreenMode(); });
  mCommandTable.SetRow(kCommandToggleRadio, [] { ToggleMusic(); });
  mCommandTable.SetRow(kCommandSystemReport, [this] { ShowSystemInfo(); });
  EnterMode(kModeStartup);
  AddDebugCommandRows();
  ProvideScreenshotFrame();
}

CGameApp::~CGameApp() {
  platform::RouteUserSignal(platform::kNoWindow, 0);
  // What a failed preparation or a run without FinishGame left behind.
  DestroyScreenBuffer();
  delete mpMainWindow;
  mpMainWindow = nullptr;
  DestroyPaletteView();
  mpIntroVideo.reset();
  DDDisable();
  // The radio's settings go into the preferences before they are written.
  gRadio.Shutdown();
  StopSoundQueues();
  ShutDownWorld();
  SavePreferences();
  SetPrefsFile(nullptr);
  DestroyApplicationArenas();
  UnregisterDebugCommand(&TheTweakCommand());
  DestroyDebugConsole();
  gInstallDirectory.clear();
  if (gpGameApp == this) {
    gpGameApp = nullptr;
    SetCommandStateSource(nullptr);
    SetScreenshotFrameProvider(nullptr);
    platform::SetVideoSoundDeviceSource(nullptr);
  }
}

void CGameApp::ShutDownWorld() {
  if (WorldReady == 0) return;
  WorldShutdown();
  CloseResourceFile();
  FreeWorldResources();
}

uint32_t CGameApp::Startup() {
  // Windows initialised from here on take the game's colour key.
  GraphicWindow::defaultTransparentIndex = kGameTransparentIndex;
  std::string modulePath = platform::GetModuleFileName();
  gInstallDirectory = InstallDirectoryFromModulePath(modulePath);
  CreateDebugConsole(kGameTitle);
  DebugPrintf("Halvorine Startup...\n\n");
  if (gInstallDirectory.empty()) DebugPrintf("No install directory in the program's path \"%s\".\n", modulePath.c_str());
  gDataPaths.SetRoots(gInstallDirectory, platform::SecondDataRoot());
  LoadStringTable();
  mLanguage = StartingLanguage();
  LoadPreferences();
  ProcessCommandLine();
  WriteSystemReportToLog();
  SetLanguage();
  AddDebugKeyBindings();
  if (mDebugConsoleSwitch) {
    gpDebugConsole->Show();
  } else {
    gpDebugConsole->Hide();
  }
  ChooseDisplayConfiguration();
  SetObjectTextures(mOptionWords[0]);
  SetTerrainTextures(mOptionWords[1]);
  gRadio.Initialize();
  LoadFlightBindings();
  InitJoysticks();
  CreateApplicationArenas();
  TweakRegisterMessage();
  RegisterDebugCommand(&TheTweakCommand());
  mFrameStopwatch.SetMode(1);
  mFrameStopwatch.Start();
  return 0;
}

uint32_t CGameApp::ProcessCommandLine() {
  gGameSwitches = GameSwitches();
  for (const std::string& name : FindCommandLineSwitches(gCommandLine)) ProcessSwitch(name);
  return 0;
}

void CGameApp::ProcessSwitch(const std::string& name) {
  if (name == "w") {
    mWindowedSwitch = 1;
  } else if (name == "f") {
    mWindowedSwitch = 0;
  } else if (name == "d") {
    mDebugConsoleSwitch = 1;
  } else if (name == "l") {
    ChooseLanguage(FindCommandLineSwitchWord(gCommandLine, "l"));
  } else if (name.size() == 1 && name[0] >= '1' && name[0] <= '4') {
    gGameSwitches.difficulty = name[0] - '0';
  } else if (name == "t") {
    gGameSwitches.tourStart = 1;
  } else if (name == "a") {
    gGameSwitches.fogOff = 1;
  } else if (name == "c") {
    gGameSwitches.radar3D = 1;
  } else if (name == "p") {
    gGameSwitches.autopilot = 1;
  } else if (name[0] == 'k') {
    gGameSwitches.cheatPhrase = FindCommandLineSwitchRest(gCommandLine, 'k');
  } else {
    DebugPrintf("Unknown command-line switch \"%s\".\n", name.c_str());
  }
}

void CGameApp::AddDebugKeyBindings() {
  using namespace platform;
  constexpr int32_t kControlAlt = kModifierControl | kModifierAlt;
  mCommandMap.Bindings() = {
      {kKeyboardDevice, kCommandToggleFullScreen, VK_RETURN, kModifierAlt, 0, 0},
      {kKeyboardDevice, kCommandPaletteView, 'P', kControlAlt, 0, 0},
      {kKeyboardDevice, kCommandScreenshot, VK_SNAPSHOT, 0, 0, 0},
      {kKeyboardDevice, kCommandStatistics, 'S', kControlAlt, 0, 0},
      {kKeyboardDevice, kCommandSystemReport, 'V', kModifierControl, 0, 0},
  };
  mCommandMap.RebuildTables();
}

void CGameApp::LoadFlightBindings() {
  bool fromFile = mCockpitScreen.LoadBindings() == CockpitScreen::BindingSource::kFile;
  DebugPrintf("Key bindings: %zu, with the player's from %s.\n", mCockpitScreen.mCommandMap.Bindings().size(),
              fromFile ? kKeyBindingFileName : "the built-in defaults");
}

// Any language of the table may be chosen by name, even one without texts of its own.
void CGameApp::ChooseLanguage(const std::string& name) {
  int32_t language = 0;
  if (!FindLanguageByName(name, language) || language > kLanguageCount || !IsLanguageAvailable(language)) {
    DebugPrintf("Unknown language \"%s\" on the command line; the language stays as it was.\n", name.c_str());
    return;
  }
  mLanguage = language;
}

void CGameApp::SetLanguage() { SetCurrentLanguage(mLanguage); }

// Every text comes from the table, the error reports' included; without it they show
// their marked fallbacks.
void CGameApp::LoadStringTable() {
  std::string path = StringTablePath();
  if (!gStringTable.Load(path)) DebugPrintf("The string table \"%s\" could not be read.\n", path.c_str());
  SetErrorTextLookup(FindString);
}

int32_t CGameApp::IsDesktopModeUsable() const {
  return mDesktopMode.width > 640 && mDesktopMode.height > 480 && mDesktopMode.bitsPerPixel == 8;
}

// A window needs room around the picture on the desktop; otherwise the game runs full screen.
void CGameApp::ChooseDisplayConfiguration() {
  mWindowed = mWindowedSwitch;
  if (!IsDesktopModeUsable()) mWindowed = 0;
  mCurrentMode = mWindowed ? mWindowedMode : mFullScreenMode;
}

uint32_t CGameApp::PrepareGame() {
  const DisplayRecord& size = mWindowed ? mWindowedMode : mFullScreenMode;
  uint32_t styleFlags = mWindowed ? kWindowedStyleFlags : kFullScreenStyleFlags;
  mpMainWindow = CreateMainWindow(size.width, size.height, styleFlags, kGameTitle);
  if (!mpMainWindow || mpMainWindow->mWindow == platform::kNoWindow) {
    DebugPrintf("Window creation failed.\n");
    SaveDebugLogFile();
    return kErrorFailure;
  }
  // Full screen takes the whole desktop, keeping its mode.
  if (!mWindowed) platform::SetWindowFullScreen(mpMainWindow->mWindow, true);
  if (PrepareDisplay() != 0) return kErrorFailure;
  mpMainWindow->Prepare();
  PrepareSound();
  mpGameCommander = std::make_unique<GameCommander>();
  mpGameCommander->SetApplication(this);
  mpMainWindow->SetComander(mpGameCommander.get());
  StartLiveTuning();
  // The game's road from start-up begins with the intro.
  EnterMode(kModeIntroStart);
  return 0;
}

uint32_t CGameApp::PrepareDisplay() {
  const uint32_t enabled = DDEnable();
  if (enabled != 0) {
    ReportDirectDrawError(enabled, "Error in CGameApp::PrepareGame() after DDEnable()");
    return kErrorFailure;
  }
  const uint32_t level = mWindowed ? platform::kCooperativeNormal
                                   : platform::kCooperativeExclusive | platform::kCooperativeFullScreen;
  const uint32_t result = lpDD->SetCooperativeLevel(mpMainWindow->mWindow, level);
  if (result != 0) {
    ReportDirectDrawError(result, "Error in CGameApp::PrepareGame() after SetCooperativeLevel()");
    return kErrorFailure;
  }
  if (!mWindowed) SetDisplayMode();
  if (!CreateScreenBuffer()) {
    DebugPrintf("Error in CGameApp::PrepareGame() after CreateScreenBuffer()\n");
    return kErrorFailure;
  }
  return 0;
}

// The registered tuning message re-reads every tuning section; SIGUSR1 and the console's
// "tweak" command send the same message.
void CGameApp::StartLiveTuning() {
  mpMainWindow->SetLiveTuning(TweakMessageId(), TweakLiveReload);
  platform::RouteUserSignal(mpMainWindow->mWindow, TweakMessageId());
}

void CGameApp::LoadPreferences() {
  std::string readPath, writePath;
  if (!gDataPaths.GetPathString(kDataSettings, 0, kPrefsFileName, readPath) ||
      !gDataPaths.GetWritePathString(kPrefsFileName, writePath))
    return;
  PrefsFile::LoadResult result = mPrefs.Load(readPath);
  mPrefsChangesAtLoad = mPrefs.ChangeCount();
  if (result != PrefsFile::LoadResult::kDamaged) {
    mPrefsSaving = PrefsSaving::kAlways;
    return;
  }
  // The unreadable file is kept; what the player sets from now on is saved in its place.
  bool inTheWay = readPath == writePath;
  mPrefsSaving = !inTheWay || KeepDamagedFileAside(readPath) ? PrefsSaving::kWhenChanged : PrefsSaving::kNever;
}

// Only preferences that were read whole, or found missing, are written back as they are: a
// game that ended before reading them, or could not read them, must not replace the
// player's file with an empty one.
void CGameApp::SavePreferences() {
  if (mPrefsSaving == PrefsSaving::kNotRead || mPrefsSaving == PrefsSaving::kNever) return;
  if (mPrefsSaving == PrefsSaving::kWhenChanged && mPrefs.ChangeCount() == mPrefsChangesAtLoad) return;
  std::string path;
  if (!gDataPaths.GetWritePathString(kPrefsFileName, path)) return;
  if (!mPrefs.Save(path)) DebugPrintf("The preferences could not be saved to \"%s\".\n", path.c_str());
}

uint32_t CGameApp::RunFrame() {
  ++gFrameCounter;
  uint32_t elapsed = mFrameStopwatch.Elapsed();
  if (elapsed >= 1000) {
    mFrameRate = static_cast<float>(gFrameCounter) * 1000.0f / static_cast<float>(elapsed);
    gFrameCounter = 0;
    mFrameStopwatch.Restart();
  }
  if (TweakReloadPending()) TweakLiveReload();
  if (mActive) {
    IdleUpdate(elapsed);
    RunMode();
    if (mRedraw && mpMainWindow) mpMainWindow->Redraw();
  }
  if (gLockCount != 0) DebugPrintf("Surface lock count: %ld", static_cast<long>(gLockCount));
  return 0;
}

void CGameApp::IdleUpdate(uint32_t elapsedMs) {
  if (elapsedMs > kRadioUpdateAfterMs) ServiceMusic();
  if (CurrentMode() != kModeFlight) return;
  for (int32_t slot = 0; slot < gJoystickManager.Count(); ++slot) gJoystickManager.Poll(slot);
}

void CGameApp::InitJoysticks() {
  gJoystickManager.Enumerate();
  gJoystickManager.SetRange(-100, 100);
  gJoystickManager.SetDeadZone(20);
}

int32_t CGameApp::CheckJoysticksChanged() {
  std::vector<std::string> present;
  for (int32_t slot = 0; slot < gJoystickManager.Count(); ++slot) {
    std::string name;
    gJoystickManager.GetDeviceName(slot, name);
    present.push_back(name);
  }
  std::vector<std::string> kept;
  const void* record = mPrefs.GetData(kJoystickSetRecordId);
  bool readable = !record || DecodeJoystickSet(record, mPrefs.GetSize(kJoystickSetRecordId), kept);
  std::vector<uint8_t> bytes = EncodeJoystickSet(present);
  mPrefs.SetData(kJoystickSetRecordId, bytes.data(), static_cast<uint32_t>(bytes.size()));
  return !readable || kept != present ? 1 : 0;
}

uint32_t CGameApp::FinishGame() {
  platform::RouteUserSignal(platform::kNoWindow, 0);
  ReleaseScreenPalette();
  DestroyPaletteView();
  DestroyScreenBuffer();
  if (!mWindowed && lpDD && mpMainWindow) {
    RestoreDisplayMode();
    const uint32_t result = lpDD->SetCooperativeLevel(mpMainWindow->mWindow, platform::kCooperativeNormal);
    if (result != 0) ReportDirectDrawError(result, "Error in CGameApp::FinishGame() after lpDD->SetCooperativeLevel()");
  }
  delete mpMainWindow;
  mpMainWindow = nullptr;
  delete[] mpPalette;
  mpPalette = nullptr;
  DDDisable();
  return 0;
}

int32_t CGameApp::CurrentMode() const { return mModeStack.empty() ? kModeStartup : mModeStack.back(); }

uint32_t CGameApp::RunMode() {
  switch (CurrentMode()) {
    case kModeQuit:
      mQuitFlag = 1;
      DestroyScreens();
      platform::PostQuitMessage(0);
      break;
    case kModeIntroStart: StartIntro(); break;
    case kModeIntro: StepIntro(); break;
    // The full-screen window modes are drawn through their windows, and so are the boxes
    // over the main menu and over flight.
    case kModeMainMenu:
    case kModeFlight:
    case kModeHangar:
    case kModeCatalog:
    case kModeMissionLog:
    case kModeInventory: mWindowManager.DrawWindows(); break;
    default: break;
  }
  DrawPaletteView();
  return 0;
}

void CGameApp::StartIntro() {
  std::string path;
  if (gDataPaths.GetPathString(kDataVideo, 0, "intro.smk", path) && platform::RegularFileExists(path)) {
    mpIntroVideo = std::make_unique<SmackerPlayer>(path.c_str(), kIntroWidth, kIntroHeight);
    mpIntroVideo->SetWindow(mpMainWindow);
    mpIntroVideo->Open(nullptr, kVideoOpenFlags, kVideoExtraValue);
  }
  LeaveMode(kModeIntroStart);
  EnterMode(kModeIntro);
  StepIntro();
}

void CGameApp::StepIntro() {
  if (mpIntroVideo && mpIntroVideo->DrawToWindow() == 0) return;
  LeaveMode(kModeIntro);
  EnterMode(kModeMainMenu);
}

void CGameApp::ClearScreen() {
  if (mpScreenBuffer) mpScreenBuffer->ClearSurfaces(0);
}

// Codes 0, 2 and 3 draw nothing through the windows; every other mode has them redrawn.
int32_t CGameApp::EnterMode(int32_t mode) {
  switch (mode) {
    case kModeStartup:
    case kModeIntroStart:
    case kModeIntro:
      mRedraw = 0;
      break;
    case kModeQuit:
    case kModeMainMenu:
    case kModeFlight:
      mRedraw = 1;
      break;
    default: return 0;
  }
  // Flight is entered with only its music so far: the rest of its screen is still to come.
  if (mode == kModeFlight && gRadio.mEnabled) gRadio.SetPlaying(1);
  mModeStack.push_back(mode);
  if (mode == kModeQuit) mQuitFlag = 0;
  return 1;
}

int32_t CGameApp::LeaveMode(int32_t mode) {
  if (mode == kModeIntro) {
    if (mpIntroVideo) mpIntroVideo->Stop();
    mpIntroVideo.reset();
    ClearScreen();
  }
  for (auto entry = mModeStack.rbegin(); entry != mModeStack.rend(); ++entry) {
    if (*entry != mode) continue;
    // Only flight has effects and the radio of its own; menus and screens keep theirs playing.
    if (mode == kModeFlight) {
      gRadio.SetPlaying(0);
      StopAllSoundEffects();
    }
    mModeStack.erase(std::next(entry).base());
    return 1;
  }
  return 0;
}

ScreenHolder* CGameApp::HolderForMode(int32_t mode) {
  switch (mode) {
    case kModeFlight: return &mCockpitScreen;
    case kModeHangar: return &mHangarScreen;
    case kModeCatalog: return &mCatalogScreen;
    case kModeMissionLog: return &mMissionLogScreen;
    case kModeInventory: return &mInventoryScreen;
    default: return nullptr;
  }
}

uint8_t CGameApp::GetCommandState(int32_t commandId) const { return mCockpitScreen.mCommandMap.GetState(commandId); }

int32_t CGameApp::GetCommandAmount(int32_t commandId) const { return mCockpitScreen.mCommandMap.GetValue(commandId); }

void CGameApp::ClearCommandStates() {
  if (ScreenHolder* holder = HolderForMode(CurrentMode())) holder->mCommandMap.ClearStates();
}

void CGameApp::ExecuteCommand(int32_t command) { mCommandTable.Execute(command); }

int32_t CGameApp::DoCommand(GraphicWindow* sender, int32_t senderId, int32_t code, intptr_t value) {
  return OnWindowCommand(sender, senderId, code, value);
}

int32_t CGameApp::OnKeyDown(uint32_t key, uint32_t modifiers) {
  int32_t command = 0, singlePress = 0;
  GameCommander::KeyDownToCommand(key, mCommandMap, &command, &singlePress);
  if (command != 0) {
    ExecuteCommand(command);
    return 0;
  }
  if (mWindowManager.OnKeyDown(key, modifiers)) return 0;
  if (CurrentMode() == kModeIntro) {
    // Esc skips the intro while it plays.
    if (key == platform::VK_ESCAPE && mpIntroVideo) {
      LeaveMode(kModeIntro);
      EnterMode(kModeMainMenu);
    }
    return 0;
  }
  ScreenHolder* holder = HolderForMode(CurrentMode());
  if (!holder) return 0;
  GameCommander::KeyDownToCommand(key, holder->mCommandMap, &command, &singlePress);
  if (command != 0) ExecuteCommand(command);
  return 0;
}

int32_t CGameApp::OnKeyUp(uint32_t key, uint32_t modifiers) {
  if (mWindowManager.OnKeyUp(key, modifiers)) return 0;
  if (ScreenHolder* holder = HolderForMode(CurrentMode())) GameCommander::KeyUpToCommand(key, holder->mCommandMap);
  return 0;
}

int32_t CGameApp::OnCharacter(uint32_t code) { return mWindowManager.OnChar(code); }

int32_t CGameApp::OnMouseDown(int32_t x, int32_t y, int32_t button) { return mWindowManager.OnMouseDown(x, y, button); }

int32_t CGameApp::OnMouseUp(int32_t x, int32_t y, int32_t button) { return mWindowManager.OnMouseUp(x, y, button); }

int32_t CGameApp::OnMouseMove(int32_t x, int32_t y) { return mWindowManager.OnMouseMove(x, y); }
