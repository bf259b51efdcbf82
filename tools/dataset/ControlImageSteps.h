#pragma once
#include <string>
#include <vector>

#include "dataset/DataSetStep.h"
#include "imagefiles/ControlImages.h"

// The toolkit's control bitmaps in bmp/: "button.bmp" (disabled, up, pressed, 80 x 32
// each), "check.bmp" and "radio.bmp" (off and on disabled, off, on, 20 x 20 each).
void AddControlImageSteps(std::vector<DataSetStep>& steps);

// Writes the image as a bitmap file in the game's palette; false with the failure in error.
bool WriteControlImage(const ControlImage& image, const std::string& outputPath, std::string& error);
