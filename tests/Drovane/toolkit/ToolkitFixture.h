#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Drovane/BackBuffer.h"
#include "Drovane/DataPaths.h"
#include "Drovane/toolkit/ContainerWindow.h"
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
    delete rootWindow;
    rootImage.reset();
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

  // The three control bitmaps with frames filled with their own colour: push button
  // 100-102 (10 x 8), check box 110-113 and radio button 120-123 (6 x 6).
  void WriteNumberedControlStrips() {
    WriteNumberedStrip("button.bmp", 10, 8, 3, 100);
    WriteNumberedStrip("check.bmp", 6, 6, 4, 110);
    WriteNumberedStrip("radio.bmp", 6, 6, 4, 120);
  }

  static uint8_t PixelAt(CBackBuffer& buffer, int32_t x, int32_t y) {
    return PixelRows(buffer).at(static_cast<size_t>(y)).at(static_cast<size_t>(x));
  }

  // A root container over an image of its own, handed to the window manager; both go at
  // the end of the test.
  void MakeRoot(int32_t width, int32_t height) {
    rootImage = std::make_unique<CBackBuffer>(width, height);
    rootWindow = new ContainerWindow({0, 0, width, height}, 0, rootImage.get(), nullptr, 1);
    manager.SetRootWindow(rootWindow);
  }

  TempFolder folder;
  WindowManager manager;
  std::unique_ptr<CBackBuffer> rootImage;
  ContainerWindow* rootWindow = nullptr;

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
