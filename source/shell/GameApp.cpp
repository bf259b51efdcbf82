#include "shell/GameApp.h"

#include "Drovane/Arena.h"
#include "Drovane/DataPaths.h"
#include "Drovane/DebugConsole.h"
#include "Drovane/DebugLog.h"
#include "Drovane/ErrorReport.h"
#include "Drovane/MainWindow.h"
#include "Drovane/ProgramEntry.h"
#include "pel3d/draw/DrawSettings.h"
#include "platform/Display.h"
#include "platform/MessageQueue.h"
#include "platform/Process.h"
#include "platform/UserSignal.h"
#include "platform/Window.h"
#include "platform/WrittenFiles.h"
#include "game/P3Tweak.h"
#include "shell/CommandLineSwitches.h"
#include "shell/GameCommander.h"
#include "shell/TweakCommand.h"

CGameApp* gpGameApp = nullptr;
uint32_t gFrameCounter = 0;
std::string gInstallDirectory;

namespace {

constexpr size_t kMaxPathLength = 260;
constexpr uint32_t kFullScreenStyleFlags = 0;
constexpr uint32_t kWindowedStyleFlags = 0x1B;

// The console's log as "debug.txt" in the written-files folder, for a start that failed.
void SaveDebugLogFile() {
  std::string path;
  if (gDataPaths.GetPathString(kDataSettings, 0, "debug.txt", path)) SaveDebugLog(path);
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
  platform::DesktopMode desktop = platform::GetDesktopMode();
  mDesktopMode = {desktop.width, desktop.height, desktop.bitsPerPixel};
  mCurrentMode = mWindowed ? mWindowedMode : mFullScreenMode;
  EnterMode(kModeStartup);
}

CGameApp::~CGameApp() {
  platform::RouteUserSignal(platform::kNoWindow, 0);
  delete mpMainWindow;
  mpMainWindow = nullptr;
  SavePreferences();
  SetPrefsFile(nullptr);
  DestroyApplicationArenas();
  UnregisterDebugCommand(&TheTweakCommand());
  DestroyDebugConsole();
  gInstallDirectory.clear();
  if (gpGameApp == this) gpGameApp = nullptr;
}

uint32_t CGameApp::Startup() {
  std::string modulePath = platform::GetModuleFileName();
  gInstallDirectory = InstallDirectoryFromModulePath(modulePath);
  CreateDebugConsole(kGameTitle);
  DebugPrintf("Halvorine Startup...\n\n");
  if (gInstallDirectory.empty()) DebugPrintf("No install directory in the program's path \"%s\".\n", modulePath.c_str());
  gDataPaths.SetRoots(gInstallDirectory, platform::SecondDataRoot());
  LoadPreferences();
  ProcessCommandLine();
  if (mDebugConsoleSwitch) {
    gpDebugConsole->Show();
  } else {
    gpDebugConsole->Hide();
  }
  ChooseDisplayConfiguration();
  SetObjectTextures(mOptionWords[0]);
  SetTerrainTextures(mOptionWords[1]);
  CreateApplicationArenas();
  TweakRegisterMessage();
  RegisterDebugCommand(&TheTweakCommand());
  mFrameStopwatch.SetMode(1);
  mFrameStopwatch.Start();
  return 0;
}

uint32_t CGameApp::ProcessCommandLine() {
  for (const std::string& name : FindCommandLineSwitches(gCommandLine)) {
    if (name == "w") {
      mWindowedSwitch = 1;
    } else if (name == "d") {
      mDebugConsoleSwitch = 1;
    } else {
      DebugPrintf("Unknown command-line switch \"%s\".\n", name.c_str());
    }
  }
  return 0;
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
  mpGameCommander = std::make_unique<GameCommander>();
  mpGameCommander->SetApplication(this);
  mpMainWindow->SetComander(mpGameCommander.get());
  StartLiveTuning();
  return 0;
}

// The registered tuning message re-reads every tuning section; SIGUSR1 and the console's
// "tweak" command send the same message.
void CGameApp::StartLiveTuning() {
  mpMainWindow->SetLiveTuning(TweakMessageId(), TweakLiveReload);
  platform::RouteUserSignal(mpMainWindow->mWindow, TweakMessageId());
}

void CGameApp::LoadPreferences() {
  std::string path;
  if (!gDataPaths.GetPathString(kDataSettings, 0, kPrefsFileName, path)) return;
  mPrefs.Load(path);
  mPrefsLoaded = true;
}

// Only preferences that were read are written back: a game that ended before reading them
// must not replace the player's file with an empty one.
void CGameApp::SavePreferences() {
  std::string path;
  if (!mPrefsLoaded || !gDataPaths.GetPathString(kDataSettings, 0, kPrefsFileName, path)) return;
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
  if (mActive) RunMode();
  return 0;
}

uint32_t CGameApp::FinishGame() {
  delete mpMainWindow;
  mpMainWindow = nullptr;
  delete[] mpPalette;
  mpPalette = nullptr;
  return 0;
}

int32_t CGameApp::CurrentMode() const { return mModeStack.empty() ? kModeStartup : mModeStack.back(); }

uint32_t CGameApp::RunMode() {
  if (CurrentMode() == kModeQuit) {
    mQuitFlag = 1;
    platform::PostQuitMessage(0);
  }
  return 0;
}

int32_t CGameApp::EnterMode(int32_t mode) {
  if (mode != kModeStartup && mode != kModeQuit) return 0;
  mRedraw = mode == kModeStartup ? 0 : 1;
  mModeStack.push_back(mode);
  if (mode == kModeQuit) mQuitFlag = 0;
  return 1;
}

int32_t CGameApp::LeaveMode(int32_t mode) {
  for (auto entry = mModeStack.rbegin(); entry != mModeStack.rend(); ++entry) {
    if (*entry != mode) continue;
    mModeStack.erase(std::next(entry).base());
    return 1;
  }
  return 0;
}

void CGameApp::ShowQuitPrompt() { platform::PostQuitMessage(0); }

int32_t CGameApp::OnKeyDown(uint32_t, uint32_t) { return 0; }
int32_t CGameApp::OnKeyUp(uint32_t, uint32_t) { return 0; }
int32_t CGameApp::OnCharacter(uint32_t) { return 0; }
int32_t CGameApp::OnMouseDown(int32_t, int32_t, int32_t) { return 0; }
int32_t CGameApp::OnMouseUp(int32_t, int32_t, int32_t) { return 0; }
int32_t CGameApp::OnMouseMove(int32_t, int32_t) { return 0; }
