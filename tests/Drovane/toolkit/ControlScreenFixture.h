#pragma once
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "Drovane/DataPaths.h"
#include "Drovane/ScreenFixture.h"
#include "Drovane/toolkit/GraphicWindow.h"
#include "Drovane/toolkit/WindowManager.h"
#include "imagefiles/BmpWriter.h"
#include "imagefiles/ControlImages.h"
#include "imagefiles/GamePalette.h"
#include "support/TempFolder.h"

// The screen buffer in the game's palette with a window manager, the bitmap folder in a
// temporary folder and the controls' colour key, for pictures of controls drawn from the
// generator's images.
class ControlScreenFixture : public ScreenFixture {
protected:
  void SetUp() override {
    ScreenFixture::SetUp();
    mRootA = gDataPaths.RootA();
    mRootB = gDataPaths.RootB();
    gDataPaths.SetRoots(folder.Game("data"), folder.Game("none"));
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
    ScreenFixture::TearDown();
  }

  // A bitmap in the bitmap folder.
  void Write(const std::string& name, const ControlImage& image) {
    const GamePaletteColours& palette = GamePalette();
    const std::vector<uint8_t> bytes =
        WriteBmp(image.width, image.height, image.pixels, std::vector<platform::Rgb>(palette.begin(), palette.end()));
    folder.Write("data/bmp/" + name, std::string(bytes.begin(), bytes.end()));
  }

  TempFolder folder;
  WindowManager manager;
  std::array<uint32_t, 256> colours{};

private:
  std::string mRootA;
  std::string mRootB;
};
