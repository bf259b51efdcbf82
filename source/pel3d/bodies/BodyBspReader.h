#pragma once
#include <cstdint>

class BodyBlock;
class ResourceByteSource;
struct Body;
struct Face;

// Reads a body's BSP header and node stream (pre-order) into
// the node area taken from the block: as many nodes as the header counts, numbered in
// reading order. faces maps the body's face numbers to its faces. Sets the body's BSP root
// (null for a stream that starts empty). false with error 2 for a short read, a negative
// node count, more nodes than it, or a face number at or past the face count; 10 when the
// node area does not fit the block.
bool ReadBodyBsp(ResourceByteSource& file, BodyBlock& block, Body& body, Face* const* faces);
