#include "objectsets/BuildingBodies.h"

#include <cmath>
#include <utility>

#include "game/world/TileCatalogue.h"
#include "objectsets/BodyShape.h"
#include "objectsets/CityTextures.h"
#include "objectsets/FacadeTiles.h"
#include "objectsets/ObjectSetIds.h"

namespace {

constexpr double kBayWidth = 16.0;
constexpr double kFloorHeight = 10.0;
constexpr uint32_t kRoofGrey = 48 + 7;
constexpr uint32_t kRoofTiles = 96 + 5;
constexpr uint32_t kBrick = 96 + 3;
constexpr uint32_t kDoorDark = 32 + 6;
constexpr uint32_t kCrossRed = 96 + 9;
constexpr uint32_t kTowerLight = 249;

const Point kNorth{0, 0, 1}, kSouth{0, 0, -1}, kEast{1, 0, 0}, kWest{-1, 0, 0}, kUp{0, 1, 0};

struct Footprint {
  double x0, z0, x1, z1;
};

Footprint Inside(uint32_t tileId) {
  const double half = 32.0 * LookUpTile(tileId).size - 4.0;
  return {-half, -half, half, half};
}

// Deterministic choice in [low, high] by the id.
int32_t Pick(uint32_t id, int32_t low, int32_t high) {
  return low + static_cast<int32_t>((id * 2654435761u >> 8) % static_cast<uint32_t>(high - low + 1));
}

struct Facade {
  uint32_t bitmap;
  uint32_t look;
  uint8_t wallType;
};

void TiledWall(BodyShape& shape, const std::vector<Point>& corners, const Point& outward, const Facade& facade,
               uint32_t window) {
  const uint32_t tile = TileOf(facade.bitmap, FacadeTile(facade.look, window));
  shape.Textured(corners, outward, FacadeWallColour(facade.bitmap, facade.look), facade.wallType,
                 TileCoords(tile, corners, kBayWidth, kFloorHeight));
}

// Four tiled walls from y0 to y1 and a flat roof (none when roofColour is negative).
void TiledBlock(BodyShape& shape, const Footprint& f, double y0, double y1, const Facade& facade, uint32_t window,
                int32_t roofColour, bool skipSouth = false) {
  if (!skipSouth) TiledWall(shape, {{f.x0, y1, f.z0}, {f.x1, y1, f.z0}, {f.x1, y0, f.z0}, {f.x0, y0, f.z0}}, kSouth, facade, window);
  TiledWall(shape, {{f.x1, y1, f.z1}, {f.x0, y1, f.z1}, {f.x0, y0, f.z1}, {f.x1, y0, f.z1}}, kNorth, facade, window);
  TiledWall(shape, {{f.x0, y1, f.z1}, {f.x0, y1, f.z0}, {f.x0, y0, f.z0}, {f.x0, y0, f.z1}}, kWest, facade, window + 1);
  TiledWall(shape, {{f.x1, y1, f.z0}, {f.x1, y1, f.z1}, {f.x1, y0, f.z1}, {f.x1, y0, f.z0}}, kEast, facade, window + 1);
  if (roofColour >= 0) {
    shape.Flat({{f.x0, y1, f.z0}, {f.x1, y1, f.z0}, {f.x1, y1, f.z1}, {f.x0, y1, f.z1}}, kUp, static_cast<uint32_t>(roofColour));
  }
}

Footprint Shrunk(const Footprint& f, double by) { return {f.x0 + by, f.z0 + by, f.x1 - by, f.z1 - by}; }

void House(BodyShape& shape, uint32_t id) {
  const Footprint f = Shrunk(Inside(id), 6);
  const double walls = Pick(id, 12, 18);
  const double ridge = walls + Pick(id + 1, 6, 12);
  const Facade facade{kResidentialFacades, static_cast<uint32_t>(Pick(id, 0, 7)), face_type::kTiledAffine};
  TiledBlock(shape, f, 0, walls, facade, 0, -1, true);
  // The front, drawn column by column from the house-front texture.
  shape.Textured({{f.x0, walls, f.z0}, {f.x1, walls, f.z0}, {f.x1, 0, f.z0}, {f.x0, 0, f.z0}}, kSouth,
                 HouseFrontColour(), face_type::kFront, {kHouseFrontBitmap, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}});
  // A ridge running east-west: two roof slopes and two gables.
  const double midZ = (f.z0 + f.z1) / 2;
  const double eave = 2.0;
  shape.Flat({{f.x0 - eave, walls, f.z0 - eave}, {f.x1 + eave, walls, f.z0 - eave}, {f.x1 + eave, ridge, midZ}, {f.x0 - eave, ridge, midZ}},
             {0, 1, -1}, kRoofTiles);
  shape.Flat({{f.x1 + eave, walls, f.z1 + eave}, {f.x0 - eave, walls, f.z1 + eave}, {f.x0 - eave, ridge, midZ}, {f.x1 + eave, ridge, midZ}},
             {0, 1, 1}, kRoofTiles);
  const Texturing gable{kHouseFrontBitmap, {{0, 0}, {1, 0}, {0.5, 0.2}}};
  shape.Textured({{f.x0, walls, f.z1}, {f.x0, walls, f.z0}, {f.x0, ridge, midZ}}, kWest, HouseFrontColour(),
                 face_type::kGable, gable);
  shape.Textured({{f.x1, walls, f.z0}, {f.x1, walls, f.z1}, {f.x1, ridge, midZ}}, kEast, HouseFrontColour(),
                 face_type::kGable, gable);
}

void Shop(BodyShape& shape, uint32_t id) {
  const Footprint f = Inside(id);
  const double height = Pick(id, 20, 30);
  TiledBlock(shape, f, 0, height, {kCommercialFacades, static_cast<uint32_t>(Pick(id, 0, 7)), face_type::kTiledAffine},
             static_cast<uint32_t>(Pick(id, 0, 6)), kRoofGrey);
  // The sign across the front above the door, one of the four painted signs.
  const int32_t sign = Pick(id, 0, 3);
  const double k = sign;
  const double z = f.z0 - 0.5;
  shape.Textured({{f.x0 + 3, height - 2, z}, {f.x1 - 3, height - 2, z}, {f.x1 - 3, height - 8, z}, {f.x0 + 3, height - 8, z}},
                 kSouth, SignColour(static_cast<uint32_t>(sign)), face_type::kTextured, {kSignBitmap, {{0, k / 4}, {1, k / 4}, {1, (k + 1) / 4 - 0.01}, {0, (k + 1) / 4 - 0.01}}});
}

void Apartment(BodyShape& shape, uint32_t id) {
  const Footprint f = Inside(id);
  const double height = Pick(id, 50, 94);
  TiledBlock(shape, f, 0, height, {kResidentialFacades, static_cast<uint32_t>(Pick(id, 0, 7)), face_type::kTiledPerspective32},
             static_cast<uint32_t>(Pick(id, 0, 6)), kRoofGrey);
  shape.Box({-8, height, -8}, {8, height + 6, 8}, kRoofGrey - 2, kRoofGrey);
}

void Office(BodyShape& shape, uint32_t id) {
  const Footprint f = Inside(id);
  const double height = BuildingHeight(id);
  TiledBlock(shape, f, 0, height, {kCommercialFacades, static_cast<uint32_t>(Pick(id, 0, 7)), face_type::kTiledPerspective32},
             static_cast<uint32_t>(Pick(id, 0, 6)), kRoofGrey);
}

void Tower(BodyShape& shape, uint32_t id) {
  const Footprint f = Inside(id);
  const double height = BuildingHeight(id);
  const double base = height * 0.7;
  const Facade facade{kCommercialFacades, static_cast<uint32_t>(Pick(id, 0, 7)), face_type::kTiledPerspective16};
  TiledBlock(shape, f, 0, base, facade, static_cast<uint32_t>(Pick(id, 0, 6)), kRoofGrey);
  const Footprint top = Shrunk(f, (f.x1 - f.x0) * 0.2);
  TiledBlock(shape, top, base, height, facade, static_cast<uint32_t>(Pick(id, 0, 6)), kRoofGrey);
  for (const auto& [x, z] : {std::pair{top.x0, top.z0}, {top.x1, top.z0}, {top.x0, top.z1}, {top.x1, top.z1}}) {
    shape.PointFace({x, height, z}, kTowerLight, face_type::kBlinkingLight);
  }
}

void Fence(BodyShape& shape, const Footprint& f) {
  const double h = 6;
  const auto side = [&](Point a, Point b, const Point& outward) {
    const double length = std::hypot(b.x - a.x, b.z - a.z);
    shape.Textured({{a.x, h, a.z}, {b.x, h, b.z}, {b.x, 0, b.z}, {a.x, 0, a.z}}, outward, 48 + 8, face_type::kFence,
                   {kFenceBitmap, {{0, 0}, {length / 16, 0}, {length / 16, 1}, {0, 1}}});
  };
  side({f.x0, 0, f.z0}, {f.x1, 0, f.z0}, kSouth);
  side({f.x1, 0, f.z1}, {f.x0, 0, f.z1}, kNorth);
}

void Industry(BodyShape& shape, uint32_t id) {
  const Footprint all = Inside(id);
  const Footprint hall = Shrunk(all, 8);
  const double height = Pick(id, 25, 40);
  TiledBlock(shape, hall, 0, height, {kIndustrialFacades, static_cast<uint32_t>(Pick(id, 0, 7)), face_type::kTiledAffine},
             static_cast<uint32_t>(Pick(id, 0, 7)), kRoofGrey - 2);
  const int chimneys = LookUpTile(id).kind == TileKind::kFactory ? 2 : 1;
  for (int c = 0; c < chimneys; ++c) {
    const double x = hall.x1 - 10 - 16 * c;
    shape.Box({x - 3, height, hall.z1 - 14}, {x + 3, height + Pick(id + c, 12, 20), hall.z1 - 8}, kBrick, 32 + 2);
  }
  Fence(shape, all);
}

void Hospital(BodyShape& shape, uint32_t id) {
  const Footprint f = Inside(id);
  const double height = 45;
  TiledBlock(shape, f, 0, height, {kPublicFacades, kWhiteLook, face_type::kTiledPerspective32}, 0, 16 + 14);
  const double y = height + 0.3, arm = 24, w = 7;
  shape.Flat({{-arm, y, -w}, {arm, y, -w}, {arm, y, w}, {-arm, y, w}}, kUp, kCrossRed);
  shape.Flat({{-w, y + 0.1, -arm}, {w, y + 0.1, -arm}, {w, y + 0.1, arm}, {-w, y + 0.1, arm}}, kUp, kCrossRed);
}

void PoliceStation(BodyShape& shape, uint32_t id) {
  const Footprint f = Inside(id);
  const double height = 35;
  TiledBlock(shape, f, 0, height, {kPublicFacades, kPoliceLook, face_type::kTiledPerspective32}, 2, 80 + 5);
  shape.Box({-20, height, -20}, {20, height + 8, 20}, 80 + 7, 80 + 4);
  shape.Line({20, height + 8, 20}, {20, height + 48, 20}, 16 + 14);
  shape.Line({14, height + 40, 20}, {26, height + 40, 20}, 16 + 14);
}

void FireStation(BodyShape& shape, uint32_t id) {
  const Footprint f = Inside(id);
  const double height = 30;
  TiledBlock(shape, f, 0, height, {kPublicFacades, kFireLook, face_type::kTiledPerspective32}, 7, 96 + 7);
  const double z = f.z0 - 0.5;
  for (int bay = 0; bay < 3; ++bay) {
    const double x = -60 + 42 * bay;
    shape.Flat({{x, 16, z}, {x + 30, 16, z}, {x + 30, 0, z}, {x, 0, z}}, kSouth, kDoorDark);
  }
  shape.Textured({{-60, 26, z}, {60, 26, z}, {60, 19, z}, {-60, 19, z}}, kSouth, 96 + 4, face_type::kEdgeCorrected,
                 {kFireBoardBitmap, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}});
  shape.Box({f.x1 - 16, height, f.z1 - 16}, {f.x1 - 4, height + 25, f.z1 - 4}, 96 + 6, kRoofGrey);  // hose tower
}

void Hangar(BodyShape& shape, uint32_t id) {
  const Footprint f = Inside(id);
  const double walls = 14, crown = 26;
  const Facade facade{kPublicFacades, kHangarLook, face_type::kTiledAffine};
  TiledWall(shape, {{f.x1, walls, f.z1}, {f.x0, walls, f.z1}, {f.x0, 0, f.z1}, {f.x1, 0, f.z1}}, kNorth, facade, 7);
  TiledWall(shape, {{f.x0, walls, f.z1}, {f.x0, walls, f.z0}, {f.x0, 0, f.z0}, {f.x0, 0, f.z1}}, kWest, facade, 6);
  TiledWall(shape, {{f.x1, walls, f.z0}, {f.x1, walls, f.z1}, {f.x1, 0, f.z1}, {f.x1, 0, f.z0}}, kEast, facade, 6);
  // The front: a wide door between narrow piers.
  const uint32_t grey = FacadeWallColour(kPublicFacades, kHangarLook);
  shape.Flat({{f.x0, walls, f.z0}, {f.x1, walls, f.z0}, {f.x1, 0, f.z0}, {f.x0, 0, f.z0}}, kSouth, grey);
  shape.Flat({{f.x0 + 4, walls - 2, f.z0 - 0.5}, {f.x1 - 4, walls - 2, f.z0 - 0.5}, {f.x1 - 4, 0, f.z0 - 0.5}, {f.x0 + 4, 0, f.z0 - 0.5}},
             kSouth, kDoorDark);
  // A barrel roof running north-south, in six strips, closed by flat arches front and back.
  constexpr int kStrips = 6;
  std::vector<Point> arch;
  for (int i = 0; i <= kStrips; ++i) {
    const double a = 3.14159265358979 * i / kStrips;
    arch.push_back({f.x1 - (f.x1 - f.x0) * (1 - std::cos(a)) / 2, walls + (crown - walls) * std::sin(a), 0});
  }
  for (int i = 0; i < kStrips; ++i) {
    const Point& a = arch[i];
    const Point& b = arch[i + 1];
    const Point outward{(a.x + b.x) / 2, ((a.y + b.y) / 2 - walls) * 4, 0};
    shape.Flat({{a.x, a.y, f.z0}, {a.x, a.y, f.z1}, {b.x, b.y, f.z1}, {b.x, b.y, f.z0}}, outward, 48 + 10);
  }
  for (double z : {f.z0, f.z1}) {
    std::vector<Point> end;
    for (const Point& p : arch) end.push_back({p.x, p.y, z});
    shape.Flat(end, z < 0 ? kSouth : kNorth, grey);
  }
}

void PlainBox(BodyShape& shape, uint32_t variant, uint32_t size) {
  const double half = 32.0 * size - 4.0;
  const double height = 18 + static_cast<double>(variant * 7 % 30);
  TiledBlock(shape, {-half, -half, half, half}, 0, height,
             {kPublicFacades, 4 + variant % 4, face_type::kTiledAffine}, variant, kRoofGrey);
}

}  // namespace

int32_t BuildingHeight(uint32_t tileId) {
  switch (LookUpTile(tileId).kind) {
    case TileKind::kOffice: return Pick(tileId, 80, 160);
    case TileKind::kTower: return Pick(tileId, 160, 300);
    default: return 30;
  }
}

BodyDescription BuildingBody(uint32_t bodyId, uint32_t tileId) {
  BodyShape shape(bodyId);
  switch (LookUpTile(tileId).kind) {
    case TileKind::kHouse: House(shape, tileId); break;
    case TileKind::kShop: Shop(shape, tileId); break;
    case TileKind::kApartment: Apartment(shape, tileId); break;
    case TileKind::kOffice: Office(shape, tileId); break;
    case TileKind::kTower: Tower(shape, tileId); break;
    case TileKind::kWorkshop:
    case TileKind::kFactory: Industry(shape, tileId); break;
    case TileKind::kHospital: Hospital(shape, tileId); break;
    case TileKind::kPoliceStation: PoliceStation(shape, tileId); break;
    case TileKind::kFireStation: FireStation(shape, tileId); break;
    case TileKind::kHangar: Hangar(shape, tileId); break;
    default: PlainBox(shape, tileId, LookUpTile(tileId).size); break;
  }
  return shape.Finish();
}

BodyDescription FarBuildingBody(uint32_t bodyId, uint32_t tileId) {
  BodyShape shape(bodyId);
  const Footprint f = Inside(tileId);
  const double height = BuildingHeight(tileId);
  const uint32_t colour = FacadeWallColour(kCommercialFacades, static_cast<uint32_t>(Pick(tileId, 0, 7)));
  shape.Box({f.x0, 0, f.z0}, {f.x1, height, f.z1}, colour, static_cast<int32_t>(kRoofGrey));
  return shape.Finish();
}

BodyDescription PlainBuildingBody(uint32_t bodyId, uint32_t variant) {
  BodyShape shape(bodyId);
  PlainBox(shape, variant, 1);
  return shape.Finish();
}
