#pragma once

// The frame driver: one DrawView per frame runs the selected draw routine, the body-queue
// draw until the world selects the scene draw.

using DrawRoutine = void (*)();

// Draws one frame with the selected routine.
void DrawView();
void DrawFrame();
// Makes the scene draw the selected routine.
void SelectSceneDraw();
// Back to the body-queue draw; the engine's start-up does it.
void SelectQueuedBodiesDraw();
DrawRoutine GetDrawRoutine();

// Every registered body that is not switched off, farthest first, each face by the body
// table; then the post-draw callback with the frame buffer.
void DrawQueuedBodies();
