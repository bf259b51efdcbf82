#pragma once
#include <cstdint>

// Lights the world by day (0) or night (1): the light levels, every body of the loaded
// object sets relit, the bodies copied for moving things relit by their owners' hooks, and
// the view distance set again for its day or night tables and sky.
void WorldLighting(int32_t night);

// An owner of bodies copied from the object sets (vehicles, effects) relights its copies
// with LightBodyFaces when the world is lit again.
using CopiedBodiesRelight = void (*)();
// Adds the owner's hook; a hook already added is not added twice.
void AddCopiedBodiesRelight(CopiedBodiesRelight hook);
void RemoveCopiedBodiesRelight(CopiedBodiesRelight hook);
