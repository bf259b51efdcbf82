#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Drovane/BackBuffer.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "platform/VirtualKeys.h"
#include "screens/MessageBoxButtons.h"
#include "screens/ScreensFixture.h"
#include "screens/TextEntryField.h"
#include "screens/TextEntryMessageBox.h"

using platform::Rect;

namespace {

class TextEntryFieldTest : public ScreensFixture {
protected:
  void SetUp() override {
    ScreensFixture::SetUp();
    WritePlainBitmap("panel.bmp", 300, 120, 21);
    WritePlainBitmap("field.bmp", 270, 100, 30);
    panel = std::make_unique<GraphicWindow>("panel.bmp", Rect{0, 0, 1, 1}, 1, nullptr, nullptr, 0, -1);
  }
  void TearDown() override {
    panel.reset();
    ScreensFixture::TearDown();
  }

  TextEntryField* MakeField(const std::string& text = "") {
    auto* field = new TextEntryField({10, 10, 280, 110}, 0, text, panel.get(), nullptr, 1, "field.bmp");
    field->Initialize();
    return field;
  }
  static std::string Text(const TextEntryField& field) {
    std::string text;
    field.GetText(text);
    return text;
  }

  std::unique_ptr<GraphicWindow> panel;
};

TEST_F(TextEntryFieldTest, TypingGoesBeforeTheCaretAndControlCharactersAreIgnored) {
  TextEntryField* field = MakeField("ab");
  EXPECT_EQ(field->mCaption, "ab_");
  EXPECT_EQ(GraphicWindow::listInputWindows.front(), field);
  EXPECT_EQ(field->OnChar('c'), 1);
  EXPECT_EQ(field->OnChar(0xE9), 1);
  for (uint32_t control : {9u, 10u, 13u, 27u, 8u}) EXPECT_EQ(field->OnChar(control), 0) << control;
  EXPECT_EQ(field->OnChar(0x20AC), 0) << "no single character";
  EXPECT_EQ(field->OnKeyDown(platform::VK_RETURN, 0), 1);
  EXPECT_EQ(field->OnKeyDown(platform::VK_ESCAPE, 0), 1) << "Escape is the field's too";
  EXPECT_EQ(Text(*field), "abc\xE9");
  EXPECT_EQ(field->mCaption, "abc\xE9_");
}

TEST_F(TextEntryFieldTest, BackspaceAndDeleteTakeTheLastCharacterAndNothingOfAnEmptyField) {
  TextEntryField* field = MakeField("xyz");
  field->OnKeyDown(platform::VK_BACK, 0);
  field->OnKeyDown(platform::VK_DELETE, 0);
  EXPECT_EQ(field->mCaption, "x_");
  EXPECT_EQ(field->DeleteLastChar(), 1);
  EXPECT_EQ(field->DeleteLastChar(), 0);
  field->OnKeyDown(platform::VK_BACK, 0);
  EXPECT_EQ(field->mCaption, "_");
  EXPECT_EQ(Text(*field), "");
}

TEST_F(TextEntryFieldTest, TheBoxsFieldTakes127CharactersAndRefusesThe128th) {
  RecordingReceiver owner;
  WritePlainBitmap("MBox.bmp", 420, 320, 21);
  auto* box = new TextEntryMessageBox({0, 0, 0, 0}, kBoxOk | kBoxCancel, 3, "", 2015, panel.get(), &owner, 1, 1,
                                      "field.bmp", "MBox.bmp", "button.bmp", "");
  box->Initialize();
  EXPECT_EQ(GraphicWindow::listInputWindows.front(), box->mpField);
  EXPECT_EQ(box->mpField->mRect, (Rect{100, 100, 370, 200}));
  for (int32_t i = 0; i < 127; ++i) ASSERT_EQ(manager.OnChar('a' + i % 26), 1) << i;
  EXPECT_EQ(manager.OnChar('z'), 0);
  std::string text;
  box->GetText(text);
  EXPECT_EQ(text.size(), 127u);
  EXPECT_EQ(manager.OnKeyDown(platform::VK_ESCAPE, 0), 1);
  EXPECT_TRUE(owner.commands.empty()) << "the box is answered by its buttons";

  owner.action = [&text](GraphicWindow* sender) { static_cast<TextEntryMessageBox*>(sender)->GetText(text); };
  text.clear();
  box->DoCommand(box->FindChild(kBoxOk), kBoxOk, kControlChanged, 0);
  ASSERT_EQ(owner.commands.size(), 1u);
  EXPECT_EQ(owner.commands[0].code, static_cast<int32_t>(kBoxOk));
  EXPECT_EQ(text.size(), 127u) << "the owner reads the text as the answer arrives";
  EXPECT_FALSE(GraphicWindow::IsValidWindow(box));
}

TEST_F(TextEntryFieldTest, TheCaretBlinksEverySevenTenthsOfASecond) {
  TextEntryField* field = MakeField("go");
  panel->Draw();
  EXPECT_FALSE(field->NeedsRedraw());
  clock.counter += 700000;
  EXPECT_FALSE(field->NeedsRedraw());
  clock.counter += 1;
  panel->Draw();
  EXPECT_EQ(field->mCaption, "go ");
  clock.counter += 700001;
  panel->Draw();
  EXPECT_EQ(field->mCaption, "go_");
  EXPECT_EQ(Text(*field), "go");
}

TEST_F(TextEntryFieldTest, DrawsItsBackgroundAtItsPlace) {
  MakeField();
  panel->Draw();
  EXPECT_EQ(PixelAt(*panel->mpImage, 9, 9), 21);
  EXPECT_EQ(PixelAt(*panel->mpImage, 279, 109), 30);
  EXPECT_EQ(PixelAt(*panel->mpImage, 280, 110), 21);
}

TEST_F(TextEntryFieldTest, GetTextCharsCopiesTheCaretOnlyWhenThereIsRoomAndNeverPastTheBuffer) {
  TextEntryField* field = MakeField("abc");
  char buffer[8];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(field->GetTextChars(buffer, 7), 4);
  EXPECT_STREQ(buffer, "abc_");
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(field->GetTextChars(buffer, 3), 2);
  EXPECT_STREQ(buffer, "ab");
  EXPECT_EQ(buffer[3], '#') << "nothing past the size given";
  EXPECT_EQ(field->GetTextChars(buffer, 0), 0);
  EXPECT_EQ(buffer[0], 'a');
}

}  // namespace
