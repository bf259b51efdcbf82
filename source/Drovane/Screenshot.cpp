#include "Drovane/Screenshot.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "Drovane/DataPaths.h"
#include "Drovane/DebugLog.h"
#include "Drovane/PcxImage.h"
#include "platform/FileHandle.h"
#include "platform/SystemPalette.h"
#include "platform/WholeFile.h"

namespace {

ScreenshotFrameProvider& Provider() {
  static ScreenshotFrameProvider provider;
  return provider;
}

constexpr uint32_t kNumbers = 0x10000;

ScreenshotFrame CurrentFrame() {
  ScreenshotFrame frame = Provider() ? Provider()() : ScreenshotFrame{};
  if (!frame.pixels || frame.width <= 0 || frame.height <= 0 || frame.pitch < frame.width) return {};
  return frame;
}

std::string ScreenshotName(uint32_t number) {
  char name[32];
  std::snprintf(name, sizeof name, "screen%02u.pcx", number);
  return name;
}

}  // namespace

void SetScreenshotFrameProvider(ScreenshotFrameProvider provider) { Provider() = std::move(provider); }

int32_t WriteScreenshotPcx(const std::string& fileName) {
  const ScreenshotFrame frame = CurrentFrame();
  if (!frame.pixels) return 0;
  platform::PaletteEntry palette[256];
  platform::GetSystemPaletteEntries(0, 256, palette);
  const std::vector<uint8_t> file = EncodePcxImage(frame.pixels, frame.width, frame.height, frame.pitch, palette);
  if (!platform::SaveWholeFile(fileName, file.data(), file.size())) {
    DebugPrintf("The screenshot %s could not be written.", fileName.c_str());
    return 0;
  }
  return 1;
}

int32_t SaveScreenshot() {
  if (!CurrentFrame().pixels) return 0;
  for (uint32_t number = 0; number < kNumbers; ++number) {
    std::string path;
    if (!gDataPaths.GetWritePathString(ScreenshotName(number), path)) return 0;
    if (platform::NameExists(path)) continue;
    return WriteScreenshotPcx(path);
  }
  DebugPrintf("No screenshot name is free.");
  return 0;
}
