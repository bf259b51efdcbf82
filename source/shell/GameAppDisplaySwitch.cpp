#include "Drovane/DirectDrawObject.h"
#include "Drovane/ErrorReport.h"
#include "Drovane/MainWindow.h"
#include "Drovane/ScreenBuffer.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "platform/DisplayDevice.h"
#include "shell/GameApp.h"

// The switch between full screen and a window. The picture keeps its size in both modes;
// the surfaces, the buffers made on them, the windows' images and the palette are dropped
// and made again around the change of the display's cooperative level.

int32_t CGameApp::IsFullScreenModeUsable() const { return 1; }

int32_t CGameApp::ToggleScreenMode() { return mWindowed == 0 ? SwitchToWindowedMode() : SwitchToFullScreenMode(); }

int32_t CGameApp::SwitchToWindowedMode() {
  if (mSwitching) return 0;
  if (mWindowed == 1) return 1;
  if (!IsDesktopModeUsable()) return 0;
  return SwitchDisplay(1);
}

int32_t CGameApp::SwitchToFullScreenMode() {
  if (mSwitching) return 0;
  if (mWindowed == 0) return 1;
  if (!IsFullScreenModeUsable()) return 0;
  return SwitchDisplay(0);
}

// A refused cooperative level would leave nothing shown and every later switch refused:
// the mode there was comes back instead, and the switch answers 0.
int32_t CGameApp::SwitchDisplay(int32_t windowed) {
  mSwitching = 1;
  ReleaseDisplay();
  const int32_t previous = mWindowed;
  mWindowed = windowed;
  const uint32_t result = SetCooperativeLevelFor(windowed);
  if (result != 0) {
    ReportDirectDrawError(result, windowed ? "Error in CGameApp::SwitchToWindowedMode() after SetCooperativeLevel()"
                                           : "Error in CGameApp::SwitchToFullScreenMode() after lpDD->SetCooperativeLevel()");
    mWindowed = previous;
    const uint32_t restored = SetCooperativeLevelFor(previous);
    if (restored != 0) ReportDirectDrawError(restored, "Error in CGameApp::SwitchDisplay() after restoring SetCooperativeLevel()");
  }
  RebuildDisplay();
  mSwitching = 0;
  return result == 0 ? 1 : 0;
}

void CGameApp::ReleaseDisplay() {
  ReleaseScreenPalette();
  if (mpMainWindow) {
    if (mWindowed) {
      mpMainWindow->WillSwitchToFullScreen();
    } else {
      mpMainWindow->WillSwitchToWindowed();
    }
  }
  if (mpRootWindow) mpRootWindow->DestroyImages();
  DestroyDisplayBuffers();
  if (mpScreenBuffer) mpScreenBuffer->ReleaseSurfaces();
}

// The display for mWindowed: its mode, the surfaces, the buffers, the images, the main
// window's style and the palette.
void CGameApp::RebuildDisplay() {
  if (mWindowed) {
    RestoreDisplayMode();
  } else {
    SetDisplayMode();
  }
  if (mpScreenBuffer) {
    mpScreenBuffer->SetWindowed(mWindowed);
    mpScreenBuffer->CreateSurfaces();
  }
  CreateDisplayBuffers();
  if (mpRootWindow) mpRootWindow->CreateImages();
  if (mpMainWindow) {
    if (mWindowed) {
      mpMainWindow->SetWindowedStyle();
    } else {
      mpMainWindow->SetFullScreenStyle();
    }
  }
  ReloadScreenPalette();
}

uint32_t CGameApp::SetCooperativeLevelFor(int32_t windowed) {
  if (!lpDD || !mpMainWindow) return 0;
  const uint32_t level =
      windowed ? platform::kCooperativeNormal : platform::kCooperativeExclusive | platform::kCooperativeFullScreen;
  return lpDD->SetCooperativeLevel(mpMainWindow->mWindow, level);
}
