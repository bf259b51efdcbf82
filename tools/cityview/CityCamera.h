#pragma once
#include "cityview/CityViewOptions.h"
#include "pel3d/math/Matrix.h"
#include "pel3d/math/Vec3.h"

// A camera of the tool: where it stands (16.16 world position) and how it turns.
struct CameraPose {
  Vec3 position;
  int heading = 0;  // degrees clockwise from north
  int pitch = 0;  // degrees below the horizon
};

// The camera matrix of a pose: world space to view space (x right, y up, z forward).
Matrix CameraMatrix(const CameraPose& pose);
// Hands the pose to the engine and makes its cell the viewer's.
void PlaceCamera(const CameraPose& pose);
// The options' camera over the started city: at their place, or over the centre of the
// start site, their height above the ground there.
CameraPose CameraPoseOf(const CityViewOptions& options);
