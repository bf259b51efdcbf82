#pragma once
#include <cstdint>

struct HeliRec;

// The world's state that the world's reset writes and every subsystem reads.

// How the camera follows the player.
enum CameraMode : int32_t {
  kCameraChase = 0,
  kCameraCockpit = 1,
  kCameraHighRear = 2,
  CMODE_PERSON = 3,  // on foot
};
extern int32_t gCameraMode;
// 1 at night, 0 by day.
extern int32_t gNightFlag;
// The helicopter the player flies, and the one the autopilot flies (null when none).
extern HeliRec* gCurrentHeli;
extern HeliRec* gAutopilotHeli;
// Set when the helicopters' placement put a second plane in the city's sky; the planes read
// it, and the city start clears it.
extern int32_t gSecondPlaneSwitch;
