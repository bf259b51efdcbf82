#include "citygen/CityTerrain.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "citygen/CityPlan.h"
#include "citygen/CitySkeleton.h"

namespace {

using namespace skeleton;

constexpr int kDeepest = 5;

// The first sea column of a row: the coast strays from the recipe's column in long waves.
int ShoreColumn(const CityRecipe& recipe, int y) {
  double wave = std::sin(y * 0.11 + recipe.seed % 7) + 0.5 * std::sin(y * 0.27 + recipe.seed % 5);
  return recipe.coastX + static_cast<int>(std::lround(recipe.coastWobble * wave / 1.5));
}

void FloodWater(CityPlan& plan) {
  const CityRecipe& recipe = plan.recipe;
  for (int x = 0; x < kPlanSide; ++x) {
    for (int y = 0; y < kPlanSide; ++y) {
      bool sea = x >= ShoreColumn(recipe, y);
      bool inlet = x >= kRiverX && y >= kInletTop && y < kInletTop + recipe.inletWidth;
      bool river = x >= kRiverX && x < kRiverX + recipe.riverWidth && y < kInletTop;
      plan.water[x][y] = sea || inlet || river ? 1 : 0;
    }
  }
}

// Each water tile's depth is its distance from the nearest land, 1 at the shore, at most 5.
void DeepenFromShore(CityPlan& plan) {
  std::deque<std::pair<int, int>> queue;
  for (int x = 0; x < kPlanSide; ++x) {
    for (int y = 0; y < kPlanSide; ++y) {
      if (plan.water[x][y] == 0) queue.emplace_back(x, y);
    }
  }
  std::array<std::array<int, kPlanSide>, kPlanSide> distance{};
  for (auto& column : distance) column.fill(-1);
  for (auto [x, y] : queue) distance[x][y] = 0;
  while (!queue.empty()) {
    auto [x, y] = queue.front();
    queue.pop_front();
    for (int d = 0; d < 4; ++d) {
      int nx = x + kStepX[d], ny = y + kStepY[d];
      if (!InCity(nx, ny) || distance[nx][ny] >= 0) continue;
      distance[nx][ny] = distance[x][y] + 1;
      queue.emplace_back(nx, ny);
    }
  }
  for (int x = 0; x < kPlanSide; ++x) {
    for (int y = 0; y < kPlanSide; ++y) {
      if (plan.water[x][y]) plan.water[x][y] = static_cast<uint8_t>(std::clamp(distance[x][y], 1, kDeepest));
    }
  }
}

// A flat top one altitude above its surroundings, with a ring of slope tiles rising to it.
void RaiseHill(CityPlan& plan, int west, int east, int north, int south) {
  for (int x = west; x <= east; ++x) {
    for (int y = north; y <= south; ++y) ++plan.altitude[x][y];
  }
  for (int x = west; x <= east; ++x) {
    plan.slope[x][north - 1] = 4;  // rising south
    plan.slope[x][south + 1] = 2;  // rising north
  }
  for (int y = north; y <= south; ++y) {
    plan.slope[west - 1][y] = 3;  // rising east
    plan.slope[east + 1][y] = 1;  // rising west
  }
}

}  // namespace

void LayTerrain(CityPlan& plan) {
  FloodWater(plan);
  DeepenFromShore(plan);
  if (plan.recipe.hills) {
    RaiseHill(plan, kHillWest, kHillEast, kHillNorth, kHillSouth);
    RaiseHill(plan, kCrownWest, kCrownEast, kCrownNorth, kCrownSouth);
  }
  int shore = kPlanSide;
  for (int y = 0; y < kPlanSide; ++y) shore = std::min(shore, ShoreColumn(plan.recipe, y));
  plan.eastStreet = shore - 4;
}
