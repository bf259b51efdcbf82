#include "dataset/GroundTiles.h"

#include <cmath>
#include <cstdlib>
#include <functional>

#include "enginefiles/BitmapFileWriter.h"
#include "game/world/CityTileBodies.h"
#include "platform/Process.h"

namespace {

constexpr int kSide = kGroundTileSide;
constexpr double kCentre = kSide / 2.0;

// Colours, each well inside its ramp so that the one after it is still the same hue.
constexpr uint8_t kGrass[4] = {149, 150, 151, 152};
constexpr uint8_t kSand = 201;
constexpr uint8_t kWaterShallow = 14;  // water 10-15: one darker per step of depth
constexpr uint8_t kConcrete = 55;
constexpr uint8_t kPavement = 57;
constexpr uint8_t kAsphalt = 37;
constexpr uint8_t kKerb = 60;
constexpr uint8_t kCentreLine = 74;
constexpr uint8_t kSleeper = 116;
constexpr uint8_t kRail = 53;
constexpr uint8_t kBallast = 51;
constexpr uint8_t kLawn = 214;
constexpr uint8_t kRubble = 118;

// The exits of the road and rail tiles, in their order (exit bits N 1, E 2, S 4, W 8).
constexpr uint8_t kExitOrder[11] = {5, 10, 3, 6, 12, 9, 11, 7, 14, 13, 15};

uint32_t Hash(int a, int b, int c) {
  uint32_t h = static_cast<uint32_t>(a) * 73856093u ^ static_cast<uint32_t>(b) * 19349663u ^ static_cast<uint32_t>(c) * 83492791u;
  return h ^ (h >> 13);
}

class Tile {
public:
  explicit Tile(std::vector<uint8_t>& texture, int index)
      : mTexture(texture), mLeft(index % kGroundTilesPerRow * kSide), mTop(index / kGroundTilesPerRow * kSide) {}

  void Set(int column, int row, uint8_t colour) {
    if (column >= 0 && row >= 0 && column < kSide && row < kSide)
      mTexture[static_cast<size_t>((mTop + row) * kGroundTextureSide + mLeft + column)] = colour;
  }
  void Fill(const std::function<uint8_t(int, int)>& colour) {
    for (int row = 0; row < kSide; ++row) {
      for (int column = 0; column < kSide; ++column) Set(column, row, colour(column, row));
    }
  }
  // Paints where the test holds.
  void Paint(const std::function<bool(int, int)>& where, uint8_t colour) {
    for (int row = 0; row < kSide; ++row) {
      for (int column = 0; column < kSide; ++column) {
        if (where(column, row)) Set(column, row, colour);
      }
    }
  }

private:
  std::vector<uint8_t>& mTexture;
  int mLeft;
  int mTop;
};

void Speckle(Tile& tile, int seed, uint8_t base, uint8_t light, uint8_t dark) {
  tile.Fill([=](int c, int r) {
    uint32_t h = Hash(c, r, seed) % 16;
    return h == 0 ? dark : h < 3 ? light : base;
  });
}

// How far a texel lies along and across one arm of a piece: the arm from the centre to the
// edge of exit direction d. Texel centres are at +0.5.
struct ArmPoint {
  double along;   // 0 at the centre, 16 at the edge
  double across;  // signed offset from the arm's centre line
};

ArmPoint OnArm(int column, int row, int d) {
  double x = column + 0.5 - kCentre, y = row + 0.5 - kCentre;
  switch (d) {
    case 0: return {-y, x};
    case 1: return {x, y};
    case 2: return {y, -x};
    default: return {-x, -y};
  }
}

// The bend's corner between two neighbouring exits, and the distance of a texel from it.
double FromCorner(int column, int row, uint8_t exits) {
  double cx = (exits & 2) ? kSide : 0;
  double cy = (exits & 1) ? 0 : kSide;
  return std::hypot(column + 0.5 - cx, row + 0.5 - cy);
}

bool IsBend(uint8_t exits) { return exits == 3 || exits == 6 || exits == 12 || exits == 9; }

// The distance of a texel across the nearest centre line of the piece (-1 when it lies
// off every arm), and whether it lies inside the crossing square of a junction.
double AcrossPiece(int column, int row, uint8_t exits, double halfWidth) {
  if (IsBend(exits)) return std::abs(FromCorner(column, row, exits) - kCentre);
  double best = -1;
  for (int d = 0; d < 4; ++d) {
    if (!(exits & (1 << d))) continue;
    ArmPoint p = OnArm(column, row, d);
    if (p.along < -halfWidth) continue;
    double across = std::abs(p.across);
    if (best < 0 || across < best) best = across;
  }
  return best;
}

void DrawRoad(Tile& tile, uint8_t exits) {
  tile.Fill([](int c, int r) { return Hash(c, r, 7) % 9 == 0 ? uint8_t{kPavement - 1} : kPavement; });
  tile.Paint([=](int c, int r) { double a = AcrossPiece(c, r, exits, 8); return a >= 0 && a < 8; }, kKerb);
  tile.Paint([=](int c, int r) { double a = AcrossPiece(c, r, exits, 7); return a >= 0 && a < 7; }, kAsphalt);
  // A dashed centre line along the straight pieces and the bends, none across junctions.
  if (__builtin_popcount(exits) != 2) return;
  tile.Paint([=](int c, int r) {
    double a = AcrossPiece(c, r, exits, 0);
    int dash = IsBend(exits) ? static_cast<int>(std::atan2(r + 0.5 - (exits & 1 ? 0 : kSide), c + 0.5 - (exits & 2 ? kSide : 0)) * 10)
                             : ((exits & 5) == 5 ? r : c);
    return a >= 0 && a < 0.6 && (std::abs(dash) / 3) % 2 == 0;
  }, kCentreLine);
}

void DrawRailOn(Tile& tile, uint8_t exits) {
  tile.Paint([=](int c, int r) { double a = AcrossPiece(c, r, exits, 7); return a >= 0 && a < 7; }, kBallast);
  // Sleepers every 4 texels along the track, then the two rails 8 texels apart.
  tile.Paint([=](int c, int r) {
    double a = AcrossPiece(c, r, exits, 6);
    int along = IsBend(exits) ? static_cast<int>(std::atan2(r + 0.5 - (exits & 1 ? 0 : kSide), c + 0.5 - (exits & 2 ? kSide : 0)) * 24)
                              : ((exits & 5) ? r : c);
    return a >= 0 && a < 6 && std::abs(along) % 4 == 0;
  }, kSleeper);
  tile.Paint([=](int c, int r) { double a = AcrossPiece(c, r, exits, 5); return a >= 3.5 && a < 5; }, kRail);
}

void DrawRail(Tile& tile, uint8_t exits) {
  tile.Fill([](int c, int r) { return kGrass[Hash(c, r, 3) % 4]; });
  DrawRailOn(tile, exits);
}

// A road over the tracks: the road, then the rails showing through it.
void DrawCrossing(Tile& tile, uint8_t roadExits) {
  DrawRoad(tile, roadExits);
  uint8_t railExits = roadExits == 5 ? 10 : 5;
  tile.Paint([=](int c, int r) { double a = AcrossPiece(c, r, railExits, 5); return a >= 3.5 && a < 5; }, kRail);
}

void DrawTile(Tile& tile, int index) {
  if (index >= kGroundRoad && index < kGroundRoad + 11) return DrawRoad(tile, kExitOrder[index - kGroundRoad]);
  if (index >= kGroundRail && index < kGroundRail + 11) return DrawRail(tile, kExitOrder[index - kGroundRail]);
  if (index >= kGroundWater && index < kGroundWater + 5) {
    uint8_t base = static_cast<uint8_t>(kWaterShallow - (index - kGroundWater));
    return Speckle(tile, index, base, static_cast<uint8_t>(base + 1), base > 10 ? static_cast<uint8_t>(base - 1) : base);
  }
  switch (index) {
    case kGroundBeach: return Speckle(tile, index, kSand, kSand + 2, kSand - 2);
    case kGroundConcrete: return Speckle(tile, index, kConcrete, kConcrete + 1, kConcrete - 2);
    case kGroundRoadOverRail: return DrawCrossing(tile, 5);
    case kGroundRoadOverRail + 1: return DrawCrossing(tile, 10);
    case kGroundPaving:
      return tile.Fill([](int c, int r) { return c % 8 == 0 || r % 8 == 0 ? uint8_t{kPavement - 3} : kPavement; });
    case kGroundLawn: return tile.Fill([](int c, int) { return c / 4 % 2 ? uint8_t{kLawn} : uint8_t{kLawn + 1}; });
    case kGroundRubble: return Speckle(tile, index, kRubble, kConcrete, kRubble - 3);
    default: break;
  }
  // Grass, four kinds and every unused tile.
  int kind = index < 4 ? index : index % 4;
  tile.Fill([kind](int c, int r) {
    uint32_t h = Hash(c, r, 11 + kind) % 12;
    return h < 2 ? kGrass[(kind + 1) % 4] : h < 3 ? kGrass[(kind + 2) % 4] : kGrass[kind];
  });
}

}  // namespace

std::vector<uint8_t> DrawGroundTiles() {
  std::vector<uint8_t> texture(static_cast<size_t>(kGroundTextureSide * kGroundTextureSide));
  for (int index = 0; index < kGroundTileCount; ++index) {
    Tile tile(texture, index);
    DrawTile(tile, index);
  }
  return texture;
}

bool WriteGroundTilesStep(const std::string&, const std::string& outputPath, std::string& error) {
  BitmapFileWriter writer;
  writer.AddBitmap(kGroundTextureSide, kGroundTextureSide, DrawGroundTiles());
  if (writer.Save(platform::ToGamePath(outputPath))) return true;
  error = "the bitmap file could not be written";
  return false;
}
