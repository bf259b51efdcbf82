#include "game/GameSwitches.h"

GameSwitches gGameSwitches;
