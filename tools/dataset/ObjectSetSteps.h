#pragma once
#include <vector>

#include "dataset/DataSetStep.h"

// The engine's bitmaps "bmp/PEL3D.BMP" and the three object sets "geo/PEL3D1.ZEF" to
// "geo/PEL3D3.ZEF".
void AddObjectSetSteps(std::vector<DataSetStep>& steps);
