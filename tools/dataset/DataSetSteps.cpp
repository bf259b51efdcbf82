#include "dataset/DataSetStep.h"

#include "dataset/IntroStep.h"
#include "dataset/StringTableStep.h"

const std::vector<DataSetStep>& DataSetSteps() {
  static const std::vector<DataSetStep> steps = {
      {"strings.tbl", "strings.txt", WriteStringTableStep},
      {"smk/intro.smk", "(drawn in code)", WriteIntroStep},
  };
  return steps;
}
