#pragma once
#include <vector>

#include "dataset/DataSetStep.h"

// The scroll bar's and the sliders' bitmaps in bmp/: "scroll.bmp" (twelve cells of
// 16 x 16), the thumbs "sliderth.bmp" (10 x 20) and "slidertv.bmp" (20 x 10), the tracks
// "sliderbh.bmp" (192 x 32) and "sliderbv.bmp" (32 x 192).
void AddScrollImageSteps(std::vector<DataSetStep>& steps);
