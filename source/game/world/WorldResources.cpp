#include "game/world/WorldResources.h"

#include <algorithm>
#include <string>

#include "Drovane/DataPaths.h"
#include "Drovane/DebugLog.h"
#include "Drovane/ErrorReport.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/bodies/TexCoordScaling.h"
#include "pel3d/bodies/TextureColourTable.h"
#include "pel3d/bodies/VertexPool.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/files/ResourceGroupLoader.h"
#include "pel3d/files/TiledTexture.h"

ResourceGroup* WorldBitmapGroup = nullptr;
std::array<ResourceGroup*, kObjectSetCount> gObjectSets{};
VertexPool* gObjectSetPool = nullptr;

namespace {

constexpr const char* kBitmapFile = "PEL3D.BMP";
constexpr const char* kTiledGroundFile = "TILED1.BMP";
constexpr std::array<const char*, kObjectSetCount> kObjectSetNames{"PEL3D1", "PEL3D2", "PEL3D3"};
constexpr uint32_t kTileMask = 0x1F1F;
constexpr uint32_t kTiledGroundBitmap = 20;
constexpr uint32_t kFacadeTileSets[] = {2, 39, 40, 13};
constexpr std::size_t kProjectedPoolFactor = 8;

std::string DataPath(int32_t kind, const std::string& name) {
  std::string path;
  gDataPaths.GetPathString(kind, 0, name, path);
  return path;
}

void ReportStartFailure(const char* message) {
  DebugPrintf("%s", message);
  ShowProgramError();
}

void LoadTiledGround() {
  if (LoadTiledTexture(DataPath(kDataBitmaps, kTiledGroundFile), WorldBitmapGroup, kTileMask, kTiledGroundBitmap) != 1) {
    ReportStartFailure("Unable to load tiled1 bmp\n");
  }
  for (uint32_t index : kFacadeTileSets) {
    if (!SetupTiledTexture(WorldBitmapGroup, kTileMask, index, nullptr)) {
      DebugPrintf("LoadWorldResources: bitmap %u cannot be cut into tiles\n", index);
    }
  }
}

void CreateObjectSetPool() {
  std::size_t transformed = 0, projected = 0;
  const std::vector<ResourceGroup*> sets = LoadedObjectSets();
  for (const ResourceGroup* group : sets) {
    for (int32_t i = 0; i < GetGroupBodyCount(group); ++i) {
      transformed = std::max(transformed, GetTransformedBytes(GetGroupBody(group, i)));
      projected = std::max(projected, GetProjectedBytes(GetGroupBody(group, i)));
    }
  }
  if (sets.empty()) return;
  gObjectSetPool = CreateVertexPool(transformed, kProjectedPoolFactor * projected);
  if (!gObjectSetPool) {
    ReportStartFailure("Could not create mem pool\n");
    return;
  }
  for (const ResourceGroup* group : sets) AttachGroupVertexPool(group, gObjectSetPool);
}

}  // namespace

std::vector<ResourceGroup*> LoadedObjectSets() {
  std::vector<ResourceGroup*> sets;
  for (ResourceGroup* group : gObjectSets) {
    if (group) sets.push_back(group);
  }
  return sets;
}

void LoadWorldResources() {
  FreeWorldResources();
  WorldBitmapGroup = LoadResourceGroup(DataPath(kDataBitmaps, kBitmapFile), kGroupBitmaps);
  bool missing = !WorldBitmapGroup;
  for (int i = 0; i < kObjectSetCount; ++i) {
    const std::string name = kObjectSetNames[static_cast<std::size_t>(i)];
    gObjectSets[static_cast<std::size_t>(i)] = LoadResourceGroup(DataPath(kDataGeometry, name + ".ZEF"), kGroupBodies, name);
    missing = missing || !gObjectSets[static_cast<std::size_t>(i)];
  }
  if (missing) ReportStartFailure("Unable to load resources\n");
  if (WorldBitmapGroup) LoadTiledGround();
}

void PrepareWorldTextures() {
  if (WorldBitmapGroup && BuildTextureColourTable(WorldBitmapGroup, 1) != 0) {
    ReportStartFailure("Unable to create texture color table\n");
  }
  CreateObjectSetPool();
}

void ScaleObjectSets() {
  for (ResourceGroup* group : LoadedObjectSets()) {
    if (WorldBitmapGroup && !ScaleBodyTexCoords(group, WorldBitmapGroup)) {
      DebugPrintf("ScaleObjectSets: a face of a body names a bitmap that PEL3D.BMP lacks\n");
    }
    FreeGroupPool(group);
  }
}

void FreeWorldResources() {
  SetShadeTable(nullptr, 0);
  SetTranslucencyTable(nullptr, 0);
  SetRemapTables(nullptr, 0);
  for (ResourceGroup*& group : gObjectSets) {
    if (group) FreeResourceGroup(group);
    group = nullptr;
  }
  if (WorldBitmapGroup) FreeResourceGroup(WorldBitmapGroup);
  WorldBitmapGroup = nullptr;
  if (gObjectSetPool) DestroyVertexPool(gObjectSetPool);
  gObjectSetPool = nullptr;
}
