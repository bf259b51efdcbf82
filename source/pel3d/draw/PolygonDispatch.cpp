#include "pel3d/draw/PolygonDispatch.h"

#include "pel3d/bodies/Body.h"
#include "pel3d/draw/DispatchTables.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/PolygonList.h"

namespace {

constexpr uint32_t kFaceSpecialFlags = kFaceSprite | kFaceLine | kFaceLinePoint;
constexpr uint32_t kFaceDrawnInBodyDraw = 0x1 | kFaceProcessed;
constexpr int32_t kRemapFaceType = 11;

bool IsSpecial(const Face& face) { return (face.flags & kFaceSpecialFlags) || face.type == kRemapFaceType; }

DrawBlock TexturedBlock(const PolyEntry& entry, const Face& face) {
  DrawBlock block;
  block.vertexCount = entry.vertexCount;
  block.vertices = entry.firstVertex;
  block.word = face.textureId;
  block.bitmap = face.textureBitmap;
  block.tile = face.textureTile;
  block.face = &face;
  return block;
}

void UseColour(DrawBlock& block, const Face& face) {
  block.word = face.colour;
  block.bitmap = nullptr;
  block.tile = nullptr;
}

}  // namespace

SceneRoutine ChooseSceneRoutine(const Face& face, Fixedpoint depth) {
  if (face.type < 0 || face.type >= kSceneFaceTypes) return {};
  const DrawSettings& settings = gDrawSettings;
  int32_t type = face.type;
  const bool special = IsSpecial(face);
  bool colour = !special && !settings.objectTextures;
  if (!special && depth >= settings.flatThreshold) {
    type = kFlatFaceType;
    colour = true;
  }
  const int32_t index = type + (settings.objectTextures ? 0 : kUntexturedOffset);
  const int32_t band = DepthBand(depth, settings.fogThreshold);
  return {kBandTables[static_cast<std::size_t>(band)][static_cast<std::size_t>(index)], colour};
}

RasterId BodyRoutineOf(const Face& face) {
  if (face.type < 0 || face.type >= kBodyFaceTypes) return RasterId::kNone;
  return kBodyTable[static_cast<std::size_t>(face.type)];
}

void DrawSceneEntry(const PolyEntry& entry) {
  if (entry.vertexCount <= 0 || !entry.face) return;
  const Face& face = *entry.face;
  if (face.type < 0 || face.type >= kSceneFaceTypes) return;
  const SceneRoutine routine = ChooseSceneRoutine(face, entry.depth);
  DrawBlock block = TexturedBlock(entry, face);
  if (routine.colour) UseColour(block, face);
  ++gDrawSettings.counters.polygons;
  CallRasterRoutine(routine.id, block);
}

void DrawSceneList(const PolygonList& list) {
  for (int32_t i = 0; i < list.count; ++i) DrawSceneEntry(list.entries[static_cast<std::size_t>(i)]);
}

void DrawBodyEntry(const PolyEntry& entry) {
  if (!entry.face) return;
  const Face& face = *entry.face;
  if (!(face.flags & kFaceDrawnInBodyDraw) || face.screenVertexCount <= 0) return;
  if (face.type < 0 || face.type >= kBodyFaceTypes) return;
  DrawBlock block = TexturedBlock(entry, face);
  block.vertexCount = face.screenVertexCount;
  block.vertices = face.firstScreenVertex;
  CallRasterRoutine(BodyRoutineOf(face), block);
}
