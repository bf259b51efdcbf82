#include "pel3d/EngineStart.h"

#include "pel3d/draw/FrameDraw.h"
#include "pel3d/draw/RasterRoutines.h"
#include "pel3d/files/ResourceReader.h"
#include "pel3d/math/View.h"
#include "pel3d/raster/LineFills.h"

namespace {

constexpr Fixedpoint kStartPixelAspect = 54613;  // five sixths

}  // namespace

void InitEngine() {
  RenderSurface startSurface{0, 0, 320, 200, 0, 0, 0};
  SetRenderSurface(startSurface);
  SetPixelAspect(kStartPixelAspect);
  CloseResourceFile();
  SetClearEnable(1);
  SetClearColour(0);
  SetFarClip(0);
  ResetDrawMode();
  SelectQueuedBodiesDraw();
  BindEngineRasterisers();
  ResetLinePhase();
}
