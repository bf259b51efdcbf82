#pragma once
#include <cstdint>

#include "enginefiles/BodyWriter.h"

// The city's buildings, one look per tile id, standing 4 units inside their tiles' edges,
// their origin the centre of their s x s cells on the ground.

// The body of a catalogued building id (houses to the hangar).
BodyDescription BuildingBody(uint32_t bodyId, uint32_t tileId);
// An office's or a tower's far body: its box in five flat faces.
BodyDescription FarBuildingBody(uint32_t bodyId, uint32_t tileId);
// One of the plain boxes the uncatalogued building ids share.
BodyDescription PlainBuildingBody(uint32_t bodyId, uint32_t variant);
// The height of a building id's walls, in whole units.
int32_t BuildingHeight(uint32_t tileId);
