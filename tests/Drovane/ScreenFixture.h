#pragma once
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "Drovane/DirectDrawObject.h"
#include "Drovane/FlatImage.h"
#include "Drovane/MainWindow.h"
#include "Drovane/BackBuffer.h"
#include "Drovane/ScreenBuffer.h"
#include "platform/MessageQueue.h"
#include "platform/SystemPalette.h"
#include "platform/Window.h"

// A 640 x 480 main window with the screen buffer presenting into it, on the memory
// display; the window keeps what was presented.
class ScreenFixture : public testing::Test {
protected:
  void SetUp() override {
    platform::ResetSystemPalette();
    ASSERT_EQ(DDEnable(), 0u);
    window = new MainWindow(640, 480, 0x1B, "Screen");
    ASSERT_NE(window->mWindow, platform::kNoWindow);
    ASSERT_EQ(lpDD->SetCooperativeLevel(window->mWindow, platform::kCooperativeNormal), 0u);
  }
  void TearDown() override {
    delete screen;
    delete window;
    platform::ClearMessageQueue();
    EXPECT_EQ(lpPalette, nullptr);
    EXPECT_EQ(gSurfaceMemory, 0);
    EXPECT_EQ(gLockCount, 0);
    DDDisable();
  }

  void MakeScreen(int32_t windowed, const uint32_t* colours) {
    screen = new ScreenBuffer(window, 640, 480, colours, 1, windowed, 0);
    ASSERT_EQ(screen->mValid, 1);
    window->SetBackBuffer(screen);
    window->UpdateScreenRects();
  }

  platform::WindowPicture Shown() const {
    platform::WindowPicture picture;
    EXPECT_TRUE(platform::GetWindowPicture(window->mWindow, picture));
    return picture;
  }

  // A palette whose colour i is (i, 255 - i, i / 2).
  static std::array<uint32_t, 256> Ramp() {
    std::array<uint32_t, 256> colours{};
    for (uint32_t i = 0; i < 256; ++i) colours[i] = i << 16 | (255 - i) << 8 | i / 2;
    return colours;
  }

  MainWindow* window = nullptr;
  ScreenBuffer* screen = nullptr;
};
