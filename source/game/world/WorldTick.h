#pragma once

// One step of the world, once per flight frame, in a fixed order: the smoothed frame time and
// the frame counters, then each subsystem's step, the last one the visible cells (the view
// grid re-centred on the viewer's cell).
void WorldTick();
