#pragma once
#include <cstdint>

// A cell of the world map by its x and y.
struct MapCell {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const MapCell&) const = default;
};

// The cell the viewer is over: the camera sets it every frame, and the view grid is
// centred on it.
extern MapCell ViewerCell;
