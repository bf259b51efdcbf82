#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "StartedCity.h"
#include "game/world/WorldResources.h"
#include "pel3d/math/Matrix.h"
#include "pel3d/math/Vec3.h"

// A small city started over the object sets as the data set writes them, in a world started
// on a data set of those files alone, drawn into a 640 x 480 buffer: the bodies the world
// draws, not stand-ins.
class ViewedCity : public StartedCity {
protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Starts the city and lays a grid of the depth out around the viewer's cell.
  bool StartAndView(int depth, int cellX, int cellY);
  // Lights the world by day or night.
  void Light(bool night);
  // The camera at a world point (whole units), looking north and down by the pitch in
  // degrees.
  static void PlaceCamera(int x, int y, int z, int pitch);
  // The centre of a cell on the ground, in whole units.
  static int CentreX(int cellX) { return cellX * 64 - 8192 + 32; }
  static int CentreZ(int cellY) { return 8192 - cellY * 64 - 32; }

  static const ResourceGroup* Bitmaps() { return WorldBitmapGroup; }

  std::vector<uint8_t> frame;

private:
  static TempFolder* sData;
  std::pair<std::string, std::string> mRoots;
};
