#include "dataset/ObjectSetSteps.h"

#include "objectsets/EffectBodies.h"
#include "objectsets/EngineBitmaps.h"
#include "objectsets/ObjectSets.h"

namespace {

DataSetStep SetStep(const std::string& group, std::vector<BodyDescription> (*bodies)(), bool withPalette) {
  return {"geo/" + group + ".ZEF", "(built in code)",
          [group, bodies, withPalette](const std::string&, const std::string& output, std::string& error) {
            return WriteObjectSet(output, group, bodies(), withPalette, error);
          }};
}

}  // namespace

void AddObjectSetSteps(std::vector<DataSetStep>& steps) {
  steps.push_back({"bmp/PEL3D.BMP", "(painted in code)",
                   [](const std::string&, const std::string& output, std::string& error) {
                     return WriteEngineBitmaps(output, error);
                   }});
  steps.push_back(SetStep("PEL3D1", CityBodies, true));
  steps.push_back(SetStep("PEL3D2", VehicleBodies, false));
  steps.push_back(SetStep("PEL3D3", EffectBodies, false));
}
