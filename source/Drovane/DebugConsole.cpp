#include "Drovane/DebugConsole.h"

#include <algorithm>
#include <cstdio>

#include "platform/FileHandle.h"
#include "platform/WholeFile.h"
#include "platform/TerminalInput.h"
#include "platform/Window.h"

DebugConsole* gpDebugConsole = nullptr;

namespace {

// One help command for the whole program. It lists the registry of the first console
// built; once that console is gone it passes to the next one built, never dangling.
class HelpDebugCommand : public DebugCommand {
public:
  HelpDebugCommand() : DebugCommand("help", "help [topic]") {}
  void Execute(const std::string& line) override {
    if (mpConsole) mpConsole->HelpCommand(line);
  }

  DebugConsole* mpConsole = nullptr;
};

HelpDebugCommand& TheHelpCommand() {
  static HelpDebugCommand help;
  return help;
}

}  // namespace

DebugConsole::DebugConsole() : mOwnerThread(std::this_thread::get_id()) {
  HelpDebugCommand& help = TheHelpCommand();
  if (!help.mpConsole) help.mpConsole = this;
  mCommands.push_back(&help);
}

DebugConsole::~DebugConsole() {
  HelpDebugCommand& help = TheHelpCommand();
  if (help.mpConsole == this) help.mpConsole = nullptr;
  if (mConsoleWindow != platform::kNoWindow) {
    platform::SetWindowUserData(mConsoleWindow, nullptr);
    platform::DestroyWindow(mConsoleWindow);
  }
  ReleasePicture();
}

void DebugConsole::Show() {
  if (mConsoleWindow != platform::kNoWindow) {
    platform::ShowWindow(mConsoleWindow);
    Invalidate();
  }
  if (mShown) return;
  mShown = true;
  for (const std::string& line : mLog) WriteToTerminal(line);
}

void DebugConsole::Hide() {
  if (mConsoleWindow != platform::kNoWindow) platform::HideWindow(mConsoleWindow);
  mShown = false;
}

void DebugConsole::AddLine(const std::string& text) {
  mLog.push_back(text);
  while (mLog.size() > kMaxLines) mLog.pop_front();
  if (mShown) WriteToTerminal(text);
  UpdateScrollBars();
  Invalidate();
}

void DebugConsole::WriteToTerminal(const std::string& text) const {
  const std::string_view line = WithoutLineBreak(text);
  std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
  std::fflush(stderr);
}

// The file is written whole through a temporary sibling, so an older log survives a
// failed write.
int DebugConsole::SaveLog(const std::string& fileName) {
  std::string text;
  for (const std::string& line : mLog) {
    text += line;
    text += '\n';
  }
  return platform::SaveWholeFile(fileName, text.data(), text.size()) ? 1 : 0;
}

void DebugConsole::TypeInput(const std::string& text) {
  mInputText += text;
  OnCommandLine();
  Invalidate();
}

// Runs every complete line of the input, in order; text after the last line break waits.
void DebugConsole::OnCommandLine() {
  size_t lineEnd;
  while ((lineEnd = mInputText.find('\n')) != std::string::npos) {
    std::string line = mInputText.substr(0, std::min(lineEnd, kMaxInputLine));
    mInputText.erase(0, lineEnd + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    RunCommandLine(line);
  }
}

void DebugConsole::RunCommandLine(const std::string& line) {
  AddLine(">" + line);
  std::vector<std::string> words;
  if (SplitWords(line, words) == 0) return;
  // Copy: a command may register or unregister commands while it runs.
  std::vector<DebugCommand*> commands = mCommands;
  for (DebugCommand* command : commands) {
    if (command->mName == words.front()) command->Execute(line);
  }
  UpdateScrollBars();
}

// A hidden console takes no typing, as its window could not; the lines stay on the terminal.
void DebugConsole::PollTerminalInput() {
  if (!mShown) return;
  for (const std::string& line : platform::ReadTerminalLines()) TypeInput(line + "\n");
}

void DebugConsole::RegisterCommand(DebugCommand* command) { mCommands.push_back(command); }

void DebugConsole::UnregisterCommand(DebugCommand* command) {
  std::erase(mCommands, command);
}

void DebugConsole::HelpCommand(const std::string& line) {
  std::vector<std::string> words;
  if (SplitWords(line, words) == 1) {
    AddLine("Current Commands:");
    for (DebugCommand* command : mCommands) AddLine(command->mName);
    AddLine("*****************");
    return;
  }
  if (words.size() < 2) return;
  for (DebugCommand* command : mCommands) {
    if (command->mName == words[1]) AddLine(command->mName + " - usage: " + command->mUsage);
  }
}

std::string_view WithoutLineBreak(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && (text[end - 1] == '\n' || text[end - 1] == '\r')) --end;
  return text.substr(0, end);
}

size_t SplitWords(const std::string& text, std::vector<std::string>& words) {
  size_t count = 0;
  size_t position = 0;
  while (true) {
    position = text.find_first_not_of(' ', position);
    if (position == std::string::npos) break;
    size_t end = text.find(' ', position);
    words.push_back(text.substr(position, end - position));
    ++count;
    if (end == std::string::npos) break;
    position = end;
  }
  return count;
}
