#pragma once
#include <cstddef>

struct Body;

// Room for a private copy of a body's record, faces and texture coordinates (with some to
// spare), a multiple of 16.
std::size_t GetBodyMeshBytes(const Body* body);

// Copies the body record, then each face record followed by its texture coordinates, into
// the destination (at least GetBodyMeshBytes long, aligned for a pointer), and registers
// the copy. Vertices, index lists, planes, the BSP tree, the vertex pool and the user data
// stay shared with the source. Returns the copy, or null when the registry is full (no error
// set) or, with error 4, when the faces do not fit in GetBodyMeshBytes bytes.
Body* CopyBodyMesh(const Body* source, void* destination);
