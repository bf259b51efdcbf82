#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "Drovane/DataPaths.h"
#include "Drovane/ScreenFixture.h"
#include "Drovane/StringTableFixture.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/WindowManager.h"
#include "imagefiles/GamePalette.h"
#include "platform/Clock.h"
#include "platform/Process.h"
#include "screens/MessageBoxButtons.h"
#include "screens/MessageBoxWindow.h"
#include "support/ImageCheck.h"
#include "support/TempFolder.h"

using platform::Rect;

namespace {

// The default look's box from the generated data set, composed through the root into the
// screen buffer.
class MessageBoxGoldenTest : public ScreenFixture {
protected:
  void SetUp() override {
    ScreenFixture::SetUp();
    platform::SetClockSource(&clock);
    mRootA = gDataPaths.RootA();
    mRootB = gDataPaths.RootB();
    gDataPaths.SetRoots(folder.Game("program"), platform::ToGamePath(HALVORINE_DATA_SET));
    GraphicWindow::defaultTransparentIndex = 254;
    for (size_t i = 0; i < 256; ++i) {
      const platform::Rgb& c = GamePalette()[i];
      colours[i] = static_cast<uint32_t>(c.red) << 16 | static_cast<uint32_t>(c.green) << 8 | c.blue;
    }
    MakeScreen(1, colours.data());
  }
  void TearDown() override {
    GraphicWindow::defaultTransparentIndex = -1;
    gDataPaths.SetRoots(mRootA, mRootB);
    platform::SetClockSource(nullptr);
    ScreenFixture::TearDown();
  }

  // Where a rectangle of the box lies on the screen.
  static Rect OnScreen(GraphicWindow& box, const Rect& r) {
    int32_t x = 0, y = 0;
    box.GetRootWindow(&x, &y);
    return {x + r.left, y + r.top, x + r.right, y + r.bottom};
  }

  platform::ManualClock clock;
  TempFolder folder;
  WindowManager manager;
  ScopedStringTable strings{{{20, "OK"}, {21, "Cancel"}}};
  std::array<uint32_t, 256> colours{};

private:
  std::string mRootA;
  std::string mRootB;
};

TEST_F(MessageBoxGoldenTest, TheDefaultBoxWithItsTextTwoButtonsAndFirstStripFrame) {
  auto root = std::make_unique<ContainerWindow>(Rect{0, 0, 640, 480}, 0, screen, nullptr, 1);
  manager.SetRootWindow(root.get());
  auto* box = new MessageBoxWindow({0, 0, 0, 0}, kBoxOk | kBoxCancel,
                                   std::string("Joysticks have changed since last play. Set them up during play."), 2010,
                                   root.get(), nullptr, 1, 1, "MBox.bmp", "button.bmp", "MBoxl.bmp");
  const uint32_t text = 0x10151F, caption = 0x0A85DA, pressed = 0xD3DAFF;
  box->SetTextColor(&text);
  box->SetButtonColors(&caption, &pressed);
  box->Initialize();
  box->CenterInRect(*root);
  ASSERT_EQ(box->Width(), 420);
  ASSERT_EQ(box->Height(), 320);
  manager.DrawWindows();

  struct TextRow {
    const char* name;
    Rect area;
    uint32_t checksum;
  };
  const TextRow rows[] = {
      {"text", {98, 78, 368, 200}, 0x70C33A05},
      {"button_ok", {198, 261, 270, 286}, 0x1A76DB5D},
      {"button_cancel", {298, 261, 370, 286}, 0xA75C6185},
  };
  std::vector<Rect> leftOut;
  for (const TextRow& row : rows) leftOut.push_back(OnScreen(*box, row.area));
  EXPECT_TRUE(MatchesGoldenImage(*screen, GamePalette(), "message_box_default", leftOut));
  ASSERT_GT(screen->Lock(), 0);
  const FrameView frame{screen->mpBits, screen->mWidth, screen->mHeight, screen->mStride};
  for (size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_TRUE(MatchesTextChecksum(FrameRegion(frame, leftOut[i]), GamePalette(),
                                    std::string("message_box_default_") + rows[i].name, rows[i].checksum));
  }
  screen->Unlock();
  manager.SetRootWindow(nullptr);
}

}  // namespace
