#pragma once
#include <cstdint>

struct DrawBlock;

// The routines that draw one polygon, named by id in the dispatch tables. Each rasteriser
// binds its own ids; an id left unbound draws nothing.
enum class RasterId : uint8_t {
  kNone,  // never bound: type 12 and the body table's empty entries
  kDrawTexturedPolygon,
  kDrawTexturedPolygonKeyed,
  kDrawTexturedPolygonFog,
  kDrawTexturedPolygonEdgeCorrected,
  kFillPolygonFlat,
  kFillPolygonFlatFog,
  kFillPolygonFirstPixel,
  kFillPolygonPattern,
  kSprite,
  kFarSprite,
  kWallColumnFirst,
  kWallColumnSecond,
  kWallColumnThird,
  kPaletteRemap,
  kFillPolygonPerspective16,
  kFillPolygonPerspective32,
  kFillPolygonPerspectiveBody,
  kFillPolygonPerspectiveBodyTransparent,
  kFillPolygonTiled,
  kFillPolygonTiledFog,
  kFillPolygonTiledPerspective16,
  kFillPolygonTiledPerspective32,
  kFillPolygonGouraud,
  kFillPolygonGouraudFog,
  kDrawSolidLine,
  kDrawRemapLine,
  // The game's own face routines.
  kHeliStub,
  kPersonDrawFace,
  kDrawPixelPrimitive,
  kDrawBlinkingLight,
  kDrawParticleSprite,
  kCount
};

using RasterRoutine = void (*)(const DrawBlock& block);

// The game's routines for face types 21, 22, 23, 25 and 26.
struct GameFaceRoutines {
  RasterRoutine heliStub = nullptr;
  RasterRoutine personDrawFace = nullptr;
  RasterRoutine drawPixelPrimitive = nullptr;
  RasterRoutine drawBlinkingLight = nullptr;
  RasterRoutine drawParticleSprite = nullptr;
};

// Binds (or, with null, unbinds) the routine of an id; kNone stays unbound.
void BindRasterRoutine(RasterId id, RasterRoutine routine);
RasterRoutine GetRasterRoutine(RasterId id);
// Binds the five game routines at once.
void BindGameFaceRoutines(const GameFaceRoutines& routines);
// Binds the engine's own rasterisers; the engine's start-up does it.
void BindEngineRasterisers();

// Calls the id's routine with the block, or nothing when it is unbound.
inline void CallRasterRoutine(RasterId id, const DrawBlock& block) {
  if (RasterRoutine routine = GetRasterRoutine(id)) routine(block);
}
