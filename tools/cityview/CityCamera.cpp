#include "cityview/CityCamera.h"

#include "game/world/CitySites.h"
#include "game/world/GroundHeight.h"

Matrix CameraMatrix(const CameraPose& pose) {
  Matrix matrix;
  MatrixIdentity(matrix);
  // Turning the world the other way turns the camera clockwise and down.
  MatrixRotateY(-pose.heading * 10 * kFixedOne, matrix);
  MatrixRotateX(pose.pitch * 10 * kFixedOne, matrix);
  Vec3 moved;
  TransformVertex({-pose.position.x, -pose.position.y, -pose.position.z}, moved, matrix);
  matrix[3] = moved.x;
  matrix[7] = moved.y;
  matrix[11] = moved.z;
  return matrix;
}

CameraPose CameraPoseOf(const CityViewOptions& options) {
  const TileSite start = gCitySites.start;
  const int x = options.x.value_or(start.x * 64 - 8192 + 32);
  const int z = options.z.value_or(8192 - start.y * 64 - 32);
  CameraPose pose;
  pose.position.x = x * kFixedOne;
  pose.position.z = z * kFixedOne;
  pose.position.y = GroundHeight(pose.position.x, pose.position.z) + options.height * kFixedOne;
  pose.heading = options.heading;
  pose.pitch = options.pitch;
  return pose;
}
