#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "Drovane/DebugConsole.h"
#include "Drovane/DebugLog.h"

namespace {

std::vector<std::string> Lines(const DebugConsole& console) {
  return {console.Log().begin(), console.Log().end()};
}

class CountingCommand : public DebugCommand {
public:
  explicit CountingCommand(std::string name) : DebugCommand(std::move(name), "usage") {}
  void Execute(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

TEST(DebugConsole, KeepsTheLast500Lines) {
  DebugConsole console;
  for (int i = 0; i < 501; ++i) console.AddLine(std::to_string(i));
  ASSERT_EQ(console.Log().size(), 500u);
  EXPECT_EQ(console.Log().front(), "1");
  EXPECT_EQ(console.Log().back(), "500");
}

TEST(DebugConsole, HelpListsCommandsAndUsage) {
  {
    DebugConsole console;
    console.TypeInput("help\n");
    EXPECT_EQ(Lines(console),
              (std::vector<std::string>{">help", "Current Commands:", "help", "*****************"}));
  }
  // Once the first console is gone, the help command serves the next one built.
  DebugConsole console;
  console.TypeInput("  help   help  \n");
  EXPECT_EQ(Lines(console),
            (std::vector<std::string>{">  help   help  ", "help - usage: help [topic]"}));
  console.TypeInput("help nothing\n");
  EXPECT_EQ(console.Log().back(), ">help nothing");
}

TEST(DebugConsole, CommandNamesAreCaseSensitiveAndNeedEnter) {
  DebugConsole console;
  CountingCommand command("go");
  console.RegisterCommand(&command);
  console.TypeInput("go");
  EXPECT_TRUE(command.lines.empty());
  EXPECT_TRUE(console.Log().empty());
  console.TypeInput(" now\n");
  EXPECT_EQ(command.lines, (std::vector<std::string>{"go now"}));
  console.TypeInput("Go\n");
  EXPECT_EQ(command.lines.size(), 1u);
  EXPECT_EQ(console.Log().back(), ">Go");
  console.RegisterCommand(&command);
  console.TypeInput("\tgo\n");  // a tab belongs to the word
  EXPECT_EQ(command.lines.size(), 1u);
  console.TypeInput("go\n");  // registered twice: runs twice
  EXPECT_EQ(command.lines.size(), 3u);
  console.UnregisterCommand(&command);
  console.TypeInput("go\n");
  EXPECT_EQ(command.lines.size(), 3u);
}

TEST(DebugConsole, SplitWordsOnSpacesOnly) {
  struct Case {
    std::string text;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"", {}},
      {"    ", {}},
      {"help", {"help"}},
      {"  a  b c ", {"a", "b", "c"}},
      {"a\tb c", {"a\tb", "c"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> words;
    EXPECT_EQ(SplitWords(c.text, words), c.words.size()) << c.text;
    EXPECT_EQ(words, c.words) << c.text;
  }
}

TEST(DebugConsole, SavesTheLogOneLinePerEntry) {
  DebugConsole console;
  console.AddLine("first");
  console.AddLine("second");
  std::string path = testing::TempDir() + "console-log.txt";
  ASSERT_EQ(console.SaveLog(path), 1);
  std::ifstream file(path);
  std::string content((std::istreambuf_iterator<char>(file)), {});
  EXPECT_EQ(content, "first\nsecond\n");
  EXPECT_EQ(console.SaveLog("/nonexistent-folder/log.txt"), 0);
}

TEST(DebugConsole, ShowWritesTheLogAndThenEachLine) {
  DebugConsole console;
  console.AddLine("before\n");
  testing::internal::CaptureStderr();
  console.Show();
  console.AddLine("after");
  console.Hide();
  console.AddLine("hidden");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "before\nafter\n");
  EXPECT_EQ(console.CreateConsoleWindow("Debug"), 1);
  EXPECT_EQ(console.CreateConsoleWindow("Debug"), 0);
}

// Standard input replaced by a pseudo-terminal, so the test can type on it.
class TypedTerminal {
public:
  TypedTerminal() {
    mController = posix_openpt(O_RDWR | O_NOCTTY);
    if (mController < 0 || grantpt(mController) != 0 || unlockpt(mController) != 0) return;
    int terminal = open(ptsname(mController), O_RDWR | O_NOCTTY);
    if (terminal < 0) return;
    mSavedInput = dup(STDIN_FILENO);
    dup2(terminal, STDIN_FILENO);
    close(terminal);
  }
  ~TypedTerminal() {
    if (mSavedInput >= 0) {
      dup2(mSavedInput, STDIN_FILENO);
      close(mSavedInput);
    }
    if (mController >= 0) close(mController);
  }
  bool Ready() const { return mSavedInput >= 0; }

  // Types a line and waits until the terminal has it ready to read.
  bool TypeLine(const std::string& text) {
    std::string line = text + "\n";
    if (write(mController, line.data(), line.size()) != static_cast<ssize_t>(line.size())) return false;
    return Waiting();
  }
  bool Waiting() const {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return poll(&input, 1, 5000) > 0;
  }

private:
  int mController = -1;
  int mSavedInput = -1;
};

TEST(DebugConsole, TypedLinesRunOnlyWhileTheConsoleIsShown) {
  TypedTerminal terminal;
  ASSERT_TRUE(terminal.Ready());
  DebugConsole console;
  ASSERT_TRUE(terminal.TypeLine("help"));
  console.PollTerminalInput();
  EXPECT_TRUE(console.Log().empty());
  EXPECT_TRUE(terminal.Waiting());  // left for the terminal's owner

  testing::internal::CaptureStderr();
  console.Show();
  console.PollTerminalInput();
  console.Hide();
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(Lines(console),
            (std::vector<std::string>{">help", "Current Commands:", "help", "*****************"}));
}

TEST(DebugLog, PrintfIsBoundedAndDroppedWithoutConsole) {
  DestroyDebugConsole();
  DebugPrintf("nobody listens");
  SaveDebugLog(testing::TempDir() + "never.txt");
  CreateDebugConsole();
  std::string longText(1000, 'x');
  DebugPrintf("%s", longText.c_str());
  EXPECT_EQ(gpDebugConsole->Log().back(), std::string(255, 'x'));
  DestroyDebugConsole();
}

TEST(DebugLog, LinesFromOtherThreadsWaitForTheConsoleThread) {
  CreateDebugConsole();
  std::thread worker([] {
    for (int i = 0; i < 100; ++i) DebugPrintf("worker %d", i);
  });
  worker.join();
  EXPECT_TRUE(gpDebugConsole->Log().empty());
  DebugPrintf("main");
  ASSERT_EQ(gpDebugConsole->Log().size(), 101u);
  EXPECT_EQ(gpDebugConsole->Log().front(), "worker 0");
  EXPECT_EQ(gpDebugConsole->Log().back(), "main");
  DestroyDebugConsole();
}

}  // namespace
