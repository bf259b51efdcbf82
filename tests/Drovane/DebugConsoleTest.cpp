#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "Drovane/DebugConsole.h"
#include "Drovane/DebugLog.h"
#include "platform/UserSignal.h"
#include "support/ControllingTerminal.h"

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
  EXPECT_EQ(console.Log().back(), "hidden");  // logged, though not shown
  EXPECT_EQ(console.CreateConsoleWindow("Debug"), 1);
  EXPECT_EQ(console.CreateConsoleWindow("Debug"), 0);
}

// The checks run in a child whose controlling terminal is a pseudo-terminal; it exits 0
// when every one held.
bool TypedLinesRunOnlyWhileShown() {
  ControllingTerminal terminal;
  if (!terminal.Ready()) return false;
  DebugConsole console;
  if (!terminal.Type("help\nhel")) return false;
  console.PollTerminalInput();
  if (!console.Log().empty() || !terminal.Waiting()) return false;  // left for the terminal's owner
  std::fclose(stderr);  // the shown console's lines are not the test's output
  console.Show();
  console.PollTerminalInput();
  if (!terminal.Type("p x\n")) return false;
  console.PollTerminalInput();
  return Lines(console) == std::vector<std::string>{">help", "Current Commands:", "help", "*****************",
                                                    ">help x"};
}

TEST(DebugConsole, TypedLinesRunOnlyWhileTheConsoleIsShown) {
  EXPECT_EXIT(std::exit(TypedLinesRunOnlyWhileShown() ? 0 : 1), testing::ExitedWithCode(0), "");
}

TEST(DebugConsole, EveryCompleteLineRunsInOrder) {
  DebugConsole console;
  CountingCommand first("first"), second("second");
  console.RegisterCommand(&first);
  console.RegisterCommand(&second);
  console.TypeInput("first\r\nsecond\nfirst\nsec");
  EXPECT_EQ(Lines(console), (std::vector<std::string>{">first", ">second", ">first"}));
  EXPECT_EQ(first.lines, (std::vector<std::string>{"first", "first"}));
  console.TypeInput("ond\n");
  EXPECT_EQ(second.lines, (std::vector<std::string>{"second", "second"}));
}

TEST(DebugLog, PrintfIsBoundedAndDroppedWithoutConsole) {
  DestroyDebugConsole();
  DebugPrintf("nobody listens");
  std::string never = testing::TempDir() + "never.txt";
  std::remove(never.c_str());
  SaveDebugLog(never);
  EXPECT_FALSE(std::ifstream(never).is_open());
  CreateDebugConsole();
  PollDebugConsole();
  EXPECT_TRUE(gpDebugConsole->Log().empty());  // the line before the console is gone
  std::string longText(1000, 'x');
  DebugPrintf("%s", longText.c_str());
  EXPECT_EQ(gpDebugConsole->Log().back(), std::string(255, 'x'));
  DestroyDebugConsole();
}

TEST(DebugLog, DroppedUserSignalIsSaid) {
  CreateDebugConsole();
  platform::InstallUserSignalHandler();
  platform::RouteUserSignal(platform::kNoWindow, 0);
  std::raise(SIGUSR1);
  PollDebugConsole();
  EXPECT_EQ(gpDebugConsole->Log().back(), "SIGUSR1 dropped: live tuning is not running.\n");
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
