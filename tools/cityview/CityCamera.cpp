#include "cityview/CityCamera.h"

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
