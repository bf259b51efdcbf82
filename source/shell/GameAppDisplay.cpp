#include "Drovane/DebugLog.h"
#include "Drovane/DirectDrawObject.h"
#include "Drovane/MainWindow.h"
#include "Drovane/ScreenBuffer.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/DisplayResolution.h"
#include "shell/GameApp.h"

// The application's display operations: the screen buffer, the root window over it, the
// display buffers and the display mode.

namespace {

constexpr int32_t kTextStripWidth = 640;
constexpr int32_t kTextStripHeight = 48;

// Every window is gone once the screen is: any still there (one left out of the tree) is
// reported and deleted with its descendants.
void DeleteWindowsLeft() {
  if (GraphicWindow::listValidWindows.empty()) return;
  DebugPrintf("Assertion failed: !GraphicWindow::listValidWindows.size(), %zu windows left.\n",
              GraphicWindow::listValidWindows.size());
  while (!GraphicWindow::listValidWindows.empty()) {
    GraphicWindow* top = GraphicWindow::listValidWindows.front();
    while (top->mpParent) top = top->mpParent;
    delete top;
  }
}

}  // namespace

int32_t CGameApp::CreateScreenBuffer() {
  if (!mpMainWindow) return 0;
  int32_t width = 0;
  int32_t height = 0;
  mpMainWindow->GetClientSize(&width, &height);
  mpScreenBuffer = new ScreenBuffer(mpMainWindow, width, height, mpPalette, mBackBufferCount, mWindowed, 0);
  mpMainWindow->SetBackBuffer(mpScreenBuffer);
  mpMainWindow->UpdateScreenRects();
  mpRootWindow = new ContainerWindow(RootRectForResolution(gResolution), 0, mpScreenBuffer, this, 1);
  theRootWindow = mpRootWindow;
  mWindowManager.SetRootWindow(mpRootWindow);
  CreateTextStrip();
  return mpScreenBuffer->mValid ? 1 : 0;
}

int32_t CGameApp::DestroyScreenBuffer() {
  DestroyTextStrip();
  if (mpRootWindow) {
    mWindowManager.DeleteWindow(mpRootWindow);
    mpRootWindow = nullptr;
  }
  // A root still waiting in a dispatch's queue is gone before the buffer it draws into.
  mWindowManager.FlushDeletedWindows();
  mWindowManager.SetRootWindow(nullptr);
  DeleteWindowsLeft();
  if (!mpScreenBuffer) return 1;
  if (mpMainWindow) mpMainWindow->SetBackBuffer(nullptr);
  mpScreenBuffer->ReleaseSurfaces();
  delete mpScreenBuffer;
  mpScreenBuffer = nullptr;
  return 1;
}

void CGameApp::CreateTextStrip() {
  if (!mpTextStrip) mpTextStrip = new CBackBuffer(kTextStripWidth, kTextStripHeight);
}

void CGameApp::DestroyTextStrip() {
  delete mpTextStrip;
  mpTextStrip = nullptr;
}

int32_t CGameApp::CreateDisplayBuffers() {
  if (mPaletteViewOn) CreatePaletteView();
  CreateTextStrip();
  return 1;
}

int32_t CGameApp::DestroyDisplayBuffers() {
  DestroyPaletteView();
  DestroyTextStrip();
  return 1;
}

// The screens' holders give their palettes back here once they are built; until then no
// mode has a palette of its own to reload.
void CGameApp::ReloadScreenPalette() {}

int32_t CGameApp::SetDisplayMode() {
  if (lpDD) lpDD->SetDisplayMode(mFullScreenMode.width, mFullScreenMode.height, mFullScreenMode.bitsPerPixel);
  return 1;
}

int32_t CGameApp::RestoreDisplayMode() {
  if (lpDD) lpDD->RestoreDisplayMode();
  return 1;
}

void CGameApp::ReleaseScreenPalette() {
  if (mpScreenBuffer) mpScreenBuffer->ReleasePalette();
}
