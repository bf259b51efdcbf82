#pragma once
#include <vector>

#include "dataset/DataSetStep.h"

// The message boxes' bitmaps in bmp/, one family per screen look: the box "MBox*.bmp"
// (420 x 320) and its picture strip "MBoxl*.bmp" (eight frames of 149 x 93) for the
// default look and looks 1 to 6 and 2d, the push buttons "button1.bmp" to "button6.bmp"
// and "button2d.bmp" (three frames of 80 x 32), and the cheat box's field "MBoxCht.bmp"
// (270 x 100).
void AddMessageBoxImageSteps(std::vector<DataSetStep>& steps);
