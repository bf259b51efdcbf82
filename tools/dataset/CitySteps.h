#pragma once
#include <vector>

#include "dataset/DataSetStep.h"

// The ground tiles "bmp/TILED1.BMP", the default city "cities/pengland.mv2" and the career's "cities/career/city0.mv2" to
// "city30.mv2", each generated from its recipe and refused when it breaks a city rule.
void AddCitySteps(std::vector<DataSetStep>& steps);
