#pragma once
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/DeviceContext.h"
#include "platform/DisplayDevice.h"
#include "platform/MemoryDisplay.h"
#include "platform/WindowMessages.h"

class DebugConsole;

// A named console command; Execute receives the whole command line as typed.
class DebugCommand {
public:
  DebugCommand(std::string name, std::string usage)
      : mName(std::move(name)), mUsage(std::move(usage)) {}
  virtual ~DebugCommand() = default;
  virtual void Execute(const std::string& line) = 0;

  std::string mName;
  std::string mUsage;
};

// The framework's diagnostic channel: a log of the last 500 lines and a registry of
// named commands typed on its input line. It has two front ends: a desktop window ("GUI
// DEBUG WINDOW") showing the lines in black on white above its input line, with a bar for
// the scroll position; and the terminal: while shown, every line goes to stderr, and lines
// typed on a terminal's standard input run as commands.
class DebugConsole {
public:
  static constexpr size_t kMaxLines = 500;
  static constexpr size_t kMaxInputLine = 255;

  DebugConsole();
  ~DebugConsole();
  DebugConsole(const DebugConsole&) = delete;
  DebugConsole& operator=(const DebugConsole&) = delete;

  static constexpr int32_t kInputHeight = 25;
  static constexpr int32_t kBarWidth = 8;

  // Creates the window once, hidden, to the right of a 640-pixel-wide game window: 1 when
  // created, 0 when it existed.
  int CreateConsoleWindow(const std::string& title);
  // Shows the window and writes every line logged so far to stderr, then each new line as
  // it comes; Hide hides the window and stops the lines on stderr.
  void Show();
  void Hide();
  bool IsShown() const { return mShown; }

  void AddLine(const std::string& text);
  // Writes the log, oldest first, one line per text line, to a file named in the game's
  // form: 1 when written, 0 when the file cannot be written.
  int SaveLog(const std::string& fileName);

  // The input line: typed text is appended and checked after every change; a line is
  // complete once a line break follows it, and every complete line runs, in order.
  void TypeInput(const std::string& text);
  void OnCommandLine();
  // While shown, runs every line typed on the terminal since the last call.
  void PollTerminalInput();

  // The window's behaviour: its messages, the placing of the input line, the scroll range
  // (the view keeps following the newest line while it shows it), the picture and scrolling
  // by a code (SB_LINEUP and the rest).
  intptr_t WindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam);
  void Layout();
  void UpdateScrollBars();
  void Paint();
  void Scroll(uint32_t code, int32_t position);
  platform::WindowHandle Window() const { return mConsoleWindow; }
  int32_t ScrollPosition() const { return mScrollPosition; }
  int32_t ScrollMaximum() const { return mScrollMaximum; }
  const std::string& InputText() const { return mInputText; }

  void RegisterCommand(DebugCommand* command);
  void UnregisterCommand(DebugCommand* command);
  void HelpCommand(const std::string& line);

  const std::deque<std::string>& Log() const { return mLog; }
  const std::vector<DebugCommand*>& Commands() const { return mCommands; }
  // The thread that built the console owns it; other threads' lines wait for it.
  bool IsOwnerThread() const { return std::this_thread::get_id() == mOwnerThread; }

private:
  void WriteToTerminal(const std::string& text) const;
  void OnChar(uint8_t character);
  void OnKeyDown(uintptr_t key);
  // Asks for a paint once; the window paints when the message arrives.
  void Invalidate();
  void MakePicture(int32_t width, int32_t height);
  void ReleasePicture();
  void PaintBar(platform::DeviceContext& context, const platform::Rect& area) const;
  void PaintInput(platform::DeviceContext& context, const platform::Rect& area) const;
  // Logs the line after ">" and runs every command named by its first word.
  void RunCommandLine(const std::string& line);

  std::deque<std::string> mLog;
  std::vector<DebugCommand*> mCommands;
  platform::WindowHandle mConsoleWindow = platform::kNoWindow;
  // The window's picture: a surface of its client size.
  platform::MemorySurface* mpPicture = nullptr;
  bool mPaintPending = false;
  int32_t mScrollPosition = 0;
  int32_t mScrollMaximum = 0;
  bool mShown = false;
  std::string mTitle;
  std::string mInputText;
  std::thread::id mOwnerThread;
};

// The window's place and size on a desktop of the given size: right of a 640-pixel-wide
// game window, or 100 pixels wide at x = 540 when nothing is left there.
platform::Rect ConsoleWindowBounds(int32_t desktopWidth, int32_t desktopHeight);

// The procedure of the class "GUI DEBUG WINDOW": the console in the window's data runs it.
intptr_t DebugConsoleWndProc(platform::WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);

// A logged line often carries its own line break; it is shown as one line without it.
std::string_view WithoutLineBreak(std::string_view text);

// Splits a text into runs of characters other than the space character; returns their count.
size_t SplitWords(const std::string& text, std::vector<std::string>& words);

// The one console; null when none exists.
extern DebugConsole* gpDebugConsole;
