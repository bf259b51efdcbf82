#include "pel3d/draw/DispatchTables.h"

namespace {

using enum RasterId;

// The routine of a type in one band, textures on.
constexpr RasterId TexturedRoutine(int32_t type, int32_t band) {
  const bool fog = band == 3;
  switch (type) {
    case 0: return fog ? kDrawTexturedPolygonFog : kDrawTexturedPolygon;
    case 1: case 2: return fog ? kFarSprite : kSprite;
    case 3: return fog ? kDrawTexturedPolygonFog : kWallColumnFirst;
    case 4: return fog ? kDrawTexturedPolygonFog : kWallColumnSecond;
    case 5: case 6: case 9: case 10: case 14:
      return fog ? kDrawTexturedPolygonFog : kDrawTexturedPolygonEdgeCorrected;
    case 7: case 8: return fog ? kDrawTexturedPolygonFog : kWallColumnThird;
    case 11: return kPaletteRemap;
    case 13: {
      constexpr RasterId kByBand[] = {kFillPolygonPerspective16, kFillPolygonPerspective32, kDrawTexturedPolygon,
                                      kDrawTexturedPolygonFog};
      return kByBand[band];
    }
    case 15: return fog ? kFillPolygonFlatFog : kFillPolygonFlat;
    case 16: return fog ? kFillPolygonTiledFog : kFillPolygonTiled;
    case 17: {
      constexpr RasterId kByBand[] = {kFillPolygonTiledPerspective32, kFillPolygonTiledPerspective32,
                                      kFillPolygonTiled, kFillPolygonTiledFog};
      return kByBand[band];
    }
    case 18: {
      constexpr RasterId kByBand[] = {kFillPolygonTiledPerspective16, kFillPolygonTiledPerspective32,
                                      kFillPolygonTiled, kFillPolygonTiledFog};
      return kByBand[band];
    }
    case 19: return fog ? kFillPolygonGouraudFog : kFillPolygonGouraud;
    case 20: return kDrawSolidLine;
    case 21: return kHeliStub;
    case 22: return kPersonDrawFace;
    case 23: return kDrawPixelPrimitive;
    case 24: return kSprite;
    case 25: return kDrawBlinkingLight;
    case 26: return kDrawParticleSprite;
    case 27: return kDrawRemapLine;
    default: return kNone;
  }
}

// Textures off: the types with a routine of their own keep it, the rest are filled flat.
constexpr RasterId UntexturedRoutine(int32_t type, int32_t band) {
  const bool fog = band == 3;
  switch (type) {
    case 1: case 2: case 11: case 12: case 19: case 20: case 21: case 22: case 23: case 24: case 25: case 26: case 27:
      return TexturedRoutine(type, band);
    default: return fog ? kFillPolygonFlatFog : kFillPolygonFlat;
  }
}

constexpr BandTable MakeBandTable(int32_t band) {
  BandTable table{};
  for (int32_t type = 0; type < kSceneFaceTypes; ++type) {
    table[static_cast<std::size_t>(type)] = TexturedRoutine(type, band);
    table[static_cast<std::size_t>(type + kUntexturedOffset)] = UntexturedRoutine(type, band);
  }
  return table;
}

}  // namespace

const std::array<BandTable, kBandCount> kBandTables = {MakeBandTable(0), MakeBandTable(1), MakeBandTable(2),
                                                       MakeBandTable(3)};

const std::array<RasterId, kBodyFaceTypes> kBodyTable = {
    kDrawTexturedPolygonKeyed,          // 0
    kSprite, kSprite,                   // 1, 2
    kWallColumnFirst,                   // 3
    kWallColumnSecond,                  // 4
    kDrawTexturedPolygonEdgeCorrected,  // 5
    kDrawTexturedPolygonEdgeCorrected,  // 6
    kWallColumnThird, kWallColumnThird, // 7, 8
    kDrawTexturedPolygonEdgeCorrected,  // 9
    kDrawTexturedPolygonEdgeCorrected,  // 10
    kPaletteRemap,                      // 11
    kNone,                              // 12
    kFillPolygonPerspective16,          // 13
    kDrawTexturedPolygonEdgeCorrected,  // 14
    kFillPolygonPattern,                // 15
    kFillPolygonPerspective16,          // 16
    kNone, kNone,                       // 17, 18
    kFillPolygonPerspectiveBody,        // 19
    kFillPolygonPerspectiveBodyTransparent,  // 20
    kDrawTexturedPolygonEdgeCorrected,  // 21
    kDrawTexturedPolygonEdgeCorrected,  // 22
    kFillPolygonPerspectiveBody,        // 23
    kFillPolygonPerspectiveBodyTransparent,  // 24
    kDrawTexturedPolygonEdgeCorrected,  // 25
    kDrawTexturedPolygonEdgeCorrected,  // 26
    kPaletteRemap,                      // 27
    kNone,                              // 28
    kDrawTexturedPolygonEdgeCorrected,  // 29
    kDrawTexturedPolygonEdgeCorrected,  // 30
    kFillPolygonFirstPixel,             // 31
};

const std::array<RasterId, 6> kGroundTable = {
    kFillPolygonTiled, kFillPolygonTiledFog, kFillPolygonTiledPerspective32,
    kFillPolygonFlat,  kFillPolygonFlatFog,  kFillPolygonFlat,
};

int32_t DepthBand(Fixedpoint depth, Fixedpoint fogThreshold) {
  if (depth >= fogThreshold) return 3;
  if (depth >= kBand2Depth) return 2;
  if (depth >= kBand1Depth) return 1;
  return 0;
}
