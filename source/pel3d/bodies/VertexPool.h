#pragma once
#include <cstddef>
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

struct Body;
struct ScreenVertex;

// A body vertex transformed into view space. The projection link is null after the
// transform and points at the vertex's screen vertex once a face has projected it, so a
// vertex shared by several faces is projected once.
struct TransformedVertex {
  Fixedpoint x = 0;
  Fixedpoint y = 0;
  Fixedpoint z = 0;
  ScreenVertex* projection = nullptr;
};

// The work buffers in which bodies are transformed and projected. Both buffers start on
// 16-byte boundaries; the cursors are rewound by ResetVertexPools before every body draw.
struct VertexPool {
  int32_t users = 0;  // bodies attached to the pool
  VertexPool** listSlot = nullptr;  // its own entry in the vertex-pool list
  TransformedVertex* transformedBase = nullptr;
  ScreenVertex* projectedBase = nullptr;
  TransformedVertex* transformedCursor = nullptr;  // where the next body's vertices go
  ScreenVertex* projectedCursor = nullptr;  // where the next screen vertices go
  ScreenVertex* projectedStart = nullptr;  // the projected base again
  ScreenVertex* projectedEnd = nullptr;
};

constexpr int32_t kVertexPoolListCapacity = 100;

// A pool with room for transformedBytes of transformed and projectedBytes of projected
// vertices, in one heap block counted in the memory statistics, and listed. Null with
// error 4 when the heap refuses, or 14 when 100 pools are listed.
VertexPool* CreateVertexPool(std::size_t transformedBytes, std::size_t projectedBytes);
// Unlists the pool and frees it.
void DestroyVertexPool(VertexPool* pool);

// Appends the pool and stores its entry in it; null when 100 are listed.
VertexPool* RegisterVertexPool(VertexPool* pool);
// Moves the last listed pool into the pool's entry; nothing unless the pool is listed.
void UnregisterVertexPool(VertexPool* pool);
int32_t GetVertexPoolCount();
// Rewinds both cursors of every listed pool to their bases.
void ResetVertexPools();

// Counts the body as a user of the pool and points the body at it.
Body* AttachVertexPool(Body* body, VertexPool* pool);
// Counts one user fewer; the body keeps its pointer to the pool.
Body* DetachVertexPool(Body* body, VertexPool* pool);

// Transformed space a body needs: one transformed vertex per vertex.
std::size_t GetTransformedBytes(const Body* body);
// Projected space a body needs: two screen vertices per face corner, plus ten spare.
std::size_t GetProjectedBytes(const Body* body);
