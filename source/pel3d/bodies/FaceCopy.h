#pragma once
#include <cstddef>

#include "pel3d/bodies/BodyBlock.h"

struct Body;
struct Face;

// The corners of the body's faces counted from the faces themselves, not from the body's
// stored index count, which an edited face (SetFaceInfo) leaves stale.
std::size_t CountFaceCorners(const Body* body);

// What a face copy carries besides its record and its texture coordinates.
enum class FaceCopyIndices { Shared, Copied };

// Copies the face record into the block, then (when copied) its index list, then its
// texture coordinates, and points the copy at them; null when the block has no room left.
// The copy's next link is left for the caller.
Face* CopyFaceInto(BodyBlock& block, const Face& face, FaceCopyIndices indices);
