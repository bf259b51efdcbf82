#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "pel3d/EngineStart.h"
#include "pel3d/math/Projection.h"
#include "pel3d/math/VectorMath.h"
#include "pel3d/math/View.h"
#include "pel3d/math/ViewFrameBuffer.h"

namespace {

constexpr Fixedpoint kOne = 65536;

class View : public ::testing::Test {
protected:
  void SetUp() override {
    InitEngine();
    ResetViewDisplaySize();
  }

  // The game's usual surface: 560 x 400 in a 640 x 480 buffer, pixel aspect 1.0.
  static void SetGameSurface() {
    RenderSurface surface{0, 0, 560, 400, 0, 640, 480};
    ASSERT_EQ(SetRenderSurface(surface), 1);
    SetPixelAspect(kOne);
  }
};

TEST_F(View, SurfaceIsRoundedAndWrittenBack) {
  RenderSurface surface{3, 7, 285, 203, 0, 320, 240};
  EXPECT_EQ(SetRenderSurface(surface), 1);
  const RenderSurface rounded{0, 4, 280, 200, 0, 320, 240};
  EXPECT_EQ(surface, rounded);
  EXPECT_EQ(GetRenderSurface(), rounded);
  EXPECT_EQ(gView.width, 280);
  EXPECT_EQ(gView.height, 200);
  EXPECT_EQ(gView.pitch, 320);
}

TEST_F(View, HalfModeHalvesTheWorkingSizePitchAndRows) {
  RenderSurface surface{0, 0, 560, 400, kSurfaceModeHalf, 640, 480};
  EXPECT_EQ(SetRenderSurface(surface), 1);
  EXPECT_EQ(surface, (RenderSurface{0, 0, 560, 400, 1, 320, 240}));
  EXPECT_EQ(GetRenderSurface(), (RenderSurface{0, 0, 560, 400, 1, 320, 240}));
  EXPECT_EQ(gView.width, 280);
  EXPECT_EQ(gView.height, 200);
  EXPECT_EQ(gView.pitch, 320);
  EXPECT_EQ(gView.centreX, 280 * 2048);
  EXPECT_EQ(GetFrameBufferSize(), 320 * 242);
}

TEST_F(View, SurfacesOutsideTheLimitsChangeNothing) {
  SetGameSurface();
  const RenderSurface before = GetRenderSurface();
  const std::vector<int32_t> rowsBefore = gView.rowOffsets;
  const RenderSurface refused[] = {
      {0, 0, 7, 400, 0, 640, 480},  // rounds to width 0
      {0, 0, 560, 7, 0, 640, 480},  // rounds to height 0
      {0, 0, 4104, 400, 0, 8192, 480},  // wider than 4096
      {0, 0, 560, 4104, 0, 640, 5000},
      {0, 0, -8, 400, 0, 640, 480},
      {0, 0, 560, 400, 0, -640, 480},  // negative pitch
  };
  for (RenderSurface surface : refused) {
    const RenderSurface asGiven = surface;
    EXPECT_EQ(SetRenderSurface(surface), 0) << surface.width << " x " << surface.height;
    EXPECT_EQ(surface, asGiven);
    EXPECT_EQ(GetRenderSurface(), before);
    EXPECT_EQ(gView.rowOffsets, rowsBefore);
    EXPECT_EQ(gView.width, 560);
  }
}

TEST_F(View, SurfacesAtTheLimitsAreTaken) {
  const RenderSurface accepted[] = {
      {0, 0, 15, 15, 0, 16, 16},  // rounds to 8 x 8
      {0, 0, 4100, 4100, 0, 4096, 4096},  // rounds to 4096 x 4096
      {0, 0, 320, 200, 0, 0, 0},  // the start-up surface
  };
  for (RenderSurface surface : accepted) {
    EXPECT_EQ(SetRenderSurface(surface), 1);
    EXPECT_EQ(gView.rowOffsets.size(), static_cast<size_t>(gView.height + 16));
  }
}

TEST_F(View, ProjectionScalesFollowWidthAndAspect) {
  const struct {
    int32_t width;
    int32_t height;
    Fixedpoint aspect;
    int32_t centreX;
    int32_t scaleX;
    int32_t scaleY;
  } cases[] = {
      {560, 400, kOne, 1146880, 1986320, 1986320},
      {320, 200, 54613, 655360, 1135040, 945774},
  };
  for (const auto& c : cases) {
    RenderSurface surface{0, 0, c.width, c.height, 0, c.width, c.height};
    SetRenderSurface(surface);
    SetPixelAspect(c.aspect);
    EXPECT_EQ(GetPixelAspect(), c.aspect);
    EXPECT_EQ(gView.centreX, c.centreX);
    EXPECT_EQ(gView.centreY, c.height * 2048);
    EXPECT_EQ(gView.scaleX, c.scaleX);
    EXPECT_EQ(gView.scaleY, c.scaleY);
    EXPECT_EQ(gView.clip.left, 0);
    EXPECT_EQ(gView.clip.top, 0);
    EXPECT_EQ(gView.clip.right, c.width * 4096);
    EXPECT_EQ(gView.clip.bottom, c.height * 4096);
  }
}

TEST_F(View, RowOffsetsReachSixteenRowsBelowTheView) {
  const struct {
    int32_t height;
    int32_t pitch;
  } cases[] = {{200, 640}, {1000, 1280}, {4096, 4096}};
  for (const auto& c : cases) {
    RenderSurface surface{0, 0, 640, c.height, 0, c.pitch, c.height};
    ASSERT_EQ(SetRenderSurface(surface), 1);
    ASSERT_EQ(gView.rowOffsets.size(), static_cast<size_t>(c.height + 16));
    for (int32_t row = 0; row < c.height + 16; ++row) {
      ASSERT_EQ(gView.rowOffsets[row], row * c.pitch) << row;
    }
  }
}

TEST_F(View, SettingTheFrameBufferRefillsTheRowOffsets) {
  RenderSurface surface{0, 0, 280, 200, 0, 320, 240};
  SetRenderSurface(surface);
  gView.rowOffsets.assign(gView.rowOffsets.size(), -1);
  uint8_t pixels[16];
  SetFrameBuffer(pixels);
  EXPECT_EQ(GetFrameBuffer(), pixels);
  EXPECT_EQ(gViewFrameBuffer.pixels, pixels);
  EXPECT_EQ(gView.rowOffsets[215], 215 * 320);
}

TEST_F(View, StartUpState) {
  EXPECT_EQ(GetRenderSurface(), (RenderSurface{0, 0, 320, 200, 0, 0, 0}));
  EXPECT_EQ(GetPixelAspect(), 54613);
  EXPECT_EQ(gView.scaleX, 1135040);
  EXPECT_EQ(gView.scaleY, 945774);
  EXPECT_EQ(gView.rowOffsets, std::vector<int32_t>(216, 0));
  EXPECT_EQ(gView.clearEnable, 1);
  EXPECT_EQ(GetClearColour(), 0u);
  EXPECT_EQ(GetFarClip(), 0);
  EXPECT_EQ(GetDrawMode(), 0);
  ASSERT_NE(GetPostDrawCallback(), nullptr);
  uint8_t pixel = 7;
  GetPostDrawCallback()(&pixel);
  EXPECT_EQ(pixel, 7);
}

TEST_F(View, SmallSettersKeepTheirValues) {
  static uint8_t* seen = nullptr;
  SetPostDrawCallback([](uint8_t* frame) { seen = frame; });
  SetDrawMode(5);
  SetFarClip(900 * kOne);
  SetClearColour(0x3A3A3A3A);
  SetClearEnable(0);
  EXPECT_EQ(GetDrawMode(), 5);
  EXPECT_EQ(GetFarClip(), 900 * kOne);
  EXPECT_EQ(GetClearColour(), 0x3A3A3A3Au);
  EXPECT_EQ(gView.clearEnable, 0);
  uint8_t pixel = 0;
  GetPostDrawCallback()(&pixel);
  EXPECT_EQ(seen, &pixel);

  ResetDrawMode();
  EXPECT_EQ(GetDrawMode(), 0);
  seen = nullptr;
  GetPostDrawCallback()(&pixel);
  EXPECT_EQ(seen, nullptr);

  Matrix camera{};
  for (int i = 0; i < 16; ++i) camera[i] = i * kOne;
  SetCamera({kOne, 2 * kOne, 3 * kOne}, camera);
  EXPECT_EQ(gView.cameraPosition, (Vec3{kOne, 2 * kOne, 3 * kOne}));
  EXPECT_EQ(gView.cameraMatrix, camera);
}

TEST_F(View, ProjectPoint) {
  SetGameSurface();
  const struct {
    Vec3 in;
    ProjectedPoint out;
    Fixedpoint zAfter;
  } cases[] = {
      {{0, 0, kOne / 2}, {280, 200, kOne}, kOne},  // too near: the depth becomes 1.0
      {{5 * kOne, 5 * kOne, -kOne / 2}, {280 + 2424, 200 - 2425, kOne}, kOne},
      {{kOne, 0, -2 * kOne}, {37, 200, -2 * kOne}, -2 * kOne},  // divides by -2.0: left
      {{0, kOne, 2 * kOne}, {280, -43, 2 * kOne}, 2 * kOne},  // the shift rounds down
      {{kOne, 0, 2 * kOne}, {522, 200, 2 * kOne}, 2 * kOne},
  };
  for (const auto& c : cases) {
    Vec3 point = c.in;
    EXPECT_EQ(ProjectPoint(point), c.out);
    EXPECT_EQ(point.z, c.zAfter);
  }
}

TEST_F(View, ProjectLengthAndUnproject) {
  SetGameSurface();
  EXPECT_EQ(ProjectLength(kOne, 2 * kOne), 242);
  EXPECT_EQ(ProjectLength(kOne, kOne / 2), 484);  // depth below 1.0 counts as 1.0
  EXPECT_EQ(ProjectLength(-kOne, 2 * kOne), -243);

  EXPECT_EQ(UnprojectX(380 * kOne, 2 * kOne), 27028);
  EXPECT_EQ(UnprojectX(180 * kOne, 2 * kOne), -27028);
  EXPECT_EQ(UnprojectX(280 * kOne, 2 * kOne), 0);
  EXPECT_EQ(UnprojectY(300 * kOne, 2 * kOne), -27028);  // screen y grows downward
  EXPECT_EQ(UnprojectY(100 * kOne, 2 * kOne), 27028);
}

TEST_F(View, UnprojectWithoutAScaleGivesZero) {
  gView.scaleX = 0;
  gView.scaleY = 0;
  EXPECT_EQ(UnprojectX(kOne, kOne), 0);
  EXPECT_EQ(UnprojectY(kOne, kOne), 0);
}

// The side planes are unit normals that contain their edge rays and have the view's centre
// ray inside.
TEST_F(View, FrustumPlanesBoundTheView) {
  const struct {
    int32_t width;
    int32_t height;
    Fixedpoint aspect;
  } cases[] = {{560, 400, kOne}, {320, 200, 54613}, {280, 200, kOne}, {64, 1000, kOne}};
  for (const auto& c : cases) {
    RenderSurface surface{0, 0, c.width, c.height, 0, c.width, c.height};
    SetRenderSurface(surface);
    SetPixelAspect(c.aspect);
    ComputeViewFrustum();

    const double halfWidth = c.width / 2.0 / (gView.scaleX / 4096.0);
    const double halfHeight = c.height / 2.0 / (gView.scaleY / 4096.0);
    const double edges[4][3] = {{0, halfHeight, 1},  // top
                                {-halfWidth, 0, 1},  // left
                                {halfWidth, 0, 1},   // right
                                {0, -halfHeight, 1}};  // bottom
    for (int plane = 0; plane < 4; ++plane) {
      const Vec3 normal = gView.frustum[plane];
      EXPECT_NEAR(VecLength(normal), kOne, 2) << plane;
      const double* edge = edges[plane];
      const double edgeLength = std::sqrt(edge[0] * edge[0] + edge[1] * edge[1] + 1);
      const double dot =
          (normal.x * edge[0] + normal.y * edge[1] + normal.z * edge[2]) / 65536.0 / edgeLength;
      EXPECT_NEAR(dot, 0, 1e-4) << plane;
      EXPECT_GT(normal.z, 0) << plane;  // the centre ray (0, 0, 1) is inside
    }
    EXPECT_LT(gView.frustum[kFrustumTop].y, 0);
    EXPECT_GT(gView.frustum[kFrustumBottom].y, 0);
    EXPECT_GT(gView.frustum[kFrustumLeft].x, 0);
    EXPECT_LT(gView.frustum[kFrustumRight].x, 0);
  }
}

TEST_F(View, FrameBufferRecordFollowsTheRenderSize) {
  SetGameSurface();
  EXPECT_EQ(gViewFrameBuffer.displayMode, kViewModeFullSize);
  EXPECT_EQ(gViewFrameBuffer.renderWidth, 560);
  EXPECT_EQ(gViewFrameBuffer.renderHeight, 400);
  EXPECT_EQ(gViewFrameBuffer.renderPitch, 640);
  EXPECT_EQ(gViewFrameBuffer.fullWidth, 560);
  EXPECT_EQ(gViewFrameBuffer.fullHeight, 400);
  EXPECT_EQ(gViewFrameBuffer.fullPitch, 640);

  SetViewDisplaySize(kViewModeReduced, 640, 480, 640);
  RenderSurface small{0, 0, 280, 200, 0, 320, 240};
  SetRenderSurface(small);
  EXPECT_EQ(gViewFrameBuffer.displayMode, kViewModeReduced);
  EXPECT_EQ(gViewFrameBuffer.renderWidth, 280);
  EXPECT_EQ(gViewFrameBuffer.renderPitch, 320);
  EXPECT_EQ(gViewFrameBuffer.fullWidth, 640);
  EXPECT_EQ(gViewFrameBuffer.fullHeight, 480);

  RenderSurface half{0, 0, 560, 400, kSurfaceModeHalf, 640, 480};
  SetRenderSurface(half);
  EXPECT_EQ(gViewFrameBuffer.renderWidth, 280);
  EXPECT_EQ(gViewFrameBuffer.renderHeight, 200);
  EXPECT_EQ(gViewFrameBuffer.renderPitch, 320);
}

}  // namespace
