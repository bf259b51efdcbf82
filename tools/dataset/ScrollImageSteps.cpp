#include "dataset/ScrollImageSteps.h"

#include "dataset/ControlImageSteps.h"
#include "imagefiles/ScrollImages.h"

namespace {

// A step writing one drawn control image.
DataSetStep ImageStep(const char* file, ControlImage (*draw)()) {
  return {file, "(drawn in code)", [draw](const std::string&, const std::string& outputPath, std::string& error) {
            return WriteControlImage(draw(), outputPath, error);
          }};
}

}  // namespace

void AddScrollImageSteps(std::vector<DataSetStep>& steps) {
  steps.push_back(ImageStep("bmp/scroll.bmp", ScrollStripImage));
  steps.push_back(ImageStep("bmp/sliderth.bmp", [] { return SliderThumbImage(false); }));
  steps.push_back(ImageStep("bmp/slidertv.bmp", [] { return SliderThumbImage(true); }));
  steps.push_back(ImageStep("bmp/sliderbh.bmp", [] { return SliderTrackImage(false); }));
  steps.push_back(ImageStep("bmp/sliderbv.bmp", [] { return SliderTrackImage(true); }));
}
