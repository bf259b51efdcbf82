#include <gtest/gtest.h>

#include <vector>

#include "WorldBitmaps.h"
#include "game/world/DrawFrameCounter.h"
#include "game/world/WorldFaceRoutines.h"
#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/math/Projection.h"
#include "pel3d/math/View.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr int32_t kWidth = 560;
constexpr int32_t kHeight = 400;
constexpr uint8_t kBackground = 0;

// The world's view surface over a guarded buffer, cleared to 0.
class WorldFaceRoutines : public testing::Test {
protected:
  void SetUp() override {
    RenderSurface surface{0, 0, kWidth, kHeight, 0, 640, 480};
    SetRenderSurface(surface);
    SetPixelAspect(kFixedOne);
    frame.Install();
    gDrawFrameCounter = 0;
  }
  void TearDown() override { EXPECT_TRUE(frame.BorderUntouched()); }

  // A block of one screen vertex at pixel (x, y) and depth z.
  DrawBlock Block(int32_t x, int32_t y, uint32_t word, Fixedpoint z = 100 * kFixedOne) {
    vertex = {x * 4096, y * 4096, z, 0, 0};
    DrawBlock block;
    block.vertexCount = 1;
    block.vertices = &vertex;
    block.word = word;
    return block;
  }
  int32_t Written() const { return kWidth * kHeight - frame.CountOf(kBackground); }

  GuardedFrameBuffer frame{kWidth, kHeight, 640};
  ScreenVertex vertex;
};

TEST_F(WorldFaceRoutines, APointIsOnePixelInTheColoursLowByte) {
  DrawPixelPrimitive(Block(10, 20, 0x1234));
  EXPECT_EQ(frame.At(10, 20), 0x34);
  EXPECT_EQ(Written(), 1);
}

TEST_F(WorldFaceRoutines, PointsOutsideTheClipRectangleDrawNothing) {
  struct Case {
    int32_t x, y;
    bool drawn;
  } cases[] = {{0, 0, true},  {kWidth - 1, kHeight - 1, true}, {-1, 5, false}, {5, -1, false},
               {kWidth, 5, false}, {5, kHeight, false}, {100000, 100000, false}, {-100000, 3, false}};
  for (const Case& c : cases) {
    frame.Clear(kBackground);
    DrawPixelPrimitive(Block(c.x, c.y, 9));
    EXPECT_EQ(Written(), c.drawn ? 1 : 0) << c.x << ", " << c.y;
  }
  // Inside the buffer but outside a smaller clip rectangle.
  gView.clip = {4096 * 10, 4096 * 10, 4096 * 20, 4096 * 20};
  frame.Clear(kBackground);
  DrawPixelPrimitive(Block(25, 15, 9));
  DrawPixelPrimitive(Block(15, 5, 9));
  EXPECT_EQ(Written(), 0);
}

TEST_F(WorldFaceRoutines, ABlockWithoutVerticesDrawsNothing) {
  DrawBlock block = Block(10, 10, 7);
  block.vertexCount = 0;
  DrawPixelPrimitive(block);
  DrawBlinkingLight(block);
  DrawParticleSprite(block);
  EXPECT_EQ(Written(), 0);
}

TEST_F(WorldFaceRoutines, BlinkingLightsShowOnTheirColoursPhase) {
  struct Case {
    uint32_t colour, phase;
  } cases[] = {{246, 0}, {249, 1}, {250, 2}, {251, 3}, {252, 4}, {247, 5}, {248, 5}, {253, 5}, {30, 5}};
  for (const Case& c : cases) {
    EXPECT_EQ(BlinkPhase(c.colour), c.phase) << c.colour;
    for (uint32_t counter = 0; counter < 16; ++counter) {
      frame.Clear(kBackground);
      gDrawFrameCounter = counter;
      DrawBlinkingLight(Block(30, 40, c.colour));
      const bool shown = (counter & 7) == c.phase;
      EXPECT_EQ(Written(), shown ? 4 : 0) << c.colour << " on frame " << counter;
      if (shown) {
        EXPECT_EQ(frame.At(31, 41), c.colour);
      }
    }
  }
}

TEST_F(WorldFaceRoutines, BlinkingLightsAreClippedAtTheEdges) {
  gDrawFrameCounter = 5;
  DrawBlinkingLight(Block(kWidth - 1, kHeight - 1, 30));
  DrawBlinkingLight(Block(-1, -1, 30));
  EXPECT_EQ(Written(), 2);
  EXPECT_EQ(frame.At(kWidth - 1, kHeight - 1), 30);
  EXPECT_EQ(frame.At(0, 0), 30);
}

class ParticleSprites : public WorldFaceRoutines {
protected:
  WorldBitmaps bitmaps;
};

TEST_F(ParticleSprites, AParticleIsASquareOfItsProjectedSize) {
  ASSERT_NE(WorldBitmapGroup, nullptr);
  const Fixedpoint depth = 300 * kFixedOne;
  const int32_t size = ProjectLength(kParticleSize, depth);
  ASSERT_GT(size, 8);
  DrawParticleSprite(Block(200, 100, 3, depth));
  const int32_t left = 200 - size / 2, top = 100 - size / 2;
  const uint8_t colour = WorldBitmaps::ParticleColour(3);
  EXPECT_EQ(frame.At(left, top), colour);
  EXPECT_EQ(frame.At(left + size / 2, top + size - 1), colour);
  // The last texel is transparent: the square's bottom-right corner keeps the background.
  EXPECT_EQ(frame.At(left + size - 1, top + size - 1), kBackground);
  EXPECT_EQ(frame.At(left - 1, top + 4), kBackground);
  EXPECT_EQ(frame.At(left + size, top + 4), kBackground);
  EXPECT_EQ(frame.At(left + 4, top - 1), kBackground);
  EXPECT_EQ(frame.At(left + 4, top + size), kBackground);
  const int32_t clear = size - (7 * size + 7) / 8;
  EXPECT_EQ(frame.CountOf(colour), size * size - clear * clear);
}

TEST_F(ParticleSprites, NothingFromTheFarDepthOn) {
  struct Case {
    Fixedpoint depth;
    bool drawn;
  } cases[] = {{kParticleFarDepth - 1, true}, {kParticleFarDepth, false}, {kParticleFarDepth + kFixedOne, false}};
  for (const Case& c : cases) {
    frame.Clear(kBackground);
    DrawParticleSprite(Block(50, 50, 0, c.depth));
    EXPECT_EQ(Written() > 0, c.drawn) << c.depth;
  }
}

TEST_F(ParticleSprites, AFarParticleIsStillAPixel) {
  gView.scaleX = 4096;  // one pixel per unit of x/z: 16.0 at 1000.0 rounds to nothing
  DrawParticleSprite(Block(50, 50, 5, 1000 * kFixedOne));
  EXPECT_EQ(Written(), 1);
  EXPECT_EQ(frame.At(50, 50), WorldBitmaps::ParticleColour(5));
}

TEST_F(ParticleSprites, UnknownKindsDrawNothing) {
  for (uint32_t kind : {kParticleKinds, 100u, 0xFFFFFFFFu}) DrawParticleSprite(Block(50, 50, kind));
  EXPECT_EQ(Written(), 0);
}

TEST_F(ParticleSprites, NearParticlesAreClippedToTheView) {
  for (Fixedpoint depth : {kFixedOne, 5 * kFixedOne, 0}) {
    for (int32_t x : {-200, 0, kWidth / 2, kWidth + 50}) DrawParticleSprite(Block(x, kHeight - 2, 1, depth));
  }
  EXPECT_GT(Written(), 0);
}

}  // namespace
