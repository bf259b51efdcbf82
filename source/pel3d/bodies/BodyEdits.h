#pragma once
#include "pel3d/bodies/Body.h"

// Small in-place edits and measures of simple bodies: flames, flashes and line bodies.

// Puts the second vertex of every two-vertex point face at its first vertex + (dx, dy) / 2
// in x and y (whole units); z stays.
void StretchLineFaces(Body* body, int32_t dx, int32_t dy);
// Adds the offset to every vertex and to the position.
void TranslateBody(Body* body, const Vec3& offset);
// The greatest vertex y; the least 32-bit value for a body without vertices.
Fixedpoint GetBodyVodY(const Body* body);
// Moves a line body whose first face is a point face: that face's first vertex to the
// place, its second keeping its x and y offset from the first, and the position to the
// place. Any other body stays as it is.
void PlaceLineBody(Body* body, const Vec3& place);
