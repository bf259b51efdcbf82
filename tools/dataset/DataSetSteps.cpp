#include "dataset/DataSetStep.h"

#include "dataset/SoundFileSteps.h"
#include "dataset/StringTableStep.h"

const std::vector<DataSetStep>& DataSetSteps() {
  static const std::vector<DataSetStep> steps = [] {
    std::vector<DataSetStep> all = {
        {"strings.tbl", "strings.txt", WriteStringTableStep},
    };
    for (DataSetStep& sound : SoundFileSteps()) all.push_back(std::move(sound));
    return all;
  }();
  return steps;
}
