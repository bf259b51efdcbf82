#pragma once
#include <vector>

#include "dataset/DataSetStep.h"

// The music radio's tree under "sound/radio/": two stations, each with its id file, three
// pieces of music rendered from note lists, three announcements and its jingles, and the
// commercials every station shares; spoken items in language 1's folder "English".
void AddRadioSteps(std::vector<DataSetStep>& steps);
