#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/ControlScreenFixture.h"
#include "Drovane/toolkit/ScrollBarWindow.h"
#include "Drovane/toolkit/SliderWindow.h"
#include "Drovane/toolkit/TextListWindow.h"
#include "imagefiles/ScrollImages.h"
#include "support/ImageCheck.h"

using platform::Rect;

namespace {

// A list with its scroll bar and a slider each way, on the generator's images, composed
// through the root into the screen buffer.
class ListAndSlidersGoldenTest : public ControlScreenFixture {
protected:
  void SetUp() override {
    ControlScreenFixture::SetUp();
    Write("scroll.bmp", ScrollStripImage());
    Write("sliderth.bmp", SliderThumbImage(false));
    Write("slidertv.bmp", SliderThumbImage(true));
    Write("sliderbh.bmp", SliderTrackImage(false));
    Write("sliderbv.bmp", SliderTrackImage(true));
    Write("panel.bmp", {360, 250, std::vector<uint8_t>(360 * 250, 21)});
  }
};

TEST_F(ListAndSlidersGoldenTest, ComposesAListAndSlidersIntoTheScreen) {
  auto root = std::make_unique<ContainerWindow>(Rect{0, 0, 640, 480}, 0, screen, nullptr, 1);
  manager.SetRootWindow(root.get());
  auto* panel = new GraphicWindow("panel.bmp", {0, 0, 1, 1}, 1, root.get(), nullptr, 1, -1);
  panel->CenterInRect(*root);

  auto* list = new TextListWindow({20, 20, 240, 150}, 2, panel, nullptr, 1);
  list->Initialize();
  for (int32_t i = 1; i <= 30; ++i) list->InsertItem("Mission log line " + std::to_string(i), -1);
  list->FitHeightToLines();
  list->AddScrollBars(1, 0, nullptr);
  list->SetSelection(4);
  list->SetTopLine(3);

  auto* across = new SliderWindow({20, 190, 21, 191}, 3, 0, panel, nullptr, 1, nullptr, nullptr, 8);
  across->Initialize();
  across->SetMaximum(10);
  across->SetValue(7);
  auto* upright = new SliderWindow({280, 20, 281, 21}, 4, 1, panel, nullptr, 1, nullptr, nullptr, 8);
  upright->Initialize();
  upright->SetMaximum(10);
  upright->SetValue(3);

  manager.DrawWindows();

  // The lines' text, a checksum row each, left out of the picture: from the text inset to
  // the bar. The second line is the selected one.
  int32_t listX = 0;
  int32_t listY = 0;
  list->GetRootWindow(&listX, &listY);
  std::vector<Rect> lines;
  for (int32_t line = 0; line < list->mVisibleLines; ++line) {
    const int32_t top = listY + line * list->mLineHeight;
    lines.push_back({listX + 5, top, listX + list->Width() - 16, top + list->mLineHeight});
  }
  EXPECT_TRUE(MatchesGoldenImage(*screen, GamePalette(), "toolkit_list_and_sliders", lines));

  const std::vector<uint32_t> checksums = {0xCE06D1A2, 0xF521961D, 0xCD5A8B8D, 0x4BDEF964, 0xA6175086,
                                           0xC0DE6E8D, 0x13BACDB8, 0x5F45B7FB, 0xA0D1DCD0, 0xBCF42291};
  ASSERT_GT(screen->Lock(), 0);
  const FrameView frame{screen->mpBits, screen->mWidth, screen->mHeight, screen->mStride};
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_TRUE(MatchesTextChecksum(FrameRegion(frame, lines[i]), GamePalette(),
                                    "toolkit_list_line_" + std::to_string(i), i < checksums.size() ? checksums[i] : 0));
  }
  screen->Unlock();
  EXPECT_EQ(lines.size(), checksums.size());
}

}  // namespace
