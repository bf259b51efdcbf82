#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/DataPaths.h"
#include "Drovane/ProgramEntry.h"
#include "Drovane/ScreenBuffer.h"
#include "Drovane/SystemReport.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "imagefiles/BmpWriter.h"
#include "imagefiles/ControlImages.h"
#include "imagefiles/GamePalette.h"
#include "platform/Clock.h"
#include "platform/MessageQueue.h"
#include "platform/VirtualKeys.h"
#include "screens/ControlClickSound.h"
#include "screens/MessageBoxButtons.h"
#include "screens/MessageBoxWindow.h"
#include "screens/TextEntryField.h"
#include "screens/TextEntryMessageBox.h"
#include "shell/CommandTable.h"
#include "shell/GameApp.h"
#include "shell/GameCommander.h"
#include "support/IsolatedFiles.h"

using namespace platform;

namespace {

constexpr int32_t kNoticeBox = 2010;
constexpr int32_t kSavePrompt = 2013;
constexpr int32_t kQuitPrompt = 2014;

// A prepared game in a window over a data set with the default box and the push button.
class GameAppMessageBoxTest : public testing::Test {
protected:
  void SetUp() override {
    SetClockSource(&clock);
    ClearMessageQueue();
    for (const char* box : {"MBox.bmp", "MBox6.bmp"}) WriteBitmap(box, {420, 320, std::vector<uint8_t>(420 * 320, 21)});
    WriteBitmap("button.bmp", ButtonImage());
    StoreCommandLine("-w");
    app = std::make_unique<CGameApp>();
    app->mDesktopMode = {1024, 768, 8};
    gpApplication = app.get();
    ASSERT_EQ(app->Startup(), 0u);
    ASSERT_EQ(app->PrepareGame(), 0u);
    app->mModeStack = {kModeStartup};
    commander.SetApplication(app.get());
  }
  void TearDown() override {
    if (app && app->mpMainWindow) app->FinishGame();
    app.reset();
    EXPECT_TRUE(GraphicWindow::listValidWindows.empty());
    ClearMessageQueue();
    SetClockSource(nullptr);
  }

  void WriteBitmap(const std::string& name, const ControlImage& image) {
    const GamePaletteColours& palette = GamePalette();
    const std::vector<uint8_t> bytes =
        WriteBmp(image.width, image.height, image.pixels, std::vector<Rgb>(palette.begin(), palette.end()));
    files.folder.Write("data/bmp/" + name, std::string(bytes.begin(), bytes.end()));
  }

  MessageBoxWindow* Box(int32_t id) { return dynamic_cast<MessageBoxWindow*>(app->mpRootWindow->FindChild(id)); }

  // A click in the middle of a box's button, as the main window hands it on.
  void Press(MessageBoxWindow& box, uint32_t button) {
    GraphicWindow* window = box.FindChild(static_cast<int32_t>(button));
    ASSERT_NE(window, nullptr);
    int32_t x = window->Width() / 2, y = window->Height() / 2;
    window->GetRootWindow(&x, &y);
    commander.OnLeftButtonDown(x, y);
    commander.OnLeftButtonUp(x, y);
  }

  // The exit codes of the quit messages queued.
  std::vector<uintptr_t> QuitCodes() {
    std::vector<uintptr_t> codes;
    Message message;
    while (PeekMessage(message)) {
      if (message.message == WM_QUIT) codes.push_back(message.wParam);
    }
    return codes;
  }

  IsolatedFiles files;
  ManualClock clock;
  std::unique_ptr<CGameApp> app;
  GameCommander commander;
};

struct LookCase {
  const char* name;
  int32_t mode;
  // -1: no hangar window.
  int32_t hangarDay;
  const char* box;
  const char* button;
  const char* strip;
  uint32_t textColor;
};

void PrintTo(const LookCase& c, std::ostream* os) { *os << c.name; }

class MessageBoxLookTest : public GameAppMessageBoxTest, public testing::WithParamInterface<LookCase> {};

TEST_P(MessageBoxLookTest, TheBoxTakesTheLookOfTheScreenOnTop) {
  const LookCase& c = GetParam();
  int32_t day = c.hangarDay;
  if (c.hangarDay != -1) app->mpHangarDayFlag = &day;
  app->mModeStack.push_back(c.mode);
  MessageBoxWindow* box = app->ShowMessageBox(kNoticeBox, "Saved.", kBoxOk);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->mImageFileName, c.box);
  EXPECT_EQ(box->mButtonBitmap, c.button);
  EXPECT_EQ(box->mStripBitmap, c.strip);
  EXPECT_EQ(box->mTextColor, c.textColor);
  app->mpHangarDayFlag = nullptr;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, MessageBoxLookTest,
    testing::Values(LookCase{"Catalog", kModeCatalog, -1, "MBox3.bmp", "button3.bmp", "MBoxl3.bmp", 0x15184A},
                    LookCase{"Flight", kModeFlight, -1, "MBox.bmp", "button.bmp", "MBoxl.bmp", 0x10151F},
                    LookCase{"HangarByDay", kModeHangar, 1, "MBox2d.bmp", "button2d.bmp", "MBoxl2d.bmp", 0x182139},
                    LookCase{"HangarByNight", kModeHangar, 0, "MBox2.bmp", "button2.bmp", "MBoxl2.bmp", 0x191F41},
                    LookCase{"HangarWithoutItsWindow", kModeHangar, -1, "MBox2.bmp", "button2.bmp", "MBoxl2.bmp",
                             0x191F41},
                    LookCase{"MainMenu", kModeMainMenu, -1, "MBox6.bmp", "button6.bmp", "MBoxl6.bmp", 0x10151F},
                    LookCase{"Career", kModeCareer, -1, "MBox1.bmp", "button1.bmp", "MBoxl1.bmp", 0x6B524D},
                    LookCase{"Inventory", kModeInventory, -1, "MBox5.bmp", "button5.bmp", "MBoxl5.bmp", 0x15184A}),
    [](const testing::TestParamInfo<LookCase>& info) { return std::string(info.param.name); });

TEST_F(GameAppMessageBoxTest, BoxesAreCountedOpenAndClosedNeverBelowZero) {
  MessageBoxWindow* first = app->ShowMessageBox(kNoticeBox, "One", kBoxOk);
  app->ShowStringMessage(kNoticeBox + 1, 3, kBoxYes | kBoxNo);
  EXPECT_EQ(app->mOpenBoxCount, 2);
  EXPECT_EQ(first->mpParent, app->mpRootWindow);
  EXPECT_EQ(first->mpNotify, static_cast<CommandReceiver*>(app.get()));
  EXPECT_EQ(first->mCloseOnAnswer, 1);
  for (int32_t i = 0; i < 3; ++i) app->OnMessageBoxClosed();
  EXPECT_EQ(app->mOpenBoxCount, 0);
}

TEST_F(GameAppMessageBoxTest, TheCheatBoxAsksWithOkAndCancelInTheDefaultLook) {
  app->mModeStack.push_back(kModeCatalog);
  EXPECT_EQ(app->ShowTextEntryBox(), 1);
  auto* box = dynamic_cast<TextEntryMessageBox*>(app->mpRootWindow->FindChild(2015));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->mButtons, kBoxOk | kBoxCancel);
  EXPECT_EQ(box->mTextStringId, 37);
  EXPECT_EQ(box->mImageFileName, "MBox.bmp");
  EXPECT_EQ(box->mpField->mBackgroundBitmap, "MBoxCht.bmp");
  EXPECT_EQ(box->mTextColor, 0x10151Fu);
  EXPECT_EQ(app->mOpenBoxCount, 1);
  Press(*box, kBoxCancel);
  EXPECT_EQ(app->mOpenBoxCount, 0);
  EXPECT_EQ(app->mpRootWindow->FindChild(2015), nullptr);
}

TEST_F(GameAppMessageBoxTest, InFlightTheCloseRequestAsksAndEscapeAnswersNo) {
  app->mModeStack.push_back(kModeFlight);
  commander.OnCloseRequest();
  MessageBoxWindow* prompt = Box(kQuitPrompt);
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(prompt->mButtons, kBoxYes | kBoxNo);
  EXPECT_EQ(prompt->mRect, (Rect{110, 80, 530, 400})) << "centred in the root";
  EXPECT_EQ(app->mQuitPromptOpen, 1);
  commander.OnCloseRequest();
  EXPECT_EQ(app->mOpenBoxCount, 1) << "one question at a time";

  commander.OnKeyDown(VK_ESCAPE);
  commander.OnKeyUp(VK_ESCAPE);
  EXPECT_EQ(Box(kQuitPrompt), nullptr);
  EXPECT_EQ(app->mQuitPromptOpen, 0);
  EXPECT_EQ(app->mQuitConfirmed, 0);
  EXPECT_EQ(app->mOpenBoxCount, 0);
  EXPECT_EQ(app->CurrentMode(), kModeFlight);
}

TEST_F(GameAppMessageBoxTest, YesInFlightAsksAboutSavingAndANoticeThenEndsTheGame) {
  app->mModeStack.push_back(kModeFlight);
  commander.OnCloseRequest();
  Press(*Box(kQuitPrompt), kBoxYes);
  EXPECT_EQ(Box(kQuitPrompt), nullptr);
  EXPECT_EQ(app->mQuitConfirmed, 1);
  MessageBoxWindow* save = Box(kSavePrompt);
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->mButtons, kBoxYes | kBoxNo);
  EXPECT_EQ(app->mOpenBoxCount, 1);

  MessageBoxWindow* notice = app->ShowMessageBox(kNoticeBox, "Game saved!", kBoxOk);
  Press(*notice, kBoxOk);
  EXPECT_EQ(app->CurrentMode(), kModeQuit);
  EXPECT_TRUE(app->mpRootWindow->mChildren.empty()) << "every screen is gone";
  app->RunFrame();
  EXPECT_EQ(QuitCodes(), std::vector<uintptr_t>{0});
}

TEST_F(GameAppMessageBoxTest, ANoticeWithoutAConfirmedQuitLeavesTheModeAlone) {
  app->mModeStack.push_back(kModeFlight);
  Press(*app->ShowMessageBox(kNoticeBox, "Game saved!", kBoxOk), kBoxOk);
  EXPECT_EQ(app->CurrentMode(), kModeFlight);
  EXPECT_EQ(app->mOpenBoxCount, 0);
}

TEST_F(GameAppMessageBoxTest, BeforeFlightTheCloseRequestEndsTheProgramWithStatusZero) {
  commander.OnCloseRequest();
  EXPECT_EQ(app->mpRootWindow->FindChild(kQuitPrompt), nullptr);
  EXPECT_EQ(app->CurrentMode(), kModeQuit);
  app->RunFrame();
  EXPECT_EQ(QuitCodes(), std::vector<uintptr_t>{0});
}

TEST_F(GameAppMessageBoxTest, CommandTwoHundredFourShowsTheSystemReport) {
  EXPECT_TRUE(app->mCommandTable.HasRow(kCommandToggleRadio));
  ASSERT_TRUE(app->mCommandTable.HasRow(kCommandSystemReport));
  app->ExecuteCommand(kCommandSystemReport);
  MessageBoxWindow* report = Box(kNoticeBox);
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(report->mText, BuildSystemReport());
  EXPECT_EQ(report->mButtons, kBoxOk);
  EXPECT_EQ(app->mOpenBoxCount, 1);
}

TEST_F(GameAppMessageBoxTest, TheMainMenuAndFlightDrawTheirBoxes) {
  for (int32_t mode : {kModeMainMenu, kModeFlight}) {
    app->mModeStack = {kModeStartup, mode};
    app->mpScreenBuffer->ClearSurfaces(0);
    MessageBoxWindow* box = app->ShowMessageBox(kNoticeBox, "", kBoxOk);
    app->RunFrame();
    ASSERT_GT(app->mpScreenBuffer->Lock(), 0);
    const uint8_t middle = app->mpScreenBuffer->mpBits[240 * app->mpScreenBuffer->mStride + 320];
    app->mpScreenBuffer->Unlock();
    EXPECT_EQ(middle, 21) << "mode " << mode;
    box->Close();
  }
}

TEST_F(GameAppMessageBoxTest, TheClicksPlayTheDataSetsButtonSound) {
  std::string path;
  ASSERT_TRUE(gDataPaths.GetPathString(kDataSound, 0, "button.wav", path));
  const DigitalSound expected(path, 0);
  for (ControlClickSound* click : {&gPushButtonClick, &gRadioButtonClick, &gCheckBoxClick})
    EXPECT_TRUE(click->mSound == expected);
}

}  // namespace
