#include "citygen/CityDistricts.h"

#include <algorithm>
#include <cstdlib>

#include "citygen/CityPlan.h"
#include "citygen/CitySkeleton.h"

const char* const kDistrictNames[kDistrictCount] = {"Downtown", "Midtown", "Railside", "Greenfields"};

namespace {

using namespace skeleton;

constexpr int kCentreX = 82;
constexpr int kCentreY = 62;

struct Choice {
  uint8_t id;
  int size;
  uint8_t zone;
};

// What each district builds; a pick that does not fit falls back to the next smaller.
const std::vector<Choice> kDowntown = {{188, 3, 2}, {189, 3, 2}, {190, 3, 2}, {191, 3, 2}, {192, 3, 2}, {193, 3, 2},
                                       {158, 2, 2}, {159, 2, 2}, {160, 2, 2}, {161, 2, 2}, {144, 1, 2}, {145, 1, 2},
                                       {146, 1, 2}, {147, 1, 2}};
const std::vector<Choice> kMidtown = {{120, 2, 1}, {121, 2, 1}, {122, 2, 1}, {123, 2, 1}, {162, 2, 2}, {163, 2, 2},
                                      {164, 2, 2}, {165, 2, 2}, {140, 1, 2}, {141, 1, 2}, {142, 1, 2}, {143, 1, 2}};
const std::vector<Choice> kRailside = {{203, 3, 3}, {204, 3, 3}, {205, 3, 3}, {206, 3, 3}, {207, 3, 3},
                                       {198, 2, 3}, {199, 2, 3}, {200, 2, 3}, {201, 2, 3}, {202, 2, 3}};
const std::vector<Choice> kGreenfields = {{112, 1, 1}, {113, 1, 1}, {114, 1, 1}, {115, 1, 1}, {116, 1, 1},
                                          {117, 1, 1}, {118, 1, 1}, {144, 1, 2}, {140, 1, 2}};
const std::vector<Choice>* const kDistrictChoices[kDistrictCount] = {&kDowntown, &kMidtown, &kRailside, &kGreenfields};

constexpr uint8_t kFirstTree = 6;
constexpr uint8_t kTreeKinds = 7;

class Placer {
public:
  Placer(CityPlan& plan, GameRandomSource& random) : mPlan(plan), mRandom(random) {}

  void PlaceStations();
  void PlaceSites();
  void FillDistricts();
  std::vector<PlacedBuilding> Take() { return std::move(mPlaced); }

private:
  bool IsFree(int x, int y) const;
  bool Fits(int x, int y, int size) const;
  bool BesideRoad(int x, int y, int size) const;
  bool IsPlainRoad(int x, int y) const;
  void Put(int x, int y, int size, uint8_t id, uint8_t zone);
  bool PlaceStationWithAccess(uint8_t id);
  bool PlaceSitesBlock(int pads, bool airBasePad);
  void FillTile(int x, int y);
  int Roll(int n) { return mRandom.Next() % n; }

  CityPlan& mPlan;
  GameRandomSource& mRandom;
  std::array<std::array<bool, kPlanSide>, kPlanSide> mTaken{};
  std::vector<PlacedBuilding> mPlaced;
};

bool Placer::IsFree(int x, int y) const {
  if (!InCity(x, y) || mTaken[x][y] || mPlan.reserved[x][y]) return false;
  if (mPlan.water[x][y] || mPlan.slope[x][y] || x > mPlan.eastStreet) return false;
  return !mPlan.road[x][y] && !mPlan.rail[x][y] && !mPlan.piece[x][y];
}

bool Placer::Fits(int x, int y, int size) const {
  for (int dx = 0; dx < size; ++dx) {
    for (int dy = 0; dy < size; ++dy) {
      if (!IsFree(x + dx, y + dy) || mPlan.altitude[x + dx][y + dy] != mPlan.altitude[x][y]) return false;
    }
  }
  return true;
}

bool Placer::BesideRoad(int x, int y, int size) const {
  for (int dx = -1; dx <= size; ++dx) {
    for (int dy = -1; dy <= size; ++dy) {
      bool edge = (dx == -1 || dx == size) != (dy == -1 || dy == size);
      if (edge && InCity(x + dx, y + dy) && mPlan.road[x + dx][y + dy]) return true;
    }
  }
  return false;
}

// A tile that becomes one of the ordinary road pieces, which stations reach their roads by.
bool Placer::IsPlainRoad(int x, int y) const {
  if (!InCity(x, y) || !mPlan.road[x][y] || mPlan.piece[x][y]) return false;
  return !mPlan.water[x][y] && !mPlan.slope[x][y] && !mPlan.rail[x][y];
}

void Placer::Put(int x, int y, int size, uint8_t id, uint8_t zone) {
  for (int dx = 0; dx < size; ++dx) {
    for (int dy = 0; dy < size; ++dy) mTaken[x + dx][y + dy] = true;
  }
  mPlaced.push_back({x, y, size, id, zone});
}

// A 3 x 3 station whose centre lies two tiles from a street, searched from a random street.
bool Placer::PlaceStationWithAccess(uint8_t id) {
  std::vector<std::pair<int, int>> roads;
  for (int x = 0; x < kPlanSide; ++x) {
    for (int y = 0; y < kPlanSide; ++y) {
      if (IsPlainRoad(x, y)) roads.emplace_back(x, y);
    }
  }
  if (roads.empty()) return false;
  size_t start = static_cast<size_t>(mRandom.Next()) * 7919 % roads.size();
  for (size_t i = 0; i < roads.size(); ++i) {
    auto [rx, ry] = roads[(start + i) % roads.size()];
    for (int d = 0; d < 4; ++d) {
      int cx = rx - 2 * kStepX[d], cy = ry - 2 * kStepY[d];
      if (!Fits(cx - 1, cy - 1, 3)) continue;
      Put(cx - 1, cy - 1, 3, id, 4);
      mPlan.plainRoad[rx][ry] = true;
      return true;
    }
  }
  return false;
}

void Placer::PlaceStations() {
  for (uint8_t id : {209, 210, 211}) PlaceStationWithAccess(id);
  if (!mPlan.recipe.showcase) return;
  // At the north edge beside the end of the street that ends there, its road off the ways
  // the dispatch looks: a station without road access.
  int x = kStreetFirst + kStreetStep + 1;
  if (Fits(x, 0, 3)) Put(x, 0, 3, 210, 4);
}

// Helipads in a row, the hangar's apron below the middle one and the hangar beside it.
bool Placer::PlaceSitesBlock(int pads, bool airBasePad) {
  for (int x = kStreetFirst + 1; x + 3 < kPlanSide; ++x) {
    for (int y = kStreetFirst + 1; y + 2 < kPlanSide; ++y) {
      if (!Fits(x, y, 3) || !BesideRoad(x + 2, y + 1, 1)) continue;
      for (int i = 0; i < pads; ++i) Put(x + i + (pads == 1 ? 1 : 0), y, 1, 222, 4);
      Put(x + 1, y + 1, 1, 246, 4);
      Put(x + 2, y + 1, 1, 248, 4);
      if (airBasePad) Put(x, y + 2, 1, 119, 4);
      return true;
    }
  }
  return false;
}

void Placer::PlaceSites() {
  const CityRecipe& recipe = mPlan.recipe;
  PlaceSitesBlock(recipe.showcase ? 3 : 1 + recipe.density, recipe.showcase || recipe.density == 2);
  if (recipe.density < 1 && !recipe.showcase) return;
  for (int x = kCentreX; x < kPlanSide - 2; ++x) {
    for (int y = kCentreY; y < kPlanSide - 2; ++y) {
      if (Fits(x, y, 2) && BesideRoad(x, y, 2)) return Put(x, y, 2, 215, 4);
    }
  }
}

void Placer::FillTile(int x, int y) {
  if (!IsFree(x, y)) return;
  int district = DistrictOf(mPlan, x, y);
  const std::vector<Choice>& choices = *kDistrictChoices[district];
  // Denser cities build more and leave less to the parks.
  int parkOdds = 12 - 4 * mPlan.recipe.density;
  if (Roll(100) >= parkOdds) {
    const Choice& pick = choices[static_cast<size_t>(Roll(static_cast<int>(choices.size())))];
    for (int size = pick.size; size >= 1; --size) {
      const Choice* fitting = &pick;
      if (size != pick.size) {
        auto same = std::find_if(choices.begin(), choices.end(), [size](const Choice& c) { return c.size == size; });
        if (same == choices.end()) continue;
        fitting = &*same;
      }
      if (Fits(x, y, size) && BesideRoad(x, y, size)) return Put(x, y, size, fitting->id, fitting->zone);
    }
  }
  if (Roll(3) != 0) Put(x, y, 1, static_cast<uint8_t>(kFirstTree + Roll(kTreeKinds)), 4);
}

void Placer::FillDistricts() {
  for (int x = 0; x < kPlanSide; ++x) {
    for (int y = 0; y < kPlanSide; ++y) FillTile(x, y);
  }
}

}  // namespace

int DistrictOf(const CityPlan& plan, int x, int y) {
  bool nearRail = false;
  for (int dx = -3; dx <= 3 && !nearRail; ++dx) {
    for (int dy = -3; dy <= 3 && !nearRail; ++dy) nearRail = InCity(x + dx, y + dy) && plan.rail[x + dx][y + dy];
  }
  int reach = std::max(std::abs(x - kCentreX), std::abs(y - kCentreY));
  int density = plan.recipe.density;
  if (reach < 6 + 6 * density) return 0;
  if (nearRail) return 2;
  return reach < 14 + 10 * density ? 1 : 3;
}

std::vector<PlacedBuilding> PlaceBuildings(CityPlan& plan, GameRandomSource& random) {
  Placer placer(plan, random);
  placer.PlaceStations();
  placer.PlaceSites();
  placer.FillDistricts();
  return placer.Take();
}
