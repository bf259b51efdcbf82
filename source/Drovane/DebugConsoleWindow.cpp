#include <algorithm>

#include "Drovane/DebugConsole.h"
#include "platform/Display.h"
#include "platform/MessageQueue.h"
#include "platform/ScreenColours.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"

// The console's desktop window: the lines above an input line, a bar for the position.

using namespace platform;

namespace {

constexpr const char* kConsoleClass = "GUI DEBUG WINDOW";
constexpr uint32_t kConsoleStyle = WS_POPUP | WS_CAPTION | WS_THICKFRAME | 0x00200000;  // and a scroll bar
constexpr int32_t kGameWidth = 640;
constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kBlack = 0x00000000;
constexpr uint32_t kTrackColour = 0x00C0C0C0;
constexpr uint32_t kThumbColour = 0x00808080;
constexpr int32_t kPageLines = 10;
constexpr int32_t kInputMargin = 2;

int32_t LineHeight() { return std::max(DeviceContext(nullptr).LineHeight(), 1); }

}  // namespace

Rect ConsoleWindowBounds(int32_t desktopWidth, int32_t desktopHeight) {
  if (desktopWidth - kGameWidth < 1) return {540, 0, 640, desktopHeight};
  return {kGameWidth, 0, desktopWidth, desktopHeight};
}

intptr_t DebugConsoleWndProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  auto* console = static_cast<DebugConsole*>(GetWindowUserData(window));
  if (!console) return DefWindowProc(window, message, wParam, lParam);
  return console->WindowProc(message, wParam, lParam);
}

int DebugConsole::CreateConsoleWindow(const std::string& title) {
  if (mConsoleWindow != kNoWindow) return 0;
  RegisterWindowClass(kConsoleClass, DebugConsoleWndProc);
  const DesktopMode desktop = GetDesktopMode();
  const WindowHandle window =
      CreateWindow(kConsoleClass, title, kConsoleStyle, ConsoleWindowBounds(desktop.width, desktop.height));
  if (window == kNoWindow) return 0;
  mConsoleWindow = window;
  mTitle = title;
  SetWindowUserData(window, this);
  Layout();
  return 1;
}

intptr_t DebugConsole::WindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_SIZE: Layout(); return 0;
    case WM_CHAR: OnChar(static_cast<uint8_t>(wParam)); return 0;
    case WM_KEYDOWN: OnKeyDown(wParam); return 0;
    case WM_VSCROLL: Scroll(wParam & 0xFFFF, static_cast<int16_t>((wParam >> 16) & 0xFFFF)); return 0;
    case WM_CLOSE: Hide(); return 0;
    default: return DefWindowProc(mConsoleWindow, message, wParam, lParam);
  }
}

void DebugConsole::OnChar(uint8_t character) {
  if (character == '\r' || character == '\n') {
    TypeInput("\n");
  } else if (character == '\b') {
    if (!mInputText.empty()) mInputText.pop_back();
    Invalidate();
  } else if (character >= 0x20 && character != 0x7F && mInputText.size() < kMaxInputLine) {
    TypeInput(std::string(1, static_cast<char>(character)));
  }
}

void DebugConsole::OnKeyDown(uintptr_t key) {
  switch (key) {
    case VK_PRIOR: Scroll(SB_PAGEUP, 0); break;
    case VK_NEXT: Scroll(SB_PAGEDOWN, 0); break;
    case VK_UP: Scroll(SB_LINEUP, 0); break;
    case VK_DOWN: Scroll(SB_LINEDOWN, 0); break;
    default: break;
  }
}

void DebugConsole::Layout() {
  const Rect client = GetClientRect(mConsoleWindow);
  MakePicture(client.Width(), client.Height());
  UpdateScrollBars();
  Invalidate();
}

// A view that showed the newest lines keeps following them.
void DebugConsole::UpdateScrollBars() {
  if (mConsoleWindow == kNoWindow) return;
  const int32_t visible = (GetClientRect(mConsoleWindow).Height() - kInputHeight) / LineHeight();
  const int32_t maximum = std::max(static_cast<int32_t>(mLog.size()) - visible, 0);
  const bool following = mScrollPosition >= mScrollMaximum;
  mScrollMaximum = maximum;
  mScrollPosition = following ? maximum : std::min(mScrollPosition, maximum);
}

void DebugConsole::Scroll(uint32_t code, int32_t position) {
  int32_t next = mScrollPosition;
  switch (code) {
    case SB_LINEUP: next -= 1; break;
    case SB_LINEDOWN: next += 1; break;
    case SB_PAGEUP: next -= kPageLines; break;
    case SB_PAGEDOWN: next += kPageLines; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: next = position; break;
    default: break;
  }
  mScrollPosition = std::clamp(next, 0, mScrollMaximum);
  Invalidate();
}

void DebugConsole::Invalidate() {
  if (mConsoleWindow == kNoWindow || mPaintPending || !(GetWindowStyle(mConsoleWindow) & WS_VISIBLE)) return;
  mPaintPending = true;
  PostMessage(mConsoleWindow, WM_PAINT, 0, 0);
}

void DebugConsole::MakePicture(int32_t width, int32_t height) {
  int32_t oldWidth = 0, oldHeight = 0;
  if (mpPicture) mpPicture->GetSize(oldWidth, oldHeight);
  if (mpPicture && oldWidth == width && oldHeight == height) return;
  ReleasePicture();
  if (width > 0 && height > 0) mpPicture = new MemorySurface(width, height, kSurfaceOffscreenPlain | kSurfaceSystemMemory);
}

void DebugConsole::ReleasePicture() {
  if (mpPicture) mpPicture->Release();
  mpPicture = nullptr;
}

void DebugConsole::Paint() {
  mPaintPending = false;
  if (!mpPicture) return;
  int32_t width = 0, height = 0;
  mpPicture->GetSize(width, height);
  {
    DeviceContext context(mpPicture);
    if (!context.IsValid()) return;
    context.FillRect({0, 0, width, height}, kWhite);
    context.SetTextColor(kBlack);
    const int32_t lineHeight = LineHeight();
    const int32_t linesBottom = height - kInputHeight;
    for (size_t index = static_cast<size_t>(mScrollPosition), row = 0;
         index < mLog.size() && static_cast<int32_t>(row) * lineHeight < linesBottom; ++index, ++row) {
      context.TextOut(0, static_cast<int32_t>(row) * lineHeight, WithoutLineBreak(mLog[index]));
    }
    PaintBar(context, {width - kBarWidth, 0, width, linesBottom});
    PaintInput(context, {0, linesBottom, width, height});
  }
  const std::array<uint32_t, 256> screen = ShownScreenColours();
  std::array<Rgb, 256> colours{};
  for (size_t i = 0; i < colours.size(); ++i) {
    colours[i] = {static_cast<uint8_t>(screen[i] >> 16), static_cast<uint8_t>(screen[i] >> 8),
                  static_cast<uint8_t>(screen[i])};
  }
  PresentPicture(mConsoleWindow, mpPicture->Pixels(), mpPicture->Pitch(), {width, height}, colours);
}

// The track in light grey and the thumb in grey, at the scroll position within the range.
void DebugConsole::PaintBar(DeviceContext& context, const Rect& area) const {
  context.FillRect(area, kTrackColour);
  const int32_t track = area.Height();
  const int32_t thumb = std::max(track / (mScrollMaximum + 1), std::min(track, kBarWidth));
  const int32_t top =
      area.top + (mScrollMaximum > 0 ? static_cast<int32_t>(int64_t{track - thumb} * mScrollPosition / mScrollMaximum) : 0);
  context.FillRect({area.left, top, area.right, top + thumb}, kThumbColour);
}

// A rule along the top, then the typed text; a text too wide shows its end.
void DebugConsole::PaintInput(DeviceContext& context, const Rect& area) const {
  context.FillRect({area.left, area.top, area.right, area.top + 1}, kBlack);
  std::string_view text = mInputText;
  while (!text.empty() && context.GetTextExtent(text).x > area.Width() - 2 * kInputMargin) text.remove_prefix(1);
  context.TextOut(area.left + kInputMargin, area.top + (area.Height() - context.LineHeight()) / 2, text);
}
