#pragma once
#include "pel3d/math/Matrix.h"
#include "pel3d/math/Vec3.h"

// Where the world's sounds are heard from: the camera, as the camera update leaves it each
// frame. Playing an effect measures from the frame's copy of the camera position; re-aiming
// one measures from the live position and turns the offset into the camera's frame with its
// orientation matrix. All three are read and written on the main thread.
const Vec3& FrameCameraPosition();
void SetFrameCameraPosition(const Vec3& position);
const Vec3& CameraPosition();
void SetCameraPosition(const Vec3& position);
const Matrix& CameraOrientation();
void SetCameraOrientation(const Matrix& orientation);
