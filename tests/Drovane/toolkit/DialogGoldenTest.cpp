#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Drovane/toolkit/ButtonWindow.h"
#include "Drovane/toolkit/CheckBoxWindow.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/ControlScreenFixture.h"
#include "Drovane/toolkit/RadioButtonWindow.h"
#include "Drovane/toolkit/RadioGroupWindow.h"
#include "Drovane/toolkit/TextWindow.h"
#include "imagefiles/ControlImages.h"
#include "support/ImageCheck.h"

using platform::Rect;

namespace {

// A small dialog of every control in each state, built on the generator's control images
// and composed through the root into the screen buffer.
class DialogGoldenTest : public ControlScreenFixture {
protected:
  void SetUp() override {
    ControlScreenFixture::SetUp();
    Write("button.bmp", ButtonImage());
    Write("check.bmp", CheckBoxImage());
    Write("radio.bmp", RadioButtonImage());
    Write("dialog.bmp", {320, 220, std::vector<uint8_t>(320 * 220, 21)});
  }

  template <class Control>
  Control* Add(Control* control, const char* caption = "") {
    control->SetCaption(caption);
    control->Initialize();
    if (*caption) texts.push_back(control);
    return control;
  }
  TextWindow* Label(GraphicWindow* parent, const Rect& rect, const char* text) {
    auto* label = new TextWindow(rect, 0, std::string(text), parent, nullptr, 1);
    texts.push_back(label);
    return label;
  }
  // Where a window lies on the screen.
  static Rect OnScreen(GraphicWindow* window) {
    int32_t x = 0, y = 0;
    window->GetRootWindow(&x, &y);
    return {x, y, x + window->Width(), y + window->Height()};
  }

  // The windows showing text, whose pixels are checked by checksum.
  std::vector<GraphicWindow*> texts;
};

TEST_F(DialogGoldenTest, ComposesEveryControlIntoTheScreen) {
  std::unique_ptr<ContainerWindow> root = std::make_unique<ContainerWindow>(Rect{0, 0, 640, 480}, 0, screen, nullptr, 1);
  manager.SetRootWindow(root.get());
  auto* dialog = new GraphicWindow("dialog.bmp", {0, 0, 1, 1}, 1, root.get(), nullptr, 1, -1);
  dialog->CenterInRect(*root);

  auto* title = Label(dialog, {10, 6, 310, 28}, "Options");
  title->SetFontAttributes(16, 0, 0);
  title->SetTextOptions(kTextCenter);

  auto* group = new RadioGroupWindow(20, dialog, nullptr, 1);
  const char* choices[] = {"Low", "Medium", "High"};
  for (int32_t i = 0; i < 3; ++i) {
    Add(new CheckBoxWindow({20, 40 + 25 * i, 0, 0}, 10 + i, dialog, nullptr, nullptr, 1));
    Label(dialog, {44, 40 + 25 * i, 150, 60 + 25 * i}, choices[i]);
    Add(new RadioButtonWindow(group, {170, 40 + 25 * i, 0, 0}, 21 + i, dialog, nullptr, nullptr, 1));
    Label(dialog, {194, 40 + 25 * i, 300, 60 + 25 * i}, choices[i]);
  }
  static_cast<CheckBoxWindow*>(dialog->FindChild(10))->SetState(kButtonDown);
  static_cast<CheckBoxWindow*>(dialog->FindChild(12))->SetState(kButtonDown);
  static_cast<CheckBoxWindow*>(dialog->FindChild(12))->Disable();
  group->SelectIndex(1);
  static_cast<RadioButtonWindow*>(dialog->FindChild(23))->Disable();

  auto* note = Label(dialog, {20, 118, 300, 170}, "A framed text on a filled background wraps its words inside.");
  note->SetFillBackground(1);
  note->SetUserValue(1);

  const uint32_t navy = 0x000040;
  auto* ok = new ButtonWindow({20, 178, 0, 0}, 1001, dialog, nullptr, nullptr, 1);
  ok->SetCaptionColors(&navy, nullptr);
  Add(ok, "OK");
  Add(new ButtonWindow({120, 178, 0, 0}, 1002, dialog, nullptr, nullptr, 1), "Cancel")->SetState(kButtonDown);
  Add(new ButtonWindow({220, 178, 0, 0}, 1003, dialog, nullptr, nullptr, 1), "Help")->Disable();

  manager.DrawWindows();
  std::vector<Rect> leftOut;
  for (GraphicWindow* window : texts) leftOut.push_back(OnScreen(window));
  EXPECT_TRUE(MatchesGoldenImage(*screen, GamePalette(), "toolkit_dialog", leftOut));

  // The text drawn by the TrueType service, a row each, in the order the windows were made.
  struct TextRow {
    const char* name;
    uint32_t checksum;
  };
  const TextRow rows[] = {
      {"title", 0x330FAFFE},           {"label_low", 0x06B2309B},     {"label_low_2", 0x06B2309B},
      {"label_medium", 0x42BE04D9},    {"label_medium_2", 0x42BE04D9}, {"label_high", 0xFD33EC4E},
      {"label_high_2", 0xFD33EC4E},    {"framed_note", 0x17950A6F},   {"button_ok", 0xCF38F175},
      {"button_pressed", 0x1979ED96},  {"button_disabled", 0xEEE07D26},
  };
  ASSERT_GT(screen->Lock(), 0);
  const FrameView frame{screen->mpBits, screen->mWidth, screen->mHeight, screen->mStride};
  ASSERT_EQ(leftOut.size(), std::size(rows));
  for (size_t i = 0; i < leftOut.size(); ++i) {
    EXPECT_TRUE(MatchesTextChecksum(FrameRegion(frame, leftOut[i]), GamePalette(),
                                    std::string("toolkit_dialog_") + rows[i].name, rows[i].checksum));
  }
  screen->Unlock();
}

}  // namespace
