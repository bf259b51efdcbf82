#include "game/world/WorldStage.h"

std::atomic<uint32_t> WorldStageMask{0};
std::atomic<int32_t> WorldReady{0};
