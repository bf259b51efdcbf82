#include "platform/Display.h"
#include "platform/NativeWindow.h"

namespace platform {
namespace {

// A window without a display: it keeps its place and size, and full screen takes the
// desktop's size, so coordinates behave as they do on a display.
class HeadlessWindow : public NativeWindow {
public:
  explicit HeadlessWindow(const Rect& bounds) : mBounds(bounds) {}

  void Show() override {}
  void Hide() override {}
  void Raise() override {}
  void SetBounds(const Rect& bounds) override { mBounds = bounds; }
  Point Position() const override { return mFullScreen ? Point{0, 0} : Point{mBounds.left, mBounds.top}; }
  Point PixelSize() const override {
    if (!mFullScreen) return {mBounds.Width(), mBounds.Height()};
    DesktopMode desktop = GetDesktopMode();
    return {desktop.width, desktop.height};
  }
  void SetFrame(bool, bool) override {}
  void SetSizeLimits(Point, Point) override {}
  void SetFullScreen(bool fullScreen) override { mFullScreen = fullScreen; }
  void CaptureMouse(bool) override {}
  // The window layer keeps the picture; there is nothing to show it on.
  void Present(const WindowPicture&) override {}

private:
  Rect mBounds;
  bool mFullScreen = false;
};

}  // namespace

std::unique_ptr<NativeWindow> CreateHeadlessWindow(const Rect& bounds) {
  return std::make_unique<HeadlessWindow>(bounds);
}

}  // namespace platform
