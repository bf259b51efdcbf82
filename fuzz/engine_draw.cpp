// A fuzzed body group drawn through the body-queue draw and the scene draw from a few
// cameras into a frame buffer guarded on every side.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "FuzzEngine.h"
#include "pel3d/EngineStart.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/bodies/Lighting.h"
#include "pel3d/bodies/TexCoordScaling.h"
#include "pel3d/bodies/VertexPool.h"
#include "pel3d/draw/CellRecords.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/draw/SceneDraw.h"
#include "pel3d/draw/TerrainGrid.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/math/View.h"
#include "enginefiles/BitmapFileWriter.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/files/TiledTexture.h"
#include "game/world/DrawFrameCounter.h"
#include "game/world/WorldFaceRoutines.h"
#include "game/world/WorldResources.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr Fixedpoint kOne = 65536;
const TileRecord* gGroundTile = nullptr;

// A bitmap file of a 64 x 64 bitmap, enough for the pattern fill, a 256 x 256 one that
// becomes a tile set of 32-texel tiles (texture id 1:t), small bitmaps up to the world's
// particles (52 on) and the particles, which the game's face routines draw.
std::vector<uint8_t> PatternBitmap() {
  BitmapFileWriter writer;
  writer.AddBitmap(64, 64, std::vector<uint8_t>(64 * 64, 9));
  std::vector<uint8_t> tiled(256 * 256);
  for (std::size_t i = 0; i < tiled.size(); ++i) tiled[i] = static_cast<uint8_t>(i % 251);
  writer.AddBitmap(256, 256, tiled);
  while (writer.Count() < kFirstParticleBitmap) writer.AddBitmap(2, 2, {1, 2, 3, 4});
  for (uint32_t kind = 0; kind < kParticleKinds; ++kind) {
    std::vector<uint8_t> particle(6 * 6, static_cast<uint8_t>(100 + kind));
    particle[0] = 0;
    writer.AddBitmap(6, 6, particle);
  }
  return writer.Build();
}

GuardedFrameBuffer& Frame() {
  static GuardedFrameBuffer frame(560, 400, 640);
  return frame;
}

// A shade table of 32 rows whose every entry differs from its colour.
const uint8_t* ShadeTable() {
  static const std::vector<uint8_t> table = [] {
    std::vector<uint8_t> rows(32 * 256);
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<uint8_t>(i + i / 256 + 1);
    return rows;
  }();
  return table.data();
}

void CheckFrame() {
  if (Frame().BorderUntouched()) return;
  std::fprintf(stderr, "a rasteriser wrote outside the view\n");
  std::abort();
}

void SetUpView() {
  InitEngine();
  RenderSurface surface{0, 0, 560, 400, 0, 640, 480};
  SetRenderSurface(surface);
  SetPixelAspect(kOne);
  Frame().Install();
  SetFarClip(2000 * kOne);
  SetFogThreshold(150 * kOne);
  SetFogRange(1851 * kOne);
  SetFlatThreshold(300 * kOne);
  SetShadeTable(ShadeTable(), 32);
  SetTranslucencyTable(ShadeTable(), 32);
  SetRemapTables(ShadeTable(), 32);
  GridInit(13);
}

void PlaceCamera(int camera) {
  static const Vec3 kPositions[] = {{0, 0, -20 * kOne}, {5 * kOne, 30 * kOne, -200 * kOne}, {0, -4 * kOne, 3 * kOne}};
  Matrix matrix;
  MatrixIdentity(matrix);
  if (camera == 2) MatrixRotateY(900 * kOne, matrix);
  const Vec3& at = kPositions[camera];
  for (int axis = 0; axis < 3; ++axis) matrix[4 * axis + 3] = -at[axis];
  SetCamera(at, matrix);
}

// One cell ahead of the camera holding every body as a static object, then the same as
// dynamic objects of the far cell behind it.
void DrawSceneOf(ResourceGroup* group) {
  const int32_t count = GetGroupBodyCount(group);
  std::vector<StaticEntry> statics(static_cast<std::size_t>(count));
  std::vector<DrawObject> objects(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    statics[static_cast<std::size_t>(i)] = {i + 1 < count ? &statics[static_cast<std::size_t>(i) + 1] : nullptr,
                                             GetGroupBody(group, i)};
    DrawObject& object = objects[static_cast<std::size_t>(i)];
    object.nextFirst = i + 1 < count ? &objects[static_cast<std::size_t>(i) + 1] : nullptr;
    object.body = GetGroupBody(group, i);
    MatrixIdentity(object.orientation);
  }
  DrawCell near{0, 0, 0, 0, 1, count ? statics.data() : nullptr, nullptr, nullptr};
  DrawCell far{kCellFar, 0, 0, 64, 1, count ? statics.data() : nullptr, count ? objects.data() : nullptr, nullptr};
  GroundTriangle* pair = gGrid.cellTriangles[6 * kGridMaxCells + 6];
  pair[0].tile = pair[1].tile = gGroundTile;
  gGrid.cellList[0] = &far;
  gGrid.cellList[1] = &near;
  for (int i = 0; i < 4; ++i) gGrid.groundList[i] = pair + (i & 1);
  gGrid.cellCount = 2;
  gGrid.groundCount = 4;
  GridViewSetup();
  SelectSceneDraw();
  DrawView();
  SelectQueuedBodiesDraw();
}

void DrawGroup(ResourceGroup* group, ResourceGroup* bitmaps) {
  if (!group) return;
  if (bitmaps) ScaleBodyTexCoords(group, bitmaps);
  std::size_t transformed = 0, projected = 0;
  for (int32_t i = 0; i < GetGroupBodyCount(group); ++i) {
    transformed = std::max(transformed, GetTransformedBytes(GetGroupBody(group, i)));
    projected += 2 * GetProjectedBytes(GetGroupBody(group, i));
  }
  VertexPool* pool = CreateVertexPool(transformed, projected);
  for (int32_t i = 0; pool && i < GetGroupBodyCount(group); ++i) {
    Body* body = GetGroupBody(group, i);
    AttachVertexPool(body, pool);
    LightBodyFaces(body);
    if (i % 3 == 1) body->userData = kSkipInFarCells;
  }
  for (int camera = 0; pool && camera < 3; ++camera) {
    PlaceCamera(camera);
    // Blinking lights of colours 246, 251 and the rest each show from one camera.
    static constexpr uint32_t kBlinkPhases[] = {0, 3, 5};
    gDrawFrameCounter = kBlinkPhases[camera];
    // Textured faces from the first two cameras; the last draws untextured with no far clip, so
    // its fog levels pass the view distance.
    SetObjectTextures(camera < 2);
    SetTerrainTextures(camera < 2);
    SetFarClip(camera < 2 ? 2000 * kOne : 0);
    DrawQueuedBodies();
    CheckFrame();
    DrawSceneOf(group);
    CheckFrame();
  }
  FreeResourceGroup(group);
  if (pool) DestroyVertexPool(pool);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (gScratchArena < 0) CreateApplicationArenas();
  CleanEngine();
  SetUpView();
  static const std::vector<uint8_t> bitmapBytes = PatternBitmap();
  ResourceGroup* bitmaps =
      LoadResourceGroup(WriteFuzzFile("FUZZ.BMP", bitmapBytes.data(), bitmapBytes.size()), kGroupBitmaps);
  if (bitmaps) SetupTiledTexture(bitmaps, 0x1F1F, 1, nullptr);
  gGroundTile = GetTileRecord(bitmaps, MakeTileId(1, 9));
  WorldBitmapGroup = bitmaps;
  BindWorldFaceRoutines();
  DrawGroup(LoadResourceGroup(WriteFuzzFile("FUZZ.ZEF", data, size), kGroupBodies, "OBJECTS"), bitmaps);
  WorldBitmapGroup = nullptr;
  CleanEngine();
  return 0;
}
