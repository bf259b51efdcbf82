#include "pel3d/draw/RasterRoutines.h"

#include <array>

#include "pel3d/raster/FlatFills.h"
#include "pel3d/raster/FogFills.h"
#include "pel3d/raster/DepthCorrectedFills.h"
#include "pel3d/raster/TexturedFills.h"
#include "pel3d/raster/EdgeCorrectedFill.h"
#include "pel3d/raster/GouraudFills.h"
#include "pel3d/raster/LineFills.h"
#include "pel3d/raster/RemapFills.h"
#include "pel3d/raster/ColumnPolygon.h"
#include "pel3d/raster/SpriteFills.h"
#include "pel3d/raster/WallFills.h"
#include "pel3d/raster/TiledFills.h"
#include "pel3d/raster/DepthCorrectedTiledFills.h"

namespace {

std::array<RasterRoutine, static_cast<std::size_t>(RasterId::kCount)> gRoutines{};

}  // namespace

void BindRasterRoutine(RasterId id, RasterRoutine routine) {
  if (id == RasterId::kNone || id >= RasterId::kCount) return;
  gRoutines[static_cast<std::size_t>(id)] = routine;
}

RasterRoutine GetRasterRoutine(RasterId id) {
  if (id >= RasterId::kCount) return nullptr;
  return gRoutines[static_cast<std::size_t>(id)];
}

void BindGameFaceRoutines(const GameFaceRoutines& routines) {
  BindRasterRoutine(RasterId::kHeliStub, routines.heliStub);
  BindRasterRoutine(RasterId::kPersonDrawFace, routines.personDrawFace);
  BindRasterRoutine(RasterId::kDrawPixelPrimitive, routines.drawPixelPrimitive);
  BindRasterRoutine(RasterId::kDrawBlinkingLight, routines.drawBlinkingLight);
  BindRasterRoutine(RasterId::kDrawParticleSprite, routines.drawParticleSprite);
}

void BindEngineRasterisers() {
  BindRasterRoutine(RasterId::kFillPolygonFlat, FillPolygonFlat);
  BindRasterRoutine(RasterId::kFillPolygonFirstPixel, FillPolygonFirstPixel);
  BindRasterRoutine(RasterId::kFillPolygonPattern, FillPolygonPattern);
  BindRasterRoutine(RasterId::kDrawTexturedPolygon, DrawTexturedPolygon);
  BindRasterRoutine(RasterId::kDrawTexturedPolygonKeyed, DrawTexturedPolygonKeyed);
  BindRasterRoutine(RasterId::kFillPolygonFlatFog, FillPolygonFlatFog);
  BindRasterRoutine(RasterId::kDrawTexturedPolygonFog, DrawTexturedPolygonFog);
  BindRasterRoutine(RasterId::kDrawTexturedPolygonEdgeCorrected, DrawTexturedPolygonEdgeCorrected);
  BindRasterRoutine(RasterId::kFillPolygonGouraud, FillPolygonGouraud);
  BindRasterRoutine(RasterId::kFillPolygonGouraudFog, FillPolygonGouraudFog);
  BindRasterRoutine(RasterId::kDrawSolidLine, DrawSolidLine);
  BindRasterRoutine(RasterId::kDrawRemapLine, DrawRemapLine);
  BindRasterRoutine(RasterId::kPaletteRemap, FillPolygonRemap);
  BindRasterRoutine(RasterId::kSprite, DrawSprite);
  BindRasterRoutine(RasterId::kFarSprite, DrawSpriteFog);
  BindRasterRoutine(RasterId::kWallColumnFirst, DrawWallColumns);
  BindRasterRoutine(RasterId::kWallColumnSecond, DrawWallColumnsKeyed);
  BindRasterRoutine(RasterId::kWallColumnThird, DrawColumnPolygon);
  BindRasterRoutine(RasterId::kFillPolygonTiled, FillPolygonTiled);
  BindRasterRoutine(RasterId::kFillPolygonTiledFog, FillPolygonTiledFog);
  BindRasterRoutine(RasterId::kFillPolygonTiledPerspective16, FillPolygonTiledPerspective16);
  BindRasterRoutine(RasterId::kFillPolygonTiledPerspective32, FillPolygonTiledPerspective32);
  BindRasterRoutine(RasterId::kFillPolygonPerspective16, FillPolygonPerspective16);
  BindRasterRoutine(RasterId::kFillPolygonPerspective32, FillPolygonPerspective32);
  BindRasterRoutine(RasterId::kFillPolygonPerspectiveBody, FillPolygonPerspectiveBody);
  BindRasterRoutine(RasterId::kFillPolygonPerspectiveBodyTransparent, FillPolygonPerspectiveBodyTransparent);
}

