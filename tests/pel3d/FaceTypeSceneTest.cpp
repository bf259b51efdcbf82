// The scene draw of a scene that holds every face type it dispatches.
#include <gtest/gtest.h>

#include <set>

#include "imagefiles/GamePalette.h"
#include "pel3d/EngineStart.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/draw/RasterRoutines.h"
#include "pel3d/math/View.h"
#include "support/FaceTypeGallery.h"
#include "support/GuardedFrameBuffer.h"
#include "support/ImageCheck.h"
#include "support/TempFolder.h"

namespace {

class FaceTypeSceneTest : public ::testing::Test {
protected:
  void SetUp() override {
    InitEngine();
    RenderSurface surface{0, 0, 560, 400, 0, 640, 480};
    SetRenderSurface(surface);
    SetPixelAspect(kFixedOne);
    SelectSceneDraw();
    BindGameRoutineMarks();
    frame.Install();
    ASSERT_TRUE(gallery.Ready()) << gallery.Error();
  }
  void TearDown() override {
    BindGameFaceRoutines({});
    EXPECT_TRUE(frame.BorderUntouched());
  }

  TempFolder folder;
  FaceTypeGallery gallery{folder.System()};
  GuardedFrameBuffer frame{560, 400, 640};
};

std::set<int32_t> gDispatchedTypes;

void RecordType(const DrawBlock& block) {
  if (block.face) gDispatchedTypes.insert(block.face->type);
}

// Every type the gallery shows reaches a routine: none is culled, clipped away or lost in
// the dispatch.
TEST_F(FaceTypeSceneTest, EveryBoardsTypeReachesARoutine) {
  gDispatchedTypes.clear();
  for (int32_t id = 1; id < static_cast<int32_t>(RasterId::kCount); ++id) BindRasterRoutine(static_cast<RasterId>(id), RecordType);
  gallery.SetView();
  gallery.DrawFrame();
  for (int32_t id = 1; id < static_cast<int32_t>(RasterId::kCount); ++id) BindRasterRoutine(static_cast<RasterId>(id), nullptr);
  BindEngineRasterisers();
  const std::set<int32_t> shown(gallery.BoardTypes().begin(), gallery.BoardTypes().end());
  EXPECT_EQ(gDispatchedTypes, shown);
  for (int32_t type = 0; type < 28; ++type) {
    if (type == 12) continue;  // no routine draws it
    EXPECT_TRUE(shown.count(type)) << "the gallery has no board of type " << type;
  }
}

TEST_F(FaceTypeSceneTest, MatchesItsImage) {
  gallery.SetView();
  frame.Clear(static_cast<uint8_t>(GetClearColour()));
  gallery.DrawFrame();
  EXPECT_GT(gDrawSettings.counters.groundPolygons, 0);
  EXPECT_TRUE(MatchesGoldenImage(FrameView{frame.ViewPixels(), 560, 400, 640}, GamePalette(), "engine-every-face-type"));
}

}  // namespace
