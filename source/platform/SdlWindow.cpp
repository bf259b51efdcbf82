#include <SDL.h>

#include <map>

#include "platform/Display.h"
#include "platform/NativeWindow.h"
#include "platform/PictureConversion.h"
#include "platform/PictureMapping.h"
#include "platform/SdlEventTranslator.h"

namespace platform {
namespace {

class SdlWindow;

// SDL's window ids to our windows, for routing events. Never destroyed: a window still open at exit
// is closed by the window table's own teardown, which may run after this file's statics are gone.
std::map<uint32_t, SdlWindow*>& WindowsById() {
  static auto* windows = new std::map<uint32_t, SdlWindow*>;
  return *windows;
}
SdlEventTranslator gTranslator;

// A window on the display. Until the game presents pictures into it, it shows the black
// of an empty screen; after that the last picture, also when it is uncovered or moved.
class SdlWindow : public NativeWindow {
public:
  SdlWindow(WindowHandle handle, SDL_Window* window, const Rect& bounds)
      : mHandle(handle), mWindow(window), mPicture{bounds.Width(), bounds.Height()} {
    // With vertical sync a presenting frame waits for the display, which paces the game.
    mRenderer = SDL_CreateRenderer(mWindow, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!mRenderer) mRenderer = SDL_CreateRenderer(mWindow, -1, 0);
    WindowsById()[SDL_GetWindowID(mWindow)] = this;
  }
  ~SdlWindow() override {
    WindowsById().erase(SDL_GetWindowID(mWindow));
    if (mTexture) SDL_DestroyTexture(mTexture);
    if (mRenderer) SDL_DestroyRenderer(mRenderer);
    SDL_DestroyWindow(mWindow);
  }

  void Show() override {
    SDL_ShowWindow(mWindow);
    Redisplay();
  }
  void Raise() override { SDL_RaiseWindow(mWindow); }
  void SetBounds(const Rect& bounds) override {
    mPicture = {bounds.Width(), bounds.Height()};
    SDL_SetWindowPosition(mWindow, bounds.left, bounds.top);
    SDL_SetWindowSize(mWindow, bounds.Width(), bounds.Height());
  }
  Point Position() const override {
    Point position;
    SDL_GetWindowPosition(mWindow, &position.x, &position.y);
    return position;
  }
  Point PixelSize() const override {
    Point size;
    SDL_GetWindowSize(mWindow, &size.x, &size.y);
    return size;
  }
  void SetFrame(bool decorated, bool resizable) override {
    SDL_SetWindowBordered(mWindow, decorated ? SDL_TRUE : SDL_FALSE);
    SDL_SetWindowResizable(mWindow, resizable ? SDL_TRUE : SDL_FALSE);
  }
  void SetSizeLimits(Point minimum, Point maximum) override {
    SDL_SetWindowMinimumSize(mWindow, std::max(minimum.x, 1), std::max(minimum.y, 1));
    SDL_SetWindowMaximumSize(mWindow, std::max(maximum.x, 1), std::max(maximum.y, 1));
  }
  void SetFullScreen(bool fullScreen) override {
    SDL_SetWindowFullscreen(mWindow, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    Redisplay();
  }
  // Not every video driver can capture; without it the drag ends at the window's edge.
  void CaptureMouse(bool capture) override { SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE); }

  void Present(const WindowPicture& picture) override {
    if (!mRenderer || !MakeTexture(picture.size)) return;
    void* texels = nullptr;
    int texturePitch = 0;
    if (SDL_LockTexture(mTexture, nullptr, &texels, &texturePitch) != 0) return;
    ConvertPicture(picture.pixels.data(), picture.size.x, picture.size.x, picture.size.y, ToArgb(picture.colours),
                   static_cast<uint32_t*>(texels), texturePitch);
    SDL_UnlockTexture(mTexture);
    Redisplay();
  }

  // The last picture letterboxed in black, or black alone before the first.
  void Redisplay() {
    if (!mRenderer) return;
    SDL_SetRenderDrawColor(mRenderer, 0, 0, 0, 255);
    SDL_RenderClear(mRenderer);
    if (mTexture) {
      int width = 0, height = 0;
      SDL_GetRendererOutputSize(mRenderer, &width, &height);
      const PictureFit fit = FitPicture({width, height}, mTextureSize);
      const SDL_Rect place{fit.left, fit.top, fit.width, fit.height};
      SDL_RenderCopy(mRenderer, mTexture, nullptr, &place);
    }
    SDL_RenderPresent(mRenderer);
  }
  TranslationTarget Target() const { return {mHandle, mPicture, PixelSize()}; }

private:
  bool MakeTexture(Point size) {
    if (mTexture && size == mTextureSize) return true;
    if (mTexture) SDL_DestroyTexture(mTexture);
    mTexture = SDL_CreateTexture(mRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, size.x, size.y);
    mTextureSize = size;
    return mTexture != nullptr;
  }

  WindowHandle mHandle;
  SDL_Window* mWindow;
  SDL_Renderer* mRenderer = nullptr;
  SDL_Texture* mTexture = nullptr;
  Point mTextureSize;
  Point mPicture;
};

// The window an event is for: the one it names, else the only one there is.
SdlWindow* EventWindow(const SDL_Event& event) {
  uint32_t id = 0;
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: id = event.key.windowID; break;
    case SDL_TEXTINPUT: id = event.text.windowID; break;
    case SDL_MOUSEMOTION: id = event.motion.windowID; break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: id = event.button.windowID; break;
    case SDL_WINDOWEVENT: id = event.window.windowID; break;
    default: return nullptr;
  }
  auto found = WindowsById().find(id);
  if (found != WindowsById().end()) return found->second;
  return WindowsById().size() == 1 ? WindowsById().begin()->second : nullptr;
}

}  // namespace

std::unique_ptr<NativeWindow> CreateNativeWindow(WindowHandle window, const std::string& title,
                                                 const Rect& bounds, bool decorated, bool resizable) {
  if (!InitializeVideo()) return CreateHeadlessWindow(bounds);
  uint32_t flags = SDL_WINDOW_HIDDEN;
  if (!decorated) flags |= SDL_WINDOW_BORDERLESS;
  if (resizable) flags |= SDL_WINDOW_RESIZABLE;
  SDL_Window* sdlWindow =
      SDL_CreateWindow(title.c_str(), bounds.left, bounds.top, bounds.Width(), bounds.Height(), flags);
  if (!sdlWindow) return nullptr;
  SDL_StartTextInput();
  return std::make_unique<SdlWindow>(window, sdlWindow, bounds);
}

void PumpNativeEvents(std::vector<Message>& messages) {
  if (WindowsById().empty()) return;
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    SdlWindow* window = EventWindow(event);
    if (!window) continue;
    if (event.type == SDL_WINDOWEVENT &&
        (event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED))
      window->Redisplay();
    gTranslator.Translate(event, window->Target(), messages);
  }
}

}  // namespace platform
