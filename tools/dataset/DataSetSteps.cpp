#include "dataset/DataSetStep.h"

#include "dataset/CitySteps.h"
#include "dataset/ControlImageSteps.h"
#include "dataset/HourglassClip.h"
#include "dataset/IntroStep.h"
#include "dataset/MessageBoxImageSteps.h"
#include "dataset/MoneyGaugeFont.h"
#include "dataset/ObjectSetSteps.h"
#include "dataset/RadioSteps.h"
#include "dataset/ScrollImageSteps.h"
#include "dataset/SoundFileSteps.h"
#include "dataset/StringTableStep.h"
#include "peoplefiles/FigureCompiler.h"

namespace {

std::vector<DataSetStep> AllSteps() {
  std::vector<DataSetStep> steps = {
      {"strings.tbl", "strings.txt", WriteStringTableStep},
      {"smk/intro.smk", "(drawn in code)", WriteIntroStep},
      {"smk/hourglass.smk", "(drawn in code)", WriteHourglassStep},
      {"fonts/moneygge.bmp", "(drawn in code with the text service)", WriteMoneyGaugeImageStep},
      {"fonts/moneygge.def", "(drawn in code with the text service)", WriteMoneyGaugeDescriptionStep},
  };
  for (DataSetStep& sound : SoundFileSteps()) steps.push_back(std::move(sound));
  AddRadioSteps(steps);
  AddControlImageSteps(steps);
  AddObjectSetSteps(steps);
  AddCitySteps(steps);
  AddMessageBoxImageSteps(steps);
  steps.push_back({"X/PrivAnim.df", "people/skeletons.txt, bodies.txt, animations.txt", WritePrivAnimFile});
  AddScrollImageSteps(steps);
  return steps;
}

}  // namespace

const std::vector<DataSetStep>& DataSetSteps() {
  static const std::vector<DataSetStep> steps = AllSteps();
  return steps;
}
