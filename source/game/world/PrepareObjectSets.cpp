#include "game/world/PrepareObjectSets.h"

#include "game/world/CityTileBodies.h"
#include "game/world/TileCatalogue.h"
#include "game/world/WorldFaceRoutines.h"
#include "game/world/WorldResources.h"
#include "pel3d/bodies/BodyAccessors.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/SceneDraw.h"
#include "pel3d/files/BitmapTable.h"

namespace {

constexpr uint32_t kTileIds = 256;

// What a far cell draws in place of the tile's body; null for the body itself.
void* FarSubstitute(uint32_t tileId) {
  if (LookUpTile(tileId).kind == TileKind::kTrees) return kSkipInFarCells;
  const int far = FarBodyId(tileId);
  return far == kNoBody ? nullptr : FindBody(far);
}

void SetFarCellSubstitutes() {
  for (const ResourceGroup* group : LoadedObjectSets()) {
    for (int32_t i = 0; i < GetGroupBodyCount(group); ++i) SetBodyUserData(GetGroupBody(group, i), nullptr);
  }
  for (uint32_t id = 0; id < kTileIds; ++id) {
    const int bodyId = TileBodyId(id);
    Body* body = bodyId == kNoBody ? nullptr : FindBody(bodyId);
    if (body) SetBodyUserData(body, FarSubstitute(id));
  }
}

}  // namespace

void PrepareObjectSets() {
  const TableRows remap = GetTableRows(WorldBitmapGroup, kRemapTableBitmap);
  SetRemapTables(remap.rows, remap.count);
  SetFarCellSubstitutes();
  BindWorldFaceRoutines();
}
