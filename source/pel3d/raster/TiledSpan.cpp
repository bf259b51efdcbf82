#include "pel3d/raster/TiledSpan.h"

#include "pel3d/files/TiledTexture.h"

bool UsableTile(const TileRecord* tile) {
  return tile && tile->texels && TileSideForMask(tile->wrapMask) != 0;
}
