#pragma once

// Frees the world at the program's end: the city's arena and the moving objects' arena.
// Nothing happens before the world was built.
void WorldShutdown();
