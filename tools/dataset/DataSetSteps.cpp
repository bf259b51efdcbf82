#include "dataset/DataSetStep.h"

#include "dataset/StringTableStep.h"

const std::vector<DataSetStep>& DataSetSteps() {
  static const std::vector<DataSetStep> steps = {
      {"strings.tbl", "strings.txt", WriteStringTableStep},
  };
  return steps;
}
