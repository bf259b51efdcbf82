#pragma once

// The arena of the moving things' dynamic objects and mesh copies; -1 while there is none.
extern int DyobjArena;

// Creates the arena (first block 64 KB), a previous one destroyed first. False when no
// arena is free.
bool CreateDyobjArena();
