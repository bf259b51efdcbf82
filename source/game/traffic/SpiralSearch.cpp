#include "game/traffic/SpiralSearch.h"

#include "game/traffic/RoadDirections.h"
#include "game/world/CityArrays.h"

void SpiralSearch::Start(int radius) {
  mSteps = 0;
  mSide = 0;
  mSideLength = 1;
  mLimit = 2 * radius;
}

bool SpiralSearch::Next(uint16_t& tile) {
  while (mSideLength <= mLimit) {
    if (mSteps >= mSideLength) {
      mSide = (mSide + 1) & 3;
      mSteps = 0;
      if (mSide == 0 || mSide == 2) ++mSideLength;
    }
    tile = PackTile(TileX(tile) + kTileStepX[mSide], TileY(tile) + kTileStepY[mSide]);
    ++mSteps;
    if (InCity(tile)) return true;
  }
  return false;
}

bool SpiralSearch::InCity(uint16_t tile) { return TileX(tile) < kCitySize && TileY(tile) < kCitySize; }
