#include <gtest/gtest.h>

#include "Drovane/BackBuffer.h"
#include "Drovane/StringTableFixture.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/FramedWindow.h"
#include "Drovane/toolkit/TextWindow.h"
#include "Drovane/toolkit/ToolkitFixture.h"

using platform::Rect;

namespace {

class TextWindowTest : public ToolkitFixture {
protected:
  static int32_t LineHeight(const GdiFont& font) {
    int32_t width = 0, height = 0;
    EXPECT_EQ(font.MeasureText(nullptr, &width, &height), 1);
    return height;
  }
};

TEST_F(TextWindowTest, ConstructionDefaults) {
  auto* window = new TextWindow({0, 0, 100, 20}, 3, std::string("Hello"), nullptr, nullptr, 1);
  EXPECT_EQ(window->mCaption, "Hello");
  EXPECT_EQ(window->mTextColor, 0u);
  EXPECT_EQ(window->mBackgroundColor, 255);
  EXPECT_EQ(window->mFillBackground, 0);
  EXPECT_EQ(window->mTextOptions, 0u);
  EXPECT_EQ(window->mFont.mFace, "arial");
  EXPECT_EQ(window->mFont.mHeight, 12);
  EXPECT_NE(window->mFont.mhFont, nullptr);
  delete window;
}

TEST_F(TextWindowTest, FitHeightToLinesCutsToWholeLinesAndAlwaysMarksDirty) {
  auto* window = new TextWindow({0, 0, 100, 20}, 1, std::string("x"), nullptr, nullptr, 1);
  window->SetFontAttributes(16, 0, 0);
  const int32_t line = LineHeight(window->mFont);
  ASSERT_GT(line, 0);
  window->Resize(-1, 3 * line + line / 2);
  window->FitHeightToLines();
  EXPECT_EQ(window->Height(), 3 * line);
  EXPECT_EQ(window->Width(), 100);
  window->SetDirty(0, 1);
  window->FitHeightToLines();
  EXPECT_EQ(window->Height(), 3 * line);
  EXPECT_EQ(window->mDirty, 1);
  delete window;
}

TEST_F(TextWindowTest, SizeToTextAddsSevenByThree) {
  auto* window = new TextWindow({4, 5, 300, 200}, 1, std::string("Sixty pixels"), nullptr, nullptr, 1);
  int32_t width = 0, height = 0;
  ASSERT_EQ(window->mFont.MeasureText("Sixty pixels", &width, &height), 1);
  window->SizeToText();
  EXPECT_EQ(window->mRect, (Rect{4, 5, 4 + width + 7, 5 + height + 3}));
  delete window;
}

TEST_F(TextWindowTest, StringIdLoadsTheCurrentLanguageWithTheMarkedFallback) {
  ScopedStringTable table({{0, "English"}, {1, "English"}, {2000, "Francais"}, {40, "Only in English"},
                           {2041, "Bonjour"}, {41, "Hello"}});
  SetCurrentLanguage(3);
  auto* window = new TextWindow({0, 0, 100, 20}, 1, 40, nullptr, nullptr, 1);
  EXPECT_EQ(window->mCaption, "Only in English(!)");
  EXPECT_EQ(window->mStringId, 40);
  window->SetDirty(0, 1);
  window->SetStringId(41);
  EXPECT_EQ(window->mCaption, "Bonjour");
  EXPECT_EQ(window->mDirty, 1);
  delete window;
}

TEST_F(TextWindowTest, SettersMarkDirtyButTheFillFlagWaits) {
  auto* window = new TextWindow({0, 0, 100, 20}, 1, std::string("x"), nullptr, nullptr, 1);
  const uint32_t red = 0xFF0000;
  const std::vector<std::function<void()>> markers = {[&] { window->SetText("y"); },
                                                     [&] { window->SetTextOptions(kTextCenter); },
                                                     [&] { window->SetTextColor(&red); },
                                                     [&] { window->SetCaption("z"); }};
  for (const auto& mark : markers) {
    window->SetDirty(0, 1);
    mark();
    EXPECT_EQ(window->mDirty, 1);
  }
  window->SetDirty(0, 1);
  window->SetFillBackground(1);
  EXPECT_EQ(window->mDirty, 0);
  EXPECT_EQ(window->mTextColor, red);
  delete window;
}

TEST_F(TextWindowTest, BackgroundFillCoversOnlyTheWindowAndFrameFollowsTheUserValue) {
  CBackBuffer screen(60, 40);
  auto* root = new ContainerWindow({0, 0, 60, 40}, 0, &screen, nullptr, 1);
  auto* text = new TextWindow({10, 10, 30, 20}, 1, std::string(""), root, nullptr, 1);
  text->SetFillBackground(1);
  root->Draw();
  EXPECT_EQ(PixelAt(screen, 10, 10), 255);
  EXPECT_EQ(PixelAt(screen, 29, 19), 255);
  EXPECT_EQ(PixelAt(screen, 30, 19), 0);
  EXPECT_EQ(PixelAt(screen, 9, 10), 0);
  delete root;
}

TEST_F(TextWindowTest, ContainerRepaintsEveryTopLevelWindowOnEachDraw) {
  // Counts its paints.
  class Counting : public GraphicWindow {
  public:
    using GraphicWindow::GraphicWindow;
    int32_t DrawContents() override { return ++paints; }
    int32_t paints = 0;
  };
  CBackBuffer screen(60, 40);
  auto* root = new ContainerWindow({0, 0, 60, 40}, 0, &screen, nullptr, 1);
  auto* first = new Counting({0, 0, 10, 10}, 1, root, nullptr, 1);
  auto* second = new Counting({10, 0, 20, 10}, 2, root, nullptr, 1);
  auto* nested = new Counting({0, 0, 5, 5}, 3, first, nullptr, 1);
  root->Draw();
  root->Draw();
  EXPECT_EQ(first->paints, 2);
  EXPECT_EQ(second->paints, 2);
  EXPECT_EQ(nested->paints, 1);
  delete root;
}

TEST_F(TextWindowTest, FramedWindowFillsItsOwnAreaAndFrames) {
  CBackBuffer screen(40, 40);
  auto* root = new ContainerWindow({0, 0, 40, 40}, 0, &screen, nullptr, 1);
  auto* framed = new FramedWindow({5, 5, 15, 15}, 1, root, nullptr, 1);
  const uint32_t black = 0;
  framed->SetColors(&black, 96);
  framed->SetStyle(1, 1);
  root->Draw();
  EXPECT_EQ(PixelAt(screen, 10, 10), 96);
  EXPECT_EQ(PixelAt(screen, 20, 20), 0);
  EXPECT_EQ(PixelAt(screen, 15, 15), 0);  // the frame's corner, in black
  delete root;
}

}  // namespace
