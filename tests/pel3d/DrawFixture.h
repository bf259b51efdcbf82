#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <ostream>
#include <vector>

#include "BodyBuilder.h"
#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/bodies/VertexPool.h"
#include "pel3d/draw/BodyQueue.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/PolygonList.h"
#include "pel3d/math/View.h"
#include "pel3d/raster/FogLevel.h"

constexpr Fixedpoint Fix(double value) { return static_cast<Fixedpoint>(value * 65536.0); }
// 20.12 screen coordinates of whole pixels.
constexpr int32_t Px(double pixels) { return static_cast<int32_t>(pixels * 4096.0); }

// A view of round numbers: 100 pixels per unit of x/z and y/z, centre (100, 100), clip
// rectangle 0 to 200 on both axes, camera at the origin looking along z. The engine-wide
// draw state is restored afterwards.
class DrawTest : public ::testing::Test {
protected:
  void SetUp() override {
    savedView = gView;
    savedSettings = gDrawSettings;
    gView.centreX = Px(100);
    gView.centreY = Px(100);
    gView.scaleX = Px(100);
    gView.scaleY = Px(100);
    gView.clip = {0, 0, Px(200), Px(200)};
    gView.cameraPosition = {};
    MatrixIdentity(gView.cameraMatrix);
    gView.farClip = 0;
    gUnsortedList.Empty();
    gSortedList.Empty();
    EmptyBodyQueue();
  }

  void TearDown() override {
    for (VertexPool* pool : pools) DestroyVertexPool(pool);
    gView = savedView;
    gDrawSettings = savedSettings;
    ClearBodyRegistry();
  }

  // A body of view-space vertices with room in a pool of its own, or with the given room
  // for screen vertices.
  BodyBuilder& NewBody(const std::vector<Vec3>& vertices) {
    BodyBuilder& body = *bodies.emplace_back(std::make_unique<BodyBuilder>());
    body.SetVertices(vertices);
    MatrixIdentity(body->matrix);
    return body;
  }

  void GivePool(BodyBuilder& body, std::size_t screenVertices = 0) {
    const std::size_t projected = screenVertices ? screenVertices * sizeof(ScreenVertex) : GetProjectedBytes(body.get());
    VertexPool* pool = CreateVertexPool(GetTransformedBytes(body.get()), projected);
    ASSERT_NE(pool, nullptr);
    pools.push_back(pool);
    AttachVertexPool(body.get(), pool);
  }

  // Makes the face drawn: processed, with a general plane whose normal points along z, so
  // that a camera nearer than the face sees it.
  Face& Drawn(BodyBuilder& body, Face& face, uint32_t flags = 0) {
    Plane& plane = planes.emplace_back();
    plane.normal = {0, 0, kFixedOne};
    plane.point = &body->vertices[face.indices[0]];
    face.plane = &plane;
    face.type = 0;
    face.flags = kFaceProcessed | kFaceGeneralPlane | flags;
    return face;
  }

  // The screen vertex of a view-space point through the view above.
  static ScreenVertex Projected(Fixedpoint x, Fixedpoint y, Fixedpoint z) {
    return {static_cast<int32_t>(int64_t{x} * Px(100) / z + Px(100)),
            static_cast<int32_t>(Px(100) - int64_t{y} * Px(100) / z), z, 0, 0};
  }

  ViewState savedView;
  DrawSettings savedSettings;
  std::vector<std::unique_ptr<BodyBuilder>> bodies;
  std::vector<VertexPool*> pools;
  std::deque<Plane> planes;
};

// Fog from depth 100.0 over a range of 64.0, through a shade table whose row L maps colour
// c to L * 8 + c % 8: a pixel tells its fog level and its colour.
class FogDrawTest : public DrawTest {
protected:
  void SetUp() override {
    DrawTest::SetUp();
    for (std::size_t i = 0; i < shade.size(); ++i) shade[i] = static_cast<uint8_t>(i / 256 * 8 + i % 8);
    SetShadeTable(shade.data(), kShadeRows);
    SetFogThreshold(Fix(100));
    SetFogRange(Fix(64));
  }

  std::vector<uint8_t> shade = std::vector<uint8_t>(kShadeRows * kShadeRowBytes);
};

inline std::vector<Fixedpoint> DepthsOf(const Face& face) {
  std::vector<Fixedpoint> depths;
  for (int32_t i = 0; i < face.screenVertexCount; ++i) depths.push_back(face.firstScreenVertex[i].z);
  return depths;
}

// Parameterised cases print by their name.
template <class Case>
inline std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}
