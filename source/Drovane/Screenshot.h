#pragma once
#include <cstdint>
#include <functional>
#include <string>

// The frame a screenshot saves: 8-bit pixels, height rows of width bytes, pitch bytes apart.
// No pixels or a size of 0 means there is no frame to save.
struct ScreenshotFrame {
  const uint8_t* pixels = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  int32_t pitch = 0;
};

// Who knows the frame: the game sets it to the 3D view's frame while the view is drawn.
// Without a provider there is no frame.
using ScreenshotFrameProvider = std::function<ScreenshotFrame()>;
void SetScreenshotFrameProvider(ScreenshotFrameProvider provider);

// Saves the frame as the first free name of "screen00.pcx", "screen01.pcx", ... in the
// written-files folder. Nothing is written without a frame; a failed write leaves no file
// and says so in a debug line. 1 when a file was written, else 0.
int32_t SaveScreenshot();

// Writes the frame, with the system palette, as a PCX file; nothing without a frame. 1 when
// the file was written, 0 otherwise (the file is then as it was).
int32_t WriteScreenshotPcx(const std::string& fileName);
