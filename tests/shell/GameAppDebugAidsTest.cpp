#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Drovane/DataPaths.h"
#include "Drovane/PaletteViewBuffer.h"
#include "Drovane/ProgramEntry.h"
#include "Drovane/ScreenBuffer.h"
#include "pel3d/math/ViewFrameBuffer.h"
#include "platform/Clock.h"
#include "platform/MessageQueue.h"
#include "platform/SystemPalette.h"
#include "shell/GameApp.h"
#include "support/IsolatedFiles.h"
#include "support/PcxDecoder.h"

namespace {

class GameAppDebugAidsTest : public testing::Test {
protected:
  void SetUp() override {
    platform::SetClockSource(&clock);
    platform::ClearMessageQueue();
    StoreCommandLine("");
    app = std::make_unique<CGameApp>();
    app->mDesktopMode = {1024, 768, 8};
    gpApplication = app.get();
    gDataPaths.SetRoots(files.folder.Game("program"), files.folder.Game("data"));
  }
  void TearDown() override {
    app.reset();
    gViewFrameBuffer.pixels = nullptr;
    SetViewRenderSize(0, 0, 0);
    ResetViewDisplaySize();
    platform::ClearMessageQueue();
    platform::SetClockSource(nullptr);
  }

  uint8_t ScreenPixel(int32_t x, int32_t y) {
    EXPECT_GT(app->mpScreenBuffer->Lock(), 0);
    const uint8_t pixel = app->mpScreenBuffer->mpBits[y * app->mpScreenBuffer->mStride + x];
    app->mpScreenBuffer->Unlock();
    return pixel;
  }

  // The frame's rows without the bytes between them.
  static std::vector<uint8_t> Rows(const uint8_t* pixels, int32_t width, int32_t height, int32_t pitch) {
    std::vector<uint8_t> rows;
    for (int32_t y = 0; y < height; ++y) rows.insert(rows.end(), pixels + y * pitch, pixels + y * pitch + width);
    return rows;
  }
  std::string WrittenFile(const std::string& name) { return files.folder.Read("xdg/halvorine/" + name); }

  IsolatedFiles files;
  platform::ManualClock clock;
  std::unique_ptr<CGameApp> app;
};

TEST_F(GameAppDebugAidsTest, ThePaletteViewIsDrawnAfterTheModeStepWhileSwitchedOn) {
  StoreCommandLine("-w");
  app->Startup();
  ASSERT_EQ(app->PrepareGame(), 0u);
  EXPECT_EQ(app->mpPaletteView, nullptr);

  app->mModeStack = {kModeNoOperation};
  app->ExecuteCommand(kCommandPaletteView);
  ASSERT_NE(app->mpPaletteView, nullptr);
  app->mpScreenBuffer->FillRect(3, nullptr);
  app->RunMode();
  EXPECT_EQ(ScreenPixel(9, 9), 3);
  EXPECT_EQ(ScreenPixel(10, 10), 0);     // swatch 0
  EXPECT_EQ(ScreenPixel(110, 10), 44);   // swatch 44 at (100, 0)
  EXPECT_EQ(ScreenPixel(519, 369), 255); // swatch 255 at (500, 350)
  EXPECT_EQ(ScreenPixel(609, 449), 255); // the view's background
  EXPECT_EQ(ScreenPixel(610, 450), 3);

  const PaletteViewBuffer* view = app->mpPaletteView.get();
  app->TogglePaletteView();
  app->mpScreenBuffer->FillRect(3, nullptr);
  app->RunMode();
  EXPECT_EQ(ScreenPixel(10, 10), 3);
  EXPECT_EQ(ScreenPixel(110, 10), 3);
  app->TogglePaletteView();
  EXPECT_EQ(app->mpPaletteView.get(), view);  // made once
  EXPECT_EQ(app->FinishGame(), 0u);
  EXPECT_EQ(app->mpPaletteView, nullptr);
}

// A display switch takes the view down with the surfaces and builds it again, before the
// screen has its palette back: it shows the system palette then.
TEST_F(GameAppDebugAidsTest, APaletteViewSwitchedOnSurvivesADisplaySwitch) {
  StoreCommandLine("-w");
  app->Startup();
  ASSERT_EQ(app->PrepareGame(), 0u);
  app->mModeStack = {kModeNoOperation};
  app->TogglePaletteView();
  ASSERT_EQ(app->ToggleScreenMode(), 1);
  ASSERT_NE(app->mpPaletteView, nullptr);
  platform::PaletteEntry system[256];
  ASSERT_TRUE(platform::GetSystemPaletteEntries(0, 256, system));
  EXPECT_EQ(app->mpPaletteView->mColors[250], uint32_t{system[250].red} << 16 | system[250].green << 8 | system[250].blue);
  app->mpScreenBuffer->FillRect(3, nullptr);
  app->RunMode();
  EXPECT_EQ(ScreenPixel(110, 10), 44);

  app->TogglePaletteView();
  ASSERT_EQ(app->ToggleScreenMode(), 1);
  EXPECT_EQ(app->mpPaletteView, nullptr);
  app->FinishGame();
}

TEST_F(GameAppDebugAidsTest, ScreenshotsSaveTheViewsFrameInEitherDisplaySize) {
  std::vector<uint8_t> full(24 * 10), render(16 * 6);
  for (size_t i = 0; i < full.size(); ++i) full[i] = static_cast<uint8_t>(i * 7);
  for (size_t i = 0; i < render.size(); ++i) render[i] = static_cast<uint8_t>(200 + i % 3);
  app->mModeStack.push_back(kModeFlight);

  gViewFrameBuffer.pixels = full.data();
  SetViewRenderSize(5, 3, 16);
  SetViewDisplaySize(kViewModeFullSize, 20, 10, 24);
  app->ExecuteCommand(kCommandScreenshot);
  DecodedPcx decoded;
  ASSERT_TRUE(DecodePcx(WrittenFile("screen00.pcx"), decoded));
  EXPECT_EQ(decoded.width, 20);
  EXPECT_EQ(decoded.height, 10);
  EXPECT_EQ(decoded.pixels, Rows(full.data(), 20, 10, 24));

  gViewFrameBuffer.pixels = render.data();
  SetViewDisplaySize(kViewModeReduced, 20, 10, 24);
  app->ExecuteCommand(kCommandScreenshot);
  ASSERT_TRUE(DecodePcx(WrittenFile("screen01.pcx"), decoded));
  EXPECT_EQ(decoded.width, 5);
  EXPECT_EQ(decoded.height, 3);
  EXPECT_EQ(decoded.pixels, Rows(render.data(), 5, 3, 16));
}

// Outside flight the engine's frame pointer may point at buffers already freed: nothing
// reads it (AddressSanitizer would see a read) and nothing is written.
TEST_F(GameAppDebugAidsTest, ScreenshotsOutsideFlightWriteNothing) {
  auto freed = std::make_unique<std::vector<uint8_t>>(64 * 64, 1);
  gViewFrameBuffer.pixels = freed->data();
  SetViewRenderSize(64, 64, 64);
  freed.reset();
  for (int32_t mode : {kModeStartup, kModeMainMenu, kModeHangar}) {
    app->mModeStack = {mode};
    app->ExecuteCommand(kCommandScreenshot);
  }
  app->mModeStack = {kModeFlight, kModeHangar};
  app->ExecuteCommand(kCommandScreenshot);
  EXPECT_FALSE(files.folder.Exists("xdg/halvorine/screen00.pcx"));
}

}  // namespace
