#pragma once
#include <cstdint>
#include <vector>

#include "videofiles/VideoWriter.h"

// The intro video, drawn in code: a helicopter crossing a city skyline at dusk, its
// searchlight sweeping the roofs and its lights blinking. Its colours are palette indexes
// 10 to 245; 0-9 and 246-255 are the system's static colours.
constexpr int32_t kIntroWidth = 640;
constexpr int32_t kIntroHeight = 276;
constexpr int32_t kIntroFrames = 64;
// 12.5 frames a second: a little over 5 seconds.
constexpr uint32_t kIntroFrameMicroseconds = 80000;

VideoColours IntroColours();
// width * height palette indexes of frame (0 to kIntroFrames - 1).
std::vector<uint8_t> DrawIntroFrame(int32_t frame);
