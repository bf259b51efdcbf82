#pragma once
#include <cstdint>
#include <deque>
#include <set>
#include <vector>

#include "pel3d/bodies/Body.h"

// Stand-ins for the city's bodies, registered for as long as the object lives: for each city
// body id a flat roof square over the record's ground (half side 32 x size - 4) at the id's
// height, so the city start finds every body and height probes meet a roof.
class CityBodies {
public:
  // Registers every city body id but those left out.
  explicit CityBodies(const std::set<int>& leftOut = {});
  ~CityBodies();
  CityBodies(const CityBodies&) = delete;
  CityBodies& operator=(const CityBodies&) = delete;

  // The roof height of a body id, in whole units.
  static int RoofHeight(int bodyId);

private:
  struct Part {
    Body body;
    std::vector<Vec3> vertices;
    std::vector<uint32_t> indices;
    std::vector<TexCoord> texCoords;
    Face face;
    Plane plane;
  };
  void Add(int bodyId);

  std::deque<Part> mParts;
};
