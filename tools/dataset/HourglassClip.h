#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The loading screen's hourglass, "smk\hourglass.smk": its sand runs from the upper bulb to
// the lower, then the glass turns end over end, so that the loop starts again. Drawn in the
// data set's palette (the cockpit's, which is on the screen while the world loads) over black.
constexpr int32_t kHourglassWidth = 64;
constexpr int32_t kHourglassHeight = 80;
constexpr int32_t kHourglassFrames = 12;
constexpr uint32_t kHourglassFrameMicroseconds = 100000;

// kHourglassWidth * kHourglassHeight palette indexes of frame (0 to kHourglassFrames - 1).
std::vector<uint8_t> DrawHourglassFrame(int32_t frame);

bool WriteHourglassStep(const std::string& sourceFolder, const std::string& outputPath, std::string& error);
