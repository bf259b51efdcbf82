#include "Drovane/DirectDrawObject.h"
#include "Drovane/MainWindow.h"
#include "Drovane/ScreenBuffer.h"
#include "shell/GameApp.h"

// The application's display operations: the screen buffer and the display mode.

int32_t CGameApp::CreateScreenBuffer() {
  if (!mpMainWindow) return 0;
  int32_t width = 0;
  int32_t height = 0;
  mpMainWindow->GetClientSize(&width, &height);
  mpScreenBuffer = new ScreenBuffer(mpMainWindow, width, height, mpPalette, mBackBufferCount, mWindowed, 0);
  mpMainWindow->SetBackBuffer(mpScreenBuffer);
  mpMainWindow->UpdateScreenRects();
  return mpScreenBuffer->mValid ? 1 : 0;
}

int32_t CGameApp::DestroyScreenBuffer() {
  if (!mpScreenBuffer) return 1;
  if (mpMainWindow) mpMainWindow->SetBackBuffer(nullptr);
  mpScreenBuffer->ReleaseSurfaces();
  delete mpScreenBuffer;
  mpScreenBuffer = nullptr;
  return 1;
}

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
