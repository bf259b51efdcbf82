#pragma once
#include <cstdint>

#include "platform/SystemVersion.h"

class CBackBuffer;
class MainWindow;

// State bits of CApplication::mFlags, shared by the message loop and the top-level window.
constexpr uint32_t kAppRunning = 1;
constexpr uint32_t kAppActive = 2;
constexpr uint32_t kAppLeftButtonHeld = 4;
constexpr uint32_t kAppRightButtonHeld = 8;

// The framework's application base: the state the message loop and the main window share,
// the system's version class and the main window's factory. The game derives its one
// application object from it; the program entry drives it through the operations below.
class CApplication {
public:
  CApplication();
  virtual ~CApplication();
  CApplication(const CApplication&) = delete;
  CApplication& operator=(const CApplication&) = delete;

  // The main window of the given picture size, style flags and title; null when it
  // cannot be allocated.
  virtual MainWindow* CreateMainWindow(int32_t width, int32_t height, uint32_t styleFlags, const char* title);
  // The game's start-up; 0 lets the run go on, anything else ends it.
  virtual uint32_t Startup() = 0;
  // 0 when the window and the game are ready; anything else ends the run.
  virtual uint32_t PrepareGame() = 0;
  // One frame, called by the message loop whenever the queue is empty.
  virtual uint32_t RunFrame() = 0;
  virtual uint32_t FinishGame() = 0;

  // A back buffer loaded from a bitmap file, or of a size; null when it cannot be
  // allocated. Buffers take the screen's palette, so the palette argument changes nothing.
  CBackBuffer* CreateBackBufferFromFile(const char* imageFileName);
  CBackBuffer* CreateBackBuffer(int32_t width, int32_t height, const uint32_t* paletteEntries);

  // The version class of the system: 1 a 16-bit based 3.x below 3.50, 2 a 32-bit 3.x below
  // 3.50, 3 any other version below 4, 4 version 4 or later. Also stored in mOSVersion.
  int32_t DetectOSVersion(uint32_t versionWord = platform::GetVersion());

  // 256 colours, each 0x00RRGGBB; null until a screen installs a palette.
  uint32_t* mpPalette = nullptr;
  int32_t mOSVersion = 0;
  uint32_t mFlags = 0;
};

// The one application object; null until the program entry has made it.
extern CApplication* gpApplication;
// The application's small global block; null when there is none.
extern void* gMemoryPool;
