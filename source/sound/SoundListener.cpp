#include "sound/SoundListener.h"

namespace {

Vec3 gFrameCameraPosition;
Vec3 gCameraPosition;

Matrix& Orientation() {
  static Matrix orientation = [] {
    Matrix identity{};
    return MatrixIdentity(identity);
  }();
  return orientation;
}

}  // namespace

const Vec3& FrameCameraPosition() { return gFrameCameraPosition; }

void SetFrameCameraPosition(const Vec3& position) { gFrameCameraPosition = position; }

const Vec3& CameraPosition() { return gCameraPosition; }

void SetCameraPosition(const Vec3& position) { gCameraPosition = position; }

const Matrix& CameraOrientation() { return Orientation(); }

void SetCameraOrientation(const Matrix& orientation) { Orientation() = orientation; }
