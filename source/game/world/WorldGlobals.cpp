#include "game/world/WorldGlobals.h"

int32_t gCameraMode = CMODE_PERSON;
int32_t gNightFlag = 0;
HeliRec* gCurrentHeli = nullptr;
HeliRec* gAutopilotHeli = nullptr;
int32_t gSecondPlaneSwitch = 0;
