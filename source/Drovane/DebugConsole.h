#pragma once
#include <cstddef>
#include <deque>
#include <string>
#include <thread>
#include <vector>

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
// named commands typed on its input line. Its front end is the terminal: while shown,
// every line goes to stderr, and lines typed on a terminal's standard input run as commands.
class DebugConsole {
public:
  static constexpr size_t kMaxLines = 500;
  static constexpr size_t kMaxInputLine = 255;

  DebugConsole();
  ~DebugConsole();
  DebugConsole(const DebugConsole&) = delete;
  DebugConsole& operator=(const DebugConsole&) = delete;

  // Creates the front end once (hidden until Show): 1 when created, 0 when it existed.
  int CreateConsoleWindow(const std::string& title);
  // Show writes every line logged so far to stderr, then each new line as it comes.
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

  void RegisterCommand(DebugCommand* command);
  void UnregisterCommand(DebugCommand* command);
  void HelpCommand(const std::string& line);

  const std::deque<std::string>& Log() const { return mLog; }
  const std::vector<DebugCommand*>& Commands() const { return mCommands; }
  // The thread that built the console owns it; other threads' lines wait for it.
  bool IsOwnerThread() const { return std::this_thread::get_id() == mOwnerThread; }

private:
  void WriteToTerminal(const std::string& text) const;
  // Logs the line after ">" and runs every command named by its first word.
  void RunCommandLine(const std::string& line);

  std::deque<std::string> mLog;
  std::vector<DebugCommand*> mCommands;
  bool mConsoleWindow = false;
  bool mShown = false;
  std::string mTitle;
  std::string mInputText;
  std::thread::id mOwnerThread;
};

// Splits a text into runs of characters other than the space character; returns their count.
size_t SplitWords(const std::string& text, std::vector<std::string>& words);

// The one console; null when none exists.
extern DebugConsole* gpDebugConsole;
