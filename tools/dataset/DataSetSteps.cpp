#include "dataset/DataSetStep.h"

#include "dataset/RadioSteps.h"
#include "dataset/StringTableStep.h"

namespace {

std::vector<DataSetStep> AllSteps() {
  std::vector<DataSetStep> steps = {
      {"strings.tbl", "strings.txt", WriteStringTableStep},
  };
  AddRadioSteps(steps);
  return steps;
}

}  // namespace

const std::vector<DataSetStep>& DataSetSteps() {
  static const std::vector<DataSetStep> steps = AllSteps();
  return steps;
}
