#pragma once
#include <cstdint>

#include "pel3d/files/ResourceFileFormat.h"

struct Body;
struct ResourceGroup;
struct VertexPool;

// Body groups: the bodies of a named group or the one body of an id, read from the open
// resource file into one memory block of their group's arena.

// Reads bodyCount bodies from the open resource file, which stands at fileOffset, into a
// body group built in the current group arena; the counts size its memory block and its
// texture-coordinate arena. Every count is checked against the bytes the file still holds
// first (a vertex takes 12 bytes, a face 21 plus 10 per corner, a BSP node 18, a body 136).
// Null on failure, with the code set (2, 4, 6, 9 or 10, see ReadBody; 4 too when no group
// arena is current): then no body of the
// group is registered and its texture-coordinate arena is gone; the caller discards the
// group arena.
ResourceGroup* ReadBodyGroup(const GroupCounts& counts, uint32_t bodyCount, uint32_t fileOffset);

int32_t GetGroupBodyCount(const ResourceGroup* group);
// Body i of the group; null outside the group.
Body* GetGroupBody(const ResourceGroup* group, int32_t index);
// Attaches the pool to every body of the group.
void AttachGroupVertexPool(const ResourceGroup* group, VertexPool* pool);
// Destroys a body group's texture-coordinate arena once the coordinates are scaled; the
// faces forget their copies.
void FreeGroupPool(ResourceGroup* group);
// What freeing a body group takes besides its arena: its bodies leave the registry and its
// texture-coordinate arena is destroyed.
void ReleaseBodyGroup(ResourceGroup* group);
