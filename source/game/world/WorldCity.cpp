#include "game/world/WorldCity.h"

#include "Drovane/DataPaths.h"

namespace {

constexpr const char* kDefaultCity = "pengland.mv2";

std::string& ChosenCity() {
  static std::string path;
  return path;
}

}  // namespace

void SetWorldCity(const std::string& path) { ChosenCity() = path; }

std::string WorldCityPath() {
  if (!ChosenCity().empty()) return ChosenCity();
  std::string path;
  gDataPaths.GetPathString(kDataCities, 0, kDefaultCity, path);
  return path;
}
