#pragma once
#include <cstddef>

struct Body;

// Room for a whole copy of a body (record, vertices, faces with their index lists and
// texture coordinates), with room to spare for alignment.
std::size_t GetBodySize(const Body* body);

// Copies the body record, its vertices, and each face followed by its index list and its
// texture coordinates into the destination (at least GetBodySize long, aligned for a
// pointer), and registers the copy. Planes, texture-coordinate copies, textures, the BSP
// tree and the vertex pool stay shared with the source. The copy, or null with error 9 when
// the registry is full, or with error 4 when the faces do not fit in GetBodySize bytes
// (which cannot happen while the faces stay as they were measured).
Body* CopyBodyInto(const Body* source, void* destination);
