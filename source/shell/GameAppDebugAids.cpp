#include "Drovane/PaletteViewBuffer.h"
#include "Drovane/ScreenBuffer.h"
#include "Drovane/Screenshot.h"
#include "pel3d/math/ViewFrameBuffer.h"
#include "shell/GameApp.h"

// The application's debugging aids: the palette view and the screenshot of the 3D view.

namespace {

constexpr int32_t kPaletteViewX = 10;
constexpr int32_t kPaletteViewY = 10;

// The 3D view's frame as its display-size mode lays it out.
ScreenshotFrame ViewFrame() {
  const ViewFrameBuffer& view = gViewFrameBuffer;
  if (view.displayMode == kViewModeFullSize) return {view.pixels, view.fullWidth, view.fullHeight, view.fullPitch};
  return {view.pixels, view.renderWidth, view.renderHeight, view.renderPitch};
}

}  // namespace

void CGameApp::AddDebugCommandRows() {
  mCommandTable.SetRow(kCommandPaletteView, [this] { TogglePaletteView(); });
  mCommandTable.SetRow(kCommandScreenshot, [] { SaveScreenshot(); });
}

// The engine's frame pointer outlives the buffers it points at once flight is left or the
// display is switched, so outside flight there is no frame.
void CGameApp::ProvideScreenshotFrame() {
  SetScreenshotFrameProvider([this]() -> ScreenshotFrame {
    if (CurrentMode() != kModeFlight) return {};
    return ViewFrame();
  });
}

void CGameApp::CreatePaletteView() {
  if (!mpPaletteView) mpPaletteView = std::make_unique<PaletteViewBuffer>();
}

void CGameApp::TogglePaletteView() {
  mPaletteViewOn = !mPaletteViewOn;
  if (mPaletteViewOn) CreatePaletteView();
}

void CGameApp::DestroyPaletteView() { mpPaletteView.reset(); }

void CGameApp::DrawPaletteView() {
  if (!mPaletteViewOn || !mpPaletteView || !mpScreenBuffer) return;
  mpPaletteView->Compose(mpScreenBuffer, kPaletteViewX, kPaletteViewY, 0, 0, 0, 0);
}
