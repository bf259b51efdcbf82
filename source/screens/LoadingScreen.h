#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "Drovane/GdiFont.h"

class CBackBuffer;
class SmackerBuffer;

// The picture the player sees while the world loads, 640 x 480 in the screen's palette: black,
// the hourglass video looping at the top centre (when its file exists), the names of the
// stages begun so far one under the other with the newest brightest, a bar filled by the
// begun stages out of 15, and "Starting Simulation..." once the loading has ended.
class LoadingScreen {
public:
  static constexpr int32_t kStages = 15;
  // The string of stage k is kFirstStageString + k; kStartingString follows the last.
  static constexpr uint32_t kFirstStageString = 650;
  static constexpr uint32_t kStartingString = 665;

  // Opens the hourglass at that path when the file is there.
  explicit LoadingScreen(const std::string& hourglassPath);
  ~LoadingScreen();

  // Draws the whole screen for the stages begun (bit k of the mask: stage k).
  void Draw(CBackBuffer& screen, uint32_t stageMask, bool ended);
  bool HasHourglass() const { return mHourglass != nullptr; }

private:
  void DrawStageNames(CBackBuffer& screen, uint32_t stageMask, bool ended);
  void DrawBar(CBackBuffer& screen, int32_t begun);

  std::unique_ptr<SmackerBuffer> mHourglass;
  GdiFont mFont;
  // Whether the whole screen has been cleared once.
  bool mCleared = false;
};

// The number of stages the mask names as begun (bits 0 to 14).
int32_t BegunStageCount(uint32_t stageMask);
