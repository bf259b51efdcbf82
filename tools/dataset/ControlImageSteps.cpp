#include "dataset/ControlImageSteps.h"

#include <fstream>

#include "imagefiles/BmpWriter.h"
#include "imagefiles/ControlImages.h"
#include "imagefiles/GamePalette.h"

bool WriteControlImage(const ControlImage& image, const std::string& outputPath, std::string& error) {
  const GamePaletteColours& palette = GamePalette();
  const std::vector<uint8_t> bytes =
      WriteBmp(image.width, image.height, image.pixels, std::vector<platform::Rgb>(palette.begin(), palette.end()));
  std::ofstream file(outputPath, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (file.good()) return true;
  error = "cannot write " + outputPath;
  return false;
}

namespace {

bool WriteButton(const std::string&, const std::string& outputPath, std::string& error) {
  return WriteControlImage(ButtonImage(), outputPath, error);
}

bool WriteCheck(const std::string&, const std::string& outputPath, std::string& error) {
  return WriteControlImage(CheckBoxImage(), outputPath, error);
}

bool WriteRadio(const std::string&, const std::string& outputPath, std::string& error) {
  return WriteControlImage(RadioButtonImage(), outputPath, error);
}

}  // namespace

void AddControlImageSteps(std::vector<DataSetStep>& steps) {
  steps.push_back({"bmp/button.bmp", "(drawn in code)", WriteButton});
  steps.push_back({"bmp/check.bmp", "(drawn in code)", WriteCheck});
  steps.push_back({"bmp/radio.bmp", "(drawn in code)", WriteRadio});
}
