#pragma once
#include <cstdint>
#include <functional>
#include <string>

class CBackBuffer;
class WinWindow;

// What the loading screen runs and shows.
struct WorldLoadingRun {
  // The screen the picture is drawn into and the window it is presented to (none: not
  // presented).
  CBackBuffer* screen = nullptr;
  WinWindow* window = nullptr;
  // The world's start, run on the loading thread holding the world-loading lock; the world's
  // stage mask tells the screen how far it has come.
  std::function<int32_t()> worldStart;
  // The hourglass video's path; none or a missing file shows no hourglass.
  std::string hourglassPath;
  // Waits between two pictures: 30 ms unless a test steps it.
  std::function<void()> wait;
};

// Runs the world's start on a thread of its own while the main thread keeps the window alive:
// it handles the window's messages, draws the loading screen, presents it and waits, until
// the thread has ended, then joins it and draws the last picture. Keys, characters and the
// mouse are dropped while the world loads (nothing may touch it); a close request or the quit
// message is held and posted again after the join, so the game's loop handles it; a live
// tuning reload put off while loading runs after the join; every other message is
// dispatched. Returns the world start's result.
int32_t RunLoadingScreen(const WorldLoadingRun& run);

// The path of "smk\hourglass.smk" in the data; empty when it cannot be made.
std::string HourglassVideoPath();
