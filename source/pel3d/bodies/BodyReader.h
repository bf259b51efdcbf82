#pragma once
#include <cstdint>

class BodyBlock;
class ResourceByteSource;
struct Body;

// Reads one body from the open resource file into the group's block: its record, vertices,
// faces (each with its index list, texture coordinates and plane) and BSP nodes, in that
// order. The file's texture coordinates are also copied into the texture-coordinate arena.
// Bodies with the recentre flag are made relative to their position, and the corners of
// vertex-shaded faces get their shades. The body is registered only once it is whole.
//
// Null on failure with the code set: 2 (short, or content not as required: a header vertex
// value below 1, a negative face count, a face of no vertex or more than 128, a vertex index
// outside the body, a face type above 27, a bad BSP stream), 4 (no memory), 6 (a face
// without its "FACE" tag), 9 (the registry is full) or 10 (the body does not fit the block).
// The error detail names the file offset and, for a face, the face. The scratch arena is
// reset in every case.
Body* ReadBody(ResourceByteSource& file, BodyBlock& block, int textureCoordArena);
