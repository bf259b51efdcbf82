#include "support/CityBodies.h"

#include "game/world/CityTileBodies.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/bodies/FacePlane.h"

namespace {

// The side in tiles that a body id stands on: lots and most buildings of the 200s cover more.
int FootprintTiles(int bodyId) {
  if (bodyId >= 90 && bodyId <= 92) return bodyId - 88;
  if (bodyId < 4) return bodyId + 1;
  return 1;
}

}  // namespace

CityBodies::CityBodies(const std::set<int>& leftOut) {
  for (int id = 0; id < 300; ++id) {
    if (IsCityBodyId(id) && !leftOut.count(id)) Add(id);
  }
}

CityBodies::~CityBodies() {
  for (Part& part : mParts) RemoveBody(&part.body);
}

int CityBodies::RoofHeight(int bodyId) { return 8 + bodyId % 13 * 4; }

void CityBodies::Add(int bodyId) {
  Part& part = mParts.emplace_back();
  const Fixedpoint h = (32 * FootprintTiles(bodyId) - 4) * kFixedOne;
  const Fixedpoint y = RoofHeight(bodyId) * kFixedOne;
  // Wound as the height probe takes a floor: the normal points down.
  part.vertices = {{-h, y, -h}, {-h, y, h}, {h, y, h}, {h, y, -h}};
  part.indices = {0, 1, 2, 3};
  part.texCoords.resize(4);
  part.face.vertexCount = 4;
  part.face.indices = part.indices.data();
  part.face.texCoords = part.texCoords.data();
  part.face.plane = &part.plane;
  part.body.id = static_cast<uint32_t>(bodyId);
  part.body.vertices = part.vertices.data();
  part.body.vertexCount = 4;
  part.body.faces = &part.face;
  part.body.faceCount = 1;
  part.body.indexCount = 4;
  part.body.radius = h + h / 2;
  ComputeFacePlane(part.body, part.face);
  AddBody(&part.body);
}
