#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "enginefiles/BitmapFileWriter.h"
#include "game/world/WorldFaceRoutines.h"
#include "game/world/WorldResources.h"
#include "pel3d/draw/ViewDistance.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/files/ResourceGroupLoader.h"
#include "support/TempFolder.h"

// A small bitmap group installed as the world's: the shade tables (1 and 41), two remap
// tables (51) and the twelve particles (52-63: 8 x 8 of colour 200 + kind, with the last
// texel, bottom right, transparent); every other slot a 1 x 1 bitmap. Freed again at the end.
class WorldBitmaps {
public:
  static constexpr uint32_t kParticleSide = 8;
  static constexpr uint8_t ParticleColour(uint32_t kind) { return static_cast<uint8_t>(200 + kind); }

  WorldBitmaps() {
    BitmapFileWriter writer;
    for (uint32_t i = 0; i < kFirstParticleBitmap + kParticleKinds; ++i) Add(writer, i);
    const std::string path = mFolder.Game("WORLD.BMP");
    if (writer.Save(path)) WorldBitmapGroup = LoadResourceGroup(path, kGroupBitmaps);
  }
  ~WorldBitmaps() {
    if (WorldBitmapGroup) FreeResourceGroup(WorldBitmapGroup);
    WorldBitmapGroup = nullptr;
  }
  WorldBitmaps(const WorldBitmaps&) = delete;
  WorldBitmaps& operator=(const WorldBitmaps&) = delete;

private:
  static void Add(BitmapFileWriter& writer, uint32_t index) {
    if (index == kDayShadeBitmap || index == kNightShadeBitmap) {
      writer.AddBitmap(256, 32, std::vector<uint8_t>(256 * 32, static_cast<uint8_t>(index)));
    } else if (index == 51) {
      writer.AddBitmap(256, 2, std::vector<uint8_t>(256 * 2, 51));
    } else if (index >= kFirstParticleBitmap) {
      std::vector<uint8_t> pixels(kParticleSide * kParticleSide, ParticleColour(index - kFirstParticleBitmap));
      pixels.back() = 0;
      writer.AddBitmap(kParticleSide, kParticleSide, pixels);
    } else {
      writer.AddBitmap(1, 1, {1});
    }
  }

  TempFolder mFolder;
};
