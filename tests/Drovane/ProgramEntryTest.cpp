#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/Application.h"
#include "Drovane/ProgramEntry.h"
#include "platform/MessageQueue.h"
#include "platform/Window.h"

using namespace platform;

namespace {

std::vector<std::string> gLog;

// Records the entry's calls; what it posts and when it quits is set per test.
class ScriptedApplication : public CApplication {
public:
  uint32_t Startup() override {
    gLog.push_back("Startup");
    return startupResult;
  }
  uint32_t PrepareGame() override {
    gLog.push_back(mFlags & kAppActive ? "PrepareGame active" : "PrepareGame");
    if (prepare) prepare(*this);
    return prepareResult;
  }
  uint32_t RunFrame() override {
    gLog.push_back("RunFrame");
    if (++frames == quitAfterFrames) PostQuitMessage(0);
    return 0;
  }
  uint32_t FinishGame() override {
    gLog.push_back("FinishGame");
    return 0;
  }
  ~ScriptedApplication() override { gLog.push_back("deleted"); }

  uint32_t startupResult = 0;
  uint32_t prepareResult = 0;
  int frames = 0;
  int quitAfterFrames = 1;
  void (*prepare)(ScriptedApplication&) = nullptr;
};

WindowHandle gWindow = kNoWindow;

// Logs what it receives; the message 0x401 switches the application's active bit back on
// and 0x402 clears its running bit, as the destruction of its top-level window does.
intptr_t LoggingProcedure(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (message == WM_DESTROY) return 0;
  gLog.push_back("dispatch " + std::to_string(wParam));
  if (message == 0x401) gpApplication->mFlags |= kAppActive;
  if (message == 0x402) gpApplication->mFlags &= ~kAppRunning;
  return DefWindowProc(window, message, wParam, lParam);
}

class ProgramEntryTest : public testing::Test {
protected:
  void SetUp() override {
    gLog.clear();
    ClearMessageQueue();
    RegisterWindowClass("EntryTestClass", LoggingProcedure);
    gWindow = CreateWindow("EntryTestClass", "entry", 0, {0, 0, 64, 48});
  }
  void TearDown() override {
    DestroyWindow(gWindow);
    ClearMessageQueue();
  }
};

TEST_F(ProgramEntryTest, FailedStartupSkipsPreparationAndFinishing) {
  auto* application = new ScriptedApplication;
  application->startupResult = 5;
  EXPECT_EQ(RunApplication(application), 0);
  EXPECT_EQ(gLog, (std::vector<std::string>{"Startup", "deleted"}));
  EXPECT_EQ(gpApplication, nullptr);
}

TEST_F(ProgramEntryTest, FailedPreparationSkipsTheLoopAndFinishing) {
  auto* application = new ScriptedApplication;
  application->prepareResult = 0x80000000;
  EXPECT_EQ(RunApplication(application), 0);
  EXPECT_EQ(gLog, (std::vector<std::string>{"Startup", "PrepareGame active", "deleted"}));
}

TEST_F(ProgramEntryTest, FramesRunWhileTheQueueIsEmptyUntilTheQuitMessage) {
  auto* application = new ScriptedApplication;
  application->quitAfterFrames = 3;
  EXPECT_EQ(RunApplication(application), 0);
  EXPECT_EQ(gLog, (std::vector<std::string>{"Startup", "PrepareGame active", "RunFrame", "RunFrame", "RunFrame",
                                            "FinishGame", "deleted"}));
}

TEST_F(ProgramEntryTest, QuitMessageStopsAtOnceWithMessagesBehindIt) {
  auto* application = new ScriptedApplication;
  application->prepare = [](ScriptedApplication&) {
    PostMessage(gWindow, WM_NULL, 1, 0);
    PostQuitMessage(0);
    PostMessage(gWindow, WM_NULL, 2, 0);
  };
  RunApplication(application);
  EXPECT_EQ(gLog, (std::vector<std::string>{"Startup", "PrepareGame active", "dispatch 1", "FinishGame", "deleted"}));
  Message behind;
  ASSERT_TRUE(PeekMessage(behind));
  EXPECT_EQ(behind.wParam, 2u);
}

TEST_F(ProgramEntryTest, WithoutTheActiveBitMessagesAreDispatchedButNoFrameRuns) {
  auto* application = new ScriptedApplication;
  application->prepare = [](ScriptedApplication& app) {
    app.mFlags &= ~kAppActive;
    PostMessage(gWindow, WM_NULL, 1, 0);
    PostMessage(gWindow, WM_NULL, 2, 0);
    PostMessage(gWindow, 0x401, 3, 0);
  };
  RunApplication(application);
  EXPECT_EQ(gLog, (std::vector<std::string>{"Startup", "PrepareGame active", "dispatch 1", "dispatch 2", "dispatch 3",
                                            "RunFrame", "FinishGame", "deleted"}));
}

TEST_F(ProgramEntryTest, ClearedRunningBitEndsTheLoopAfterTheQueueIsEmpty) {
  auto* application = new ScriptedApplication;
  application->prepare = [](ScriptedApplication&) {
    PostMessage(gWindow, 0x402, 1, 0);
    PostMessage(gWindow, WM_NULL, 2, 0);
  };
  RunApplication(application);
  EXPECT_EQ(gLog, (std::vector<std::string>{"Startup", "PrepareGame active", "dispatch 1", "dispatch 2",
                                            "FinishGame", "deleted"}));
}

TEST(CommandLine, KeepsAtMost127Characters) {
  std::string longLine(200, 'x');
  longLine[126] = 'y';
  StoreCommandLine(longLine);
  EXPECT_EQ(std::string(gCommandLine), longLine.substr(0, 127));
  StoreCommandLine("-w");
  EXPECT_STREQ(gCommandLine, "-w");
}

class FrameLessApplication : public CApplication {
public:
  uint32_t Startup() override { return 0; }
  uint32_t PrepareGame() override { return 0; }
  uint32_t RunFrame() override { return 0; }
  uint32_t FinishGame() override { return 0; }
};

TEST(Application, ConstructionSetsOnlyTheRunningBit) {
  FrameLessApplication application;
  EXPECT_EQ(application.mFlags, kAppRunning);
  EXPECT_EQ(application.mpPalette, nullptr);
  ASSERT_NE(gMemoryPool, nullptr);
  EXPECT_EQ(*static_cast<uint16_t*>(gMemoryPool), 12);
}

struct VersionCase {
  const char* system;
  uint32_t versionWord;
  int32_t expected;
};

void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.system; }

class DetectOSVersionTest : public testing::TestWithParam<VersionCase> {};

TEST_P(DetectOSVersionTest, ClassifiesTheVersionWord) {
  FrameLessApplication application;
  EXPECT_EQ(application.DetectOSVersion(GetParam().versionWord), GetParam().expected) << GetParam().system;
  EXPECT_EQ(application.mOSVersion, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Systems, DetectOSVersionTest,
                         testing::Values(VersionCase{"16-bit based 3.10", 0x80000A03, 1},
                                         VersionCase{"NT 3.10", 0x02280A03, 2},
                                         VersionCase{"NT 3.51", 0x04213303, 3},
                                         VersionCase{"16-bit based 3.95", 0x80005F03, 3},
                                         VersionCase{"2.0", 0x00000002, 3},
                                         VersionCase{"16-bit based 4.0", 0xC3B60004, 4},
                                         VersionCase{"NT 4.0", 0x05650004, 4},
                                         VersionCase{"this system", platform::GetVersion(), 4}));

}  // namespace
