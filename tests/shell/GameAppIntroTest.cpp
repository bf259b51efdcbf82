#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "Drovane/DirectDrawObject.h"
#include "Drovane/MainWindow.h"
#include "Drovane/ProgramEntry.h"
#include "Drovane/SmackerPlayer.h"
#include "platform/Clock.h"
#include "platform/MessageQueue.h"
#include "platform/SilentSoundOutput.h"
#include "platform/SoundDevice.h"
#include "platform/TimerService.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"
#include "shell/GameApp.h"
#include "sound/SoundSystem.h"
#include "support/IsolatedFiles.h"
#include "support/VideoClips.h"

using namespace platform;

namespace {

class GameAppIntroTest : public testing::Test {
protected:
  void SetUp() override {
    clock.counter = 1000000;
    SetClockSource(&clock);
    ClearMessageQueue();
    StoreCommandLine("-w");
    app = std::make_unique<CGameApp>();
    app->mDesktopMode = {1024, 768, 8};
    gpApplication = app.get();
  }
  void TearDown() override {
    if (app->mpMainWindow) app->FinishGame();
    app.reset();
    gpApplication = nullptr;
    ClearMessageQueue();
    SetClockSource(nullptr);
  }

  void WriteIntro(const std::vector<uint8_t>& bytes) {
    files.folder.Write("data/smk/intro.smk", std::string(bytes.begin(), bytes.end()));
  }
  void Prepare() {
    ASSERT_EQ(app->Startup(), 0u);
    ASSERT_EQ(app->PrepareGame(), 0u);
  }
  void NextFrame(const TestClip& clip) {
    clock.counter += clip.frameMicroseconds;
    app->RunFrame();
  }
  WindowPicture Shown() const {
    WindowPicture picture;
    EXPECT_TRUE(GetWindowPicture(app->mpMainWindow->mWindow, picture));
    return picture;
  }
  // Row 101 of the window, where the intro's band starts: the frame's first row at its
  // own width.
  void ExpectIntroFrameShown(const TestClip& clip, int32_t frame) {
    const WindowPicture shown = Shown();
    const std::vector<uint8_t> pixels = TestClipFrame(clip, frame);
    const auto row = shown.pixels.begin() + 101 * 640;
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.begin() + clip.width, row)) << "frame " << frame;
  }
  void ExpectBlackScreen() const {
    const WindowPicture shown = Shown();
    for (uint8_t pixel : shown.pixels) ASSERT_EQ(shown.colours[pixel], (Rgb{0, 0, 0}));
  }

  IsolatedFiles files;
  ManualClock clock;
  std::unique_ptr<CGameApp> app;
};

TEST_F(GameAppIntroTest, PreparingEntersTheIntroWhoseFirstFrameShowsAtOnce) {
  const TestClip clip{64, 48, 3};
  WriteIntro(TestClipBytes(clip));
  Prepare();
  EXPECT_EQ(app->mModeStack, (std::vector<int32_t>{kModeStartup, kModeIntroStart}));
  app->RunFrame();
  EXPECT_EQ(app->mModeStack, (std::vector<int32_t>{kModeStartup, kModeIntro}));
  EXPECT_EQ(app->mRedraw, 0);
  ASSERT_TRUE(app->mpIntroVideo);
  EXPECT_EQ(app->mpIntroVideo->mX, 0);
  EXPECT_EQ(app->mpIntroVideo->mY, 101);
  ExpectIntroFrameShown(clip, 0);
}

TEST_F(GameAppIntroTest, TheIntroPlaysToItsEndThenTheScreenWaitsBlackForTheMenu) {
  const TestClip clip{64, 48, 3};
  WriteIntro(TestClipBytes(clip));
  Prepare();
  app->RunFrame();
  for (int32_t frame = 1; frame < clip.frames; ++frame) {
    app->RunFrame();
    EXPECT_EQ(app->CurrentMode(), kModeIntro) << "a frame that is not due yet";
    NextFrame(clip);
    if (frame + 1 < clip.frames) ExpectIntroFrameShown(clip, frame);
  }
  EXPECT_EQ(app->mModeStack, (std::vector<int32_t>{kModeStartup, kModeMainMenu}));
  EXPECT_FALSE(app->mpIntroVideo);
  EXPECT_EQ(app->mRedraw, 1);
  app->RunFrame();
  ExpectBlackScreen();
}

TEST_F(GameAppIntroTest, EscSkipsTheIntro) {
  WriteIntro(TestClipBytes(TestClip{64, 48, 30}));
  Prepare();
  app->RunFrame();
  ASSERT_EQ(app->CurrentMode(), kModeIntro);
  app->OnKeyDown(VK_ESCAPE, 0);
  EXPECT_EQ(app->mModeStack, (std::vector<int32_t>{kModeStartup, kModeMainMenu}));
  EXPECT_FALSE(app->mpIntroVideo);
  app->RunFrame();
  ExpectBlackScreen();
}

TEST_F(GameAppIntroTest, OtherKeysAndEscWithoutTheIntroDoNothingInModeThree) {
  app->EnterMode(kModeIntro);
  app->OnKeyDown(VK_ESCAPE, 0);
  EXPECT_EQ(app->CurrentMode(), kModeIntro);
  WriteIntro(TestClipBytes(TestClip{64, 48, 30}));
  Prepare();
  app->LeaveMode(kModeIntro);
  app->RunFrame();
  app->OnKeyDown(VK_SPACE, 0);
  EXPECT_EQ(app->CurrentMode(), kModeIntro);
  EXPECT_TRUE(app->mpIntroVideo);
}

// Without its file, or with one that cannot be played, the intro ends at once: it never
// keeps the game waiting.
TEST_F(GameAppIntroTest, AMissingOrDamagedIntroGoesStraightToTheMenu) {
  std::vector<uint8_t> cut = TestClipBytes(TestClip{64, 48, 4});
  cut.resize(cut.size() * 2 / 3);
  const std::vector<std::vector<uint8_t>> intros = {{}, std::vector<uint8_t>(400, 'x'), cut};
  for (size_t i = 0; i < intros.size(); ++i) {
    SCOPED_TRACE(i);
    TearDown();
    SetUp();
    if (i > 0) WriteIntro(intros[i]);
    Prepare();
    for (int step = 0; step < 6 && app->CurrentMode() != kModeMainMenu; ++step) NextFrame(TestClip{});
    EXPECT_EQ(app->mModeStack, (std::vector<int32_t>{kModeStartup, kModeMainMenu}));
  }
}

// The intro's sound on the silent mixer: it starts with the first frame, and Esc stops it
// with the video.
class GameAppIntroSoundTest : public GameAppIntroTest {
protected:
  void SetUp() override {
    clock.systemMs = 1000;
    SetTimersHeadless(true);
    silent = std::make_shared<SilentSoundOutput>();
    SetSoundOutput(silent);
    ASSERT_EQ(CreateSoundDevice(device), kResultOk);
    lpDS = device.get();
    GameAppIntroTest::SetUp();
  }
  void TearDown() override {
    GameAppIntroTest::TearDown();
    lpDS = nullptr;
    device.reset();
    SetSoundOutput(nullptr);
    RestartSound();
  }
  // Whether anything but silence played over the next 100 ms.
  bool SoundPlays() {
    silent->KeepPlayed(true);
    const size_t before = silent->Played().size();
    AdvanceClock(clock, clock.systemMs + 100);
    const std::vector<int16_t> played = silent->Played();
    return std::any_of(played.begin() + static_cast<ptrdiff_t>(before), played.end(),
                       [](int16_t sample) { return sample != 0; });
  }

  std::shared_ptr<SilentSoundOutput> silent;
  std::unique_ptr<SoundDevice> device;
};

TEST_F(GameAppIntroSoundTest, TheSoundTrackStartsWithTheFirstFrameAndEscStopsIt) {
  std::ifstream file(HALVORINE_DATA_SET "/smk/intro.smk", std::ios::binary);
  WriteIntro(std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {}));
  Prepare();
  EXPECT_FALSE(SoundPlays());
  app->RunFrame();
  EXPECT_TRUE(SoundPlays());
  app->OnKeyDown(VK_ESCAPE, 0);
  EXPECT_FALSE(SoundPlays());
}

}  // namespace
