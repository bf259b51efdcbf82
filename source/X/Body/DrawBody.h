#pragma once
#include <cstdint>

class bBody;
class bPrivAnim;

// A projected point: screen offsets from the body's point and the depth (into the screen).
struct ProjectedPoint {
  int16_t x;
  int16_t y;
  int16_t depth;
};

// Turns a frame point about the vertical axis by angle2 and tilts it about the horizontal
// axis by angle1 (sines and cosines given), scales it and divides by the viewer distance of
// 1000 when its depth is -999 or more.
ProjectedPoint ProjectFramePoint(float x, float y, float z, float sin1, float cos1, float sin2, float cos2,
                                 float scale);

// The palette index of a part: its ramp, moved by the colour shift (modulo 14) unless its
// colour is fixed, at (ramp + 2) * 16 + 4; -1 when that falls outside 0..255.
int32_t PartColour(uint8_t ramp, int32_t colourShift, bool fixedColour);

// Poses the body in the animation's frame and draws its parts at the screen point, farthest
// first: angle2 turns the body about the vertical axis, angle1 tilts it (radians). Only parts
// that share a bit with the detail mask are drawn. A missing body or animation, a frame
// outside the animation and a part whose frame-part column is not there draw nothing.
void DrawBody(bBody* body, float angle1, float angle2, const bPrivAnim* anim, int32_t frame, int32_t screenX,
              int32_t screenY, float scale, int32_t detailMask, int32_t colourShift);
