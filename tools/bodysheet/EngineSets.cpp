#include "bodysheet/EngineSets.h"

#include <algorithm>
#include <filesystem>

#include "enginefiles/ShadeTable.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/bodies/TexCoordScaling.h"
#include "pel3d/bodies/TextureColourTable.h"
#include "pel3d/bodies/VertexPool.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/files/ResourceGroupLoader.h"
#include "pel3d/files/TiledTexture.h"
#include "platform/Process.h"

namespace {

constexpr uint32_t kTileMask = 0x1F1F;
constexpr uint32_t kGroundBitmap = 20;
constexpr uint32_t kSplitBitmaps[] = {2, 39, 40, 13};
constexpr uint8_t kStandInGround = 144 + 7;

std::string Described(const std::string& message) {
  return message + " (engine error " + std::to_string(GetLastResourceError()) + ")";
}

}  // namespace

EngineSets::EngineSets(const std::string& bitmapFolder, const std::vector<SetFile>& sets) {
  if (LoadBitmaps(bitmapFolder)) LoadSets(sets);
}

EngineSets::~EngineSets() {
  for (ResourceGroup* group : mGroups) FreeResourceGroup(group);
  if (mBitmaps) {
    ForgetTextureColourTable(mBitmaps);
    FreeResourceGroup(mBitmaps);
  }
  if (mPool) DestroyVertexPool(mPool);
}

bool EngineSets::Fail(const std::string& message) {
  mError = message;
  return false;
}

bool EngineSets::LoadBitmaps(const std::string& folder) {
  mBitmaps = LoadResourceGroup(platform::ToGamePath(folder + "/PEL3D.BMP"), kGroupBitmaps);
  if (!mBitmaps) return Fail(Described("Unable to load resources"));
  const std::string tiled = folder + "/TILED1.BMP";
  if (std::filesystem::exists(tiled)) {
    if (LoadTiledTexture(platform::ToGamePath(tiled), mBitmaps, kTileMask, kGroundBitmap) <= 0) {
      return Fail(Described("Unable to load tiled1 bmp"));
    }
  } else {
    mStandInTiles.assign(256 * 256, kStandInGround);
    if (!SetupTiledTexture(mBitmaps, kTileMask, kGroundBitmap, mStandInTiles.data())) {
      return Fail(Described("Unable to set up the stand-in ground tiles"));
    }
  }
  for (uint32_t index : kSplitBitmaps) {
    if (!SetupTiledTexture(mBitmaps, kTileMask, index, nullptr)) {
      return Fail(Described("Bitmap " + std::to_string(index) + " cannot be cut into tiles"));
    }
  }
  if (BuildTextureColourTable(mBitmaps, 1) != 0) return Fail(Described("Unable to create texture color table"));
  return true;
}

bool EngineSets::LoadSets(const std::vector<SetFile>& sets) {
  for (const SetFile& set : sets) {
    ResourceGroup* group = LoadResourceGroup(platform::ToGamePath(set.path), kGroupBodies, set.group);
    if (!group) return Fail(Described("Unable to load resources: " + set.group));
    mGroups.push_back(group);
  }
  std::size_t transformed = 1, projected = 1;
  for (const ResourceGroup* group : mGroups) {
    for (int32_t i = 0; i < GetGroupBodyCount(group); ++i) {
      transformed = std::max(transformed, GetTransformedBytes(GetGroupBody(group, i)));
      projected = std::max(projected, GetProjectedBytes(GetGroupBody(group, i)));
    }
  }
  mPool = CreateVertexPool(transformed, 8 * projected);
  if (!mPool) return Fail("Could not create mem pool");
  for (ResourceGroup* group : mGroups) {
    AttachGroupVertexPool(group, mPool);
    if (!ScaleBodyTexCoords(group, mBitmaps)) return Fail(Described("A face names a bitmap the file lacks"));
    FreeGroupPool(group);
  }
  return true;
}

const uint8_t* EngineSets::ShadeTable(bool night) const {
  const Bitmap* bitmap = GetBitmapRecord(mBitmaps, night ? kNightShadeBitmap : kDayShadeBitmap);
  return bitmap ? bitmap->pixels : nullptr;
}
