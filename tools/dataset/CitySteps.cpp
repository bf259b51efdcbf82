#include "dataset/CitySteps.h"

#include <memory>
#include <string>

#include "citygen/CityGenerator.h"
#include "citygen/CityRules.h"
#include "dataset/GroundTiles.h"
#include "game/world/CityArrays.h"
#include "game/world/CityFile.h"
#include "platform/Process.h"

namespace {

bool WriteCity(const CityRecipe& recipe, const std::string& outputPath, std::string& error) {
  auto city = std::make_unique<CityArrays>();
  GenerateCity(recipe, *city);
  std::vector<std::string> faults = CheckCity(*city, recipe.showcase);
  if (!faults.empty()) {
    error = recipe.name + " breaks " + std::to_string(faults.size()) + " city rules:";
    for (size_t i = 0; i < faults.size() && i < 5; ++i) error += "\n  " + faults[i];
    return false;
  }
  if (CityFileWrite(platform::ToGamePath(outputPath), *city)) return true;
  error = "the city file could not be written";
  return false;
}

}  // namespace

void AddCitySteps(std::vector<DataSetStep>& steps) {
  steps.push_back({"bmp/TILED1.BMP", "(drawn in code)", WriteGroundTilesStep});
  steps.push_back({"cities/pengland.mv2", "(generated in code)", [](const std::string&, const std::string& out, std::string& error) {
                     return WriteCity(PenglandRecipe(), out, error);
                   }});
  for (int i = 0; i < kCareerCityCount; ++i) {
    steps.push_back({"cities/career/city" + std::to_string(i) + ".mv2", "(generated in code)",
                     [i](const std::string&, const std::string& out, std::string& error) {
                       return WriteCity(CareerRecipe(i), out, error);
                     }});
  }
}
