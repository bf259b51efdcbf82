#include "objectsets/DeckBodies.h"

#include <algorithm>

#include "game/world/TileCatalogue.h"
#include "objectsets/BodyShape.h"
#include "objectsets/ObjectSetIds.h"

namespace {

constexpr uint32_t kDeckSide = 48 + 9;
constexpr uint32_t kPillar = 48 + 7;
constexpr uint32_t kParapet = 48 + 11;
constexpr double kDeckThickness = 3;
constexpr double kParapetHeight = 2.5;
const Point kUp{0, 1, 0};

// Which side of a piece is high: the direction its top rises toward.
enum class Rise { kNone, kNorth, kEast, kSouth, kWest };

struct DeckPlan {
  double halfX;  // the deck's extent about the origin
  double halfZ;
  double cellHalf;  // half the piece's s x s cells: the texture spans them
  DeckHeights heights;
  Rise rise = Rise::kNone;
  uint32_t tile;  // texture id of the top
  bool alongZ;  // a straight piece running north-south (parapets on its east and west)
  bool straight;
};

int32_t ExitsTile(uint8_t exits, int32_t first) {
  static constexpr uint8_t kExitOrder[] = {5, 10, 3, 6, 12, 9, 11, 7, 14, 13, 15};
  for (int32_t i = 0; i < 11; ++i)
    if (kExitOrder[i] == (exits & 15)) return first + i;
  return first;
}

// A single exit (a bridge end) leads along its axis.
uint8_t AxisExits(uint8_t exits) {
  exits &= 15;
  if (exits == 1 || exits == 4) return 5;
  if (exits == 2 || exits == 8) return 10;
  return exits;
}

Rise RiseOf(uint32_t tileId) {
  switch (tileId) {
    case 97: return Rise::kWest;
    case 98: return Rise::kNorth;
    case 99: return Rise::kEast;
    case 100: return Rise::kSouth;
    case 46: return Rise::kEast;
    case 47: return Rise::kSouth;
    case 48: return Rise::kWest;
    case 49: return Rise::kNorth;
    default: return Rise::kNone;
  }
}

double TopAt(const DeckPlan& plan, double x, double z) {
  const double span = plan.heights.high - plan.heights.low;
  switch (plan.rise) {
    case Rise::kNorth: return plan.heights.low + span * (z + plan.cellHalf) / (2 * plan.cellHalf);
    case Rise::kSouth: return plan.heights.low + span * (plan.cellHalf - z) / (2 * plan.cellHalf);
    case Rise::kEast: return plan.heights.low + span * (x + plan.cellHalf) / (2 * plan.cellHalf);
    case Rise::kWest: return plan.heights.low + span * (plan.cellHalf - x) / (2 * plan.cellHalf);
    case Rise::kNone: break;
  }
  return plan.heights.low;
}

void BuildDeck(BodyShape& shape, const DeckPlan& plan) {
  const double x0 = -plan.halfX, x1 = plan.halfX, z0 = -plan.halfZ, z1 = plan.halfZ;
  const auto top = [&](double x, double z) { return Point{x, TopAt(plan, x, z), z}; };
  const auto under = [&](double x, double z) { return Point{x, std::max(0.0, TopAt(plan, x, z) - kDeckThickness), z}; };
  // The top: the ground tile stretched over the piece's cells, cut to the deck.
  const std::vector<Point> corners{top(x0, z0), top(x1, z0), top(x1, z1), top(x0, z1)};
  Texturing texturing{plan.tile, {}};
  for (const Point& p : corners) texturing.coords.push_back({(p.x + plan.cellHalf) / (2 * plan.cellHalf), (plan.cellHalf - p.z) / (2 * plan.cellHalf)});
  shape.Textured(corners, kUp, kDeckSide, face_type::kTiledPerspective32, texturing);
  // The deck's edges.
  shape.Flat({top(x0, z0), top(x1, z0), under(x1, z0), under(x0, z0)}, {0, 0, -1}, kDeckSide);
  shape.Flat({top(x1, z1), top(x0, z1), under(x0, z1), under(x1, z1)}, {0, 0, 1}, kDeckSide);
  shape.Flat({top(x0, z1), top(x0, z0), under(x0, z0), under(x0, z1)}, {-1, 0, 0}, kDeckSide);
  shape.Flat({top(x1, z0), top(x1, z1), under(x1, z1), under(x1, z0)}, {1, 0, 0}, kDeckSide);
  // Parapets along a straight piece's sides.
  if (plan.straight) {
    const auto parapet = [&](const Point& a, const Point& b, const Point& outward) {
      shape.Flat({{a.x, a.y + kParapetHeight, a.z}, {b.x, b.y + kParapetHeight, b.z}, b, a}, outward, kParapet);
    };
    if (plan.alongZ) {
      parapet(top(x0, z1), top(x0, z0), {-1, 0, 0});
      parapet(top(x1, z0), top(x1, z1), {1, 0, 0});
    } else {
      parapet(top(x0, z0), top(x1, z0), {0, 0, -1});
      parapet(top(x1, z1), top(x0, z1), {0, 0, 1});
    }
  }
  // Pillars under the middle of the deck where it stands clear of the ground.
  const double pillarTop = TopAt(plan, 0, 0) - kDeckThickness;
  if (pillarTop > 0) {
    const double w = 3;
    const double offset = plan.alongZ ? plan.halfZ * 0.5 : plan.halfX * 0.5;
    for (double s : {-offset, offset}) {
      const double px = plan.alongZ ? 0 : s, pz = plan.alongZ ? s : 0;
      const double y = std::min(TopAt(plan, px, pz) - kDeckThickness, pillarTop);
      shape.Box({px - w, -10, pz - w}, {px + w, y, pz + w}, kPillar, -1);
    }
  }
}

DeckPlan PlanFor(uint32_t tileId) {
  const TileInfo info = LookUpTile(tileId);
  const bool rail = info.kind == TileKind::kRailSlope || info.kind == TileKind::kRailBridge;
  const uint8_t exits = AxisExits(rail ? info.railExits : info.roadExits);
  DeckPlan plan{};
  plan.cellHalf = 32.0 * info.size;
  plan.heights = DeckTopHeights(tileId);
  plan.rise = RiseOf(tileId & 0x80FF);
  plan.tile = TileOf(kGroundTiles, static_cast<uint32_t>(ExitsTile(exits, rail ? kGroundRail : kGroundRoad)));
  plan.straight = exits == 5 || exits == 10;
  plan.alongZ = exits == 5;
  const double across = info.size == 2 ? 40 : 22;
  plan.halfX = plan.straight && plan.alongZ ? across : plan.cellHalf;
  plan.halfZ = plan.straight && !plan.alongZ ? across : plan.cellHalf;
  return plan;
}

}  // namespace

DeckHeights DeckTopHeights(uint32_t tileId) {
  const uint32_t low = tileId & 0xFF;
  switch (LookUpTile(tileId).kind) {
    case TileKind::kBridge:
    case TileKind::kBridgeEnd: return {4, 4};
    case TileKind::kRailSlope:
    case TileKind::kHighwayRamp: return {0, 31};
    case TileKind::kRailBridge: return {31, 31};
    case TileKind::kHighway:
      if (low >= 97 && low <= 100) return {31, 62};
      if (low == 106 || low == 107) return {62, 62};
      return {31, 31};
    default: return {0, 0};
  }
}

BodyDescription DeckBody(uint32_t bodyId, uint32_t tileId) {
  BodyShape shape(bodyId);
  BuildDeck(shape, PlanFor(tileId));
  return shape.Finish();
}

BodyDescription RampBody(uint32_t bodyId, uint32_t tileId, RampDirection rising) {
  BodyShape shape(bodyId);
  DeckPlan plan = PlanFor(tileId);
  static constexpr Rise kRises[] = {Rise::kNorth, Rise::kEast, Rise::kSouth, Rise::kWest};
  plan.rise = kRises[rising];
  // A ramp climbs along its direction: it runs that way whatever its exits say.
  plan.alongZ = rising == kRampNorth || rising == kRampSouth;
  plan.straight = true;
  plan.halfX = plan.alongZ ? 22 : plan.cellHalf;
  plan.halfZ = plan.alongZ ? plan.cellHalf : 22;
  BuildDeck(shape, plan);
  return shape.Finish();
}
