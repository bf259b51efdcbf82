#pragma once
#include <vector>

#include "enginefiles/BodyWriter.h"

// The bodies of "PEL3D3": the missile, the laser beam, the tear-gas grenade, the flame and
// the debris chunks, in id order.
std::vector<BodyDescription> EffectBodies();
