#include "pel3d/draw/RasterRoutines.h"

#include <array>

#include "pel3d/raster/FlatFills.h"
#include "pel3d/raster/FogFills.h"
#include "pel3d/raster/PerspectiveFills.h"
#include "pel3d/raster/TexturedFills.h"

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
  BindRasterRoutine(RasterId::kFillPolygonPerspective16, FillPolygonPerspective16);
  BindRasterRoutine(RasterId::kFillPolygonPerspective32, FillPolygonPerspective32);
  BindRasterRoutine(RasterId::kFillPolygonPerspectiveBody, FillPolygonPerspectiveBody);
  BindRasterRoutine(RasterId::kFillPolygonPerspectiveBodyTransparent, FillPolygonPerspectiveBodyTransparent);
}
