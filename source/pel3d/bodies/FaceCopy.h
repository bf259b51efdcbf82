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

// Copies every face of the source into the block, in list order: each face record, then
// (when copied) its index list, then its texture coordinates, the copies pointing at them and
// linked in order; the last link points at the end of the copy. false when the block has no
// room left.
bool CopyFaceList(BodyBlock& block, const Body& source, Body& copy, FaceCopyIndices indices);
