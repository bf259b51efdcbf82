#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Drovane/DataPaths.h"
#include "Drovane/toolkit/GraphicWindow.h"
#include "Drovane/toolkit/WindowManager.h"
#include "Drovane/DisplayFixture.h"
#include "imagefiles/BmpWriter.h"
#include "imagefiles/ControlStrip.h"
#include "imagefiles/GamePalette.h"
#include "support/TempFolder.h"

// A window manager on memory surfaces, with the bitmap folder in a temporary folder. Every
// window a test made must be gone by its end, and the toolkit's lists empty.
class ToolkitFixture : public DisplayFixture {
protected:
  void SetUp() override {
    DisplayFixture::SetUp();
    mRootA = gDataPaths.RootA();
    mRootB = gDataPaths.RootB();
    gDataPaths.SetRoots(folder.Game("data"), folder.Game("none"));
    GraphicWindow::defaultTransparentIndex = kControlTransparentIndex;
  }
  void TearDown() override {
    EXPECT_TRUE(GraphicWindow::listValidWindows.empty());
    EXPECT_TRUE(GraphicWindow::listInputWindows.empty());
    EXPECT_TRUE(GraphicWindow::listModalWindows.empty());
    EXPECT_EQ(GraphicWindow::captureWindow, nullptr);
    EXPECT_EQ(manager.mDispatchDepth, 0);
    EXPECT_TRUE(manager.mDeleteQueue.empty());
    GraphicWindow::defaultTransparentIndex = -1;
    gDataPaths.SetRoots(mRootA, mRootB);
    DisplayFixture::TearDown();
  }

  // An 8-bit bitmap in the bitmap folder.
  void WriteBitmap(const std::string& name, int32_t width, int32_t height, const std::vector<uint8_t>& pixels) {
    const GamePaletteColours& palette = GamePalette();
    const std::vector<uint8_t> bytes =
        WriteBmp(width, height, pixels, std::vector<platform::Rgb>(palette.begin(), palette.end()));
    folder.Write("data/bmp/" + name, std::string(bytes.begin(), bytes.end()));
  }

  // A bitmap of one colour.
  void WritePlainBitmap(const std::string& name, int32_t width, int32_t height, uint8_t index) {
    WriteBitmap(name, width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height, index));
  }

  // A strip whose frame n is filled with palette index firstIndex + n.
  void WriteNumberedStrip(const std::string& name, int32_t frameWidth, int32_t height, int32_t frames,
                          uint8_t firstIndex) {
    std::vector<uint8_t> pixels;
    for (int32_t y = 0; y < height; ++y) {
      for (int32_t x = 0; x < frameWidth * frames; ++x) pixels.push_back(static_cast<uint8_t>(firstIndex + x / frameWidth));
    }
    WriteBitmap(name, frameWidth * frames, height, pixels);
  }

  static uint8_t PixelAt(CBackBuffer& buffer, int32_t x, int32_t y) {
    return PixelRows(buffer).at(static_cast<size_t>(y)).at(static_cast<size_t>(x));
  }

  TempFolder folder;
  WindowManager manager;

private:
  std::string mRootA;
  std::string mRootB;
};

// Records every command it receives and may run an action on one.
class RecordingReceiver : public CommandReceiver {
public:
  struct Command {
    GraphicWindow* sender;
    int32_t id;
    int32_t code;
    intptr_t value;
  };

  int32_t DoCommand(GraphicWindow* sender, int32_t senderId, int32_t code, intptr_t value) override {
    commands.push_back({sender, senderId, code, value});
    if (action) action(sender);
    return 0;
  }

  std::vector<Command> commands;
  std::function<void(GraphicWindow*)> action;
};
