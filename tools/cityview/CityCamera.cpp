#include "cityview/CityCamera.h"

#include <cmath>

#include "game/world/CellMap.h"
#include "game/world/CitySites.h"
#include "game/world/GroundHeight.h"
#include "game/world/ViewerCell.h"
#include "pel3d/math/View.h"

Matrix CameraMatrix(const CameraPose& pose) {
  Matrix matrix;
  MatrixIdentity(matrix);
  MatrixRotateY(pose.heading * 10 * kFixedOne, matrix);
  MatrixRotateX(pose.pitch * 10 * kFixedOne, matrix);
  Vec3 moved;
  TransformVertex({-pose.position.x, -pose.position.y, -pose.position.z}, moved, matrix);
  matrix[3] = moved.x;
  matrix[7] = moved.y;
  matrix[11] = moved.z;
  return matrix;
}

void PlaceCamera(const CameraPose& pose) {
  SetCamera(pose.position, CameraMatrix(pose));
  ViewerCell = {CellXOfPoint(pose.position.x), CellYOfPoint(pose.position.z)};
}

namespace {

// Degrees clockwise from north from a point (whole units) to the middle of the city's tiles.
int HeadingToCityCentre(int x, int z) {
  constexpr double kCentre = 64 * 64 - 8192;  // tile 64's west edge, both ways
  const double east = kCentre - x, north = -kCentre - z;
  if (east == 0 && north == 0) return 0;
  return static_cast<int>(std::lround(std::atan2(east, north) * 180 / 3.14159265358979323846));
}

}  // namespace

CameraPose CameraPoseOf(const CityViewOptions& options) {
  const TileSite start = gCitySites.start;
  const int x = options.x.value_or(start.x * 64 - 8192 + 32);
  const int z = options.z.value_or(8192 - start.y * 64 - 32);
  CameraPose pose;
  pose.position.x = x * kFixedOne;
  pose.position.z = z * kFixedOne;
  pose.position.y = GroundHeight(pose.position.x, pose.position.z) + options.height * kFixedOne;
  pose.heading = options.heading.value_or(HeadingToCityCentre(x, z));
  pose.pitch = options.pitch;
  return pose;
}
