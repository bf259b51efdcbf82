#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BodyBuilder.h"
#include "Drovane/Arena.h"
#include "EngineFileFixture.h"
#include "enginefiles/BodyWriter.h"
#include "enginefiles/ResourceFileWriter.h"
#include "pel3d/files/ResourceGroup.h"

constexpr Fixedpoint kOne = 65536;

// A clean engine with the application's arenas (the loader's scratch arena) and an empty
// body registry; at the end no body may be left registered.
class BodyFileTest : public EngineFileTest {
protected:
  void SetUp() override {
    if (gScratchArena < 0) CreateApplicationArenas();
    ClearBodyRegistry();
    EngineFileTest::SetUp();
  }
  void TearDown() override {
    EngineFileTest::TearDown();
    EXPECT_EQ(GetRegisteredBodyCount(), 0);
    ClearBodyRegistry();
  }

  std::string WriteResource(const ResourceFileWriter& writer) { return WriteFile("geo/BODIES.ZEF", writer.Build()); }

  // Loads the bodies as the named group "OBJECTS".
  ResourceGroup* LoadBodies(const std::vector<BodyDescription>& bodies) {
    ResourceFileWriter writer;
    std::string error;
    EXPECT_TRUE(AddBodyGroup(writer, "OBJECTS", bodies, error)) << error;
    return LoadResourceGroup(WriteResource(writer), kGroupBodies, "OBJECTS");
  }
};

// A unit square at height y, its corners 0 to 3 from base on, facing down (a floor seen
// from below) or up.
inline void AddSquare(BodyDescription& body, Fixedpoint y, bool up, uint32_t colour = 20) {
  const int32_t base = static_cast<int32_t>(body.vertices.size());
  body.vertices.insert(body.vertices.end(), {{0, y, 0}, {0, y, kOne}, {kOne, y, kOne}, {kOne, y, 0}});
  FaceDescription face;
  face.corners = up ? std::vector<int32_t>{base, base + 3, base + 2, base + 1}
                    : std::vector<int32_t>{base, base + 1, base + 2, base + 3};
  face.colour = colour;
  face.texCoords = {{0, 0}, {0, kOne}, {kOne, kOne}, {kOne / 2, 0}};
  body.faces.push_back(face);
}
