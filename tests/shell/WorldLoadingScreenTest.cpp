#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "Drovane/BackBuffer.h"
#include "Drovane/DisplayFixture.h"
#include "Drovane/ErrorReport.h"
#include "Drovane/MatchSurfaceColor.h"
#include "Drovane/StringTableFixture.h"
#include "game/P3WorldLoading.h"
#include "game/world/WorldStage.h"
#include "imagefiles/GamePalette.h"
#include "platform/MainThreadCalls.h"
#include "platform/MessageBox.h"
#include "platform/MessageQueue.h"
#include "platform/VirtualKeys.h"
#include "shell/WorldLoadingScreen.h"
#include "support/ImageCheck.h"
#include "support/TempFolder.h"
#include "videofiles/VideoWriter.h"

using namespace platform;

namespace {

constexpr int32_t kFirstLineTop = 132;
constexpr int32_t kLineHeight = 18;

std::vector<std::pair<uint32_t, std::string>> StageNames() {
  return {{650, "Tweak Initialization"}, {651, "Engine Initialization"}, {652, "Resource Load Initialization"},
          {665, "Starting Simulation..."}};
}

// A world start that begins one stage each time the test releases it, and the loading
// screen's pictures as the main thread draws them.
class WorldLoadingScreenTest : public DisplayFixture {
protected:
  void SetUp() override {
    DisplayFixture::SetUp();
    screenBuffer = std::make_unique<CBackBuffer>(640, 480);
    ClearMessageQueue();
    WorldStageMask = 0;
  }
  void TearDown() override {
    ClearMessageQueue();
    WorldStageMask = 0;
    screenBuffer.reset();
    DisplayFixture::TearDown();
  }

  // Begins stages 0 to stages - 1, each when released, and answers 7 when released once more.
  int32_t StagedWorldStart(int32_t stages) {
    for (int32_t k = 0; k <= stages; ++k) {
      std::unique_lock lock(mutex);
      released.wait(lock, [&] { return releasedStages > k; });
      if (k < stages) WorldStageMask |= 1u << k;
    }
    return 7;
  }
  void Release() {
    std::lock_guard lock(mutex);
    ++releasedStages;
    released.notify_all();
  }

  // The pixels of the stage line that stands n-th from the top.
  std::vector<uint8_t> LinePixels(int32_t n) {
    std::vector<uint8_t> pixels;
    if (screen().Lock() == 0) return pixels;
    for (int32_t y = kFirstLineTop + n * kLineHeight; y < kFirstLineTop + (n + 1) * kLineHeight; ++y)
      pixels.insert(pixels.end(), screen().mpBits + y * screen().mStride, screen().mpBits + y * screen().mStride + screen().mWidth);
    screen().Unlock();
    return pixels;
  }
  bool LineHolds(int32_t n, int32_t index) {
    const std::vector<uint8_t> pixels = LinePixels(n);
    return std::count(pixels.begin(), pixels.end(), static_cast<uint8_t>(index)) > 0;
  }

  ScopedStringTable strings{StageNames()};
  // Made once the display is there.
  std::unique_ptr<CBackBuffer> screenBuffer;
  CBackBuffer& screen() { return *screenBuffer; }
  std::mutex mutex;
  std::condition_variable released;
  int32_t releasedStages = 0;
};

TEST_F(WorldLoadingScreenTest, EachBegunStageIsShownNewestBrightestAndTheResultComesBack) {
  const int32_t bright = MatchSurfaceColor(screen().GetSurface(), 0xFFFFFF);
  const int32_t dim = MatchSurfaceColor(screen().GetSurface(), 0x8C8C8C);
  ASSERT_NE(bright, dim);
  uint32_t seenMask = 0;
  int32_t checkedStages = 0;
  bool lockedWhileLoading = true;
  WorldLoadingRun run;
  run.screen = &screen();
  run.worldStart = [&] { return StagedWorldStart(3); };
  // Runs on the main thread after each picture. A mask seen unchanged on two passes was the
  // one the last picture drew, since the world start waits to be released.
  run.wait = [&] {
    const uint32_t mask = WorldStageMask.load();
    // Between the first stage and the last release the world start holds the lock.
    const bool loading = mask != 0 && releasedStages <= 3;
    if (std::mutex& lock = WorldLoadingMutex(); loading && lock.try_lock()) {
      lockedWhileLoading = false;
      lock.unlock();
    }
    if (mask != seenMask) {
      seenMask = mask;
      return;
    }
    if (mask != (1u << checkedStages) - 1) return;
    if (checkedStages > 0) {
      EXPECT_TRUE(LineHolds(checkedStages - 1, bright)) << "stage " << checkedStages - 1;
      for (int32_t older = 0; older + 1 < checkedStages; ++older) {
        EXPECT_FALSE(LineHolds(older, bright)) << "stage " << older;
        EXPECT_TRUE(LineHolds(older, dim)) << "stage " << older;
      }
    }
    ++checkedStages;
    Release();
  };
  EXPECT_EQ(RunLoadingScreen(run), 7);
  EXPECT_EQ(checkedStages, 4);
  EXPECT_TRUE(lockedWhileLoading);
  // The last picture: every stage dimmed and "Starting Simulation..." under them.
  EXPECT_FALSE(LineHolds(2, bright));
  EXPECT_TRUE(LineHolds(3, bright));
  ASSERT_GT(screen().Lock(), 0);
  const FrameView names{screen().mpBits + kFirstLineTop * screen().mStride, screen().mWidth, 4 * kLineHeight, screen().mStride};
  EXPECT_TRUE(MatchesTextChecksum(names, GamePalette(), "loading-screen-stage-names", 0x71687488u));
  screen().Unlock();
}

TEST_F(WorldLoadingScreenTest, TheHourglassLoopsAtTheTopCentre) {
  TempFolder folder;
  VideoWriter writer(8, 8, 100000);
  VideoColours colours{};
  colours[200] = {200, 180, 90};
  writer.SetPalette(colours);
  writer.AddFrame(std::vector<uint8_t>(64, 200));
  std::string error;
  ASSERT_TRUE(writer.Save(folder.Game("hourglass.smk"), error)) << error;
  WorldLoadingRun run;
  run.screen = &screen();
  run.hourglassPath = folder.Game("hourglass.smk");
  run.worldStart = [&] { return StagedWorldStart(1); };
  run.wait = [&] { Release(); };
  EXPECT_EQ(RunLoadingScreen(run), 7);
  EXPECT_EQ(PixelRows(screen())[36][316], 200);
  EXPECT_EQ(PixelRows(screen())[43][323], 200);
  EXPECT_NE(PixelRows(screen())[35][316], 200);
}

TEST_F(WorldLoadingScreenTest, InputIsDroppedAndTheQuitIsHeldUntilTheLoadingEnded) {
  PostMessage(kNoWindow, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessage(kNoWindow, WM_LBUTTONDOWN, 0, 0);
  PostQuitMessage(0);
  PostMessage(kNoWindow, WM_CHAR, 'a', 0);
  WorldLoadingRun run;
  run.screen = &screen();
  run.worldStart = [&] { return StagedWorldStart(1); };
  run.wait = [&] { Release(); };
  EXPECT_EQ(RunLoadingScreen(run), 7);
  Message message;
  std::vector<uint32_t> left;
  while (PeekMessage(message)) left.push_back(message.message);
  EXPECT_EQ(left, std::vector<uint32_t>{WM_QUIT});
}

TEST_F(WorldLoadingScreenTest, AProgramErrorOnTheLoadingThreadIsAnsweredOnTheMainThread) {
  std::atomic<bool> askedOnMainThread{false};
  SetMessageBoxHandler([&](const std::string&, const std::string& caption, uint32_t) {
    askedOnMainThread = OnMainThread() && caption == "Program Error";
    return IDIGNORE;
  });
  WorldLoadingRun run;
  run.screen = &screen();
  run.worldStart = [&] {
    ShowProgramError();
    return 1;
  };
  run.wait = [] {};
  EXPECT_EQ(RunLoadingScreen(run), 1);
  SetMessageBoxHandler({});
  EXPECT_TRUE(askedOnMainThread);
}

}  // namespace
