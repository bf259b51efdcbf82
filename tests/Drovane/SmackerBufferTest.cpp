#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/DisplayFixture.h"
#include "Drovane/SmackerBuffer.h"
#include "platform/Clock.h"
#include "support/VideoClips.h"

using namespace platform;

namespace {

constexpr uint8_t kBackground = 0xEE;

class SmackerBufferTest : public DisplayFixture {
protected:
  void SetUp() override {
    DisplayFixture::SetUp();
    clock.counter = 1000000;
    SetClockSource(&clock);
  }
  void TearDown() override {
    SetClockSource(nullptr);
    DisplayFixture::TearDown();
  }

  void AdvanceFrames(const TestClip& clip, uint64_t frames) { clock.counter += clip.frameMicroseconds * frames; }

  // The frame as it lands in a width x height buffer of kBackground at (x, y).
  static std::vector<std::vector<uint8_t>> Placed(const TestClip& clip, int32_t frame, int32_t width, int32_t height,
                                                  int32_t x, int32_t y) {
    const std::vector<uint8_t> pixels = TestClipFrame(clip, frame);
    std::vector<std::vector<uint8_t>> rows(static_cast<size_t>(height), std::vector<uint8_t>(width, kBackground));
    for (int32_t row = 0; row < height; ++row) {
      for (int32_t column = 0; column < width; ++column) {
        const int32_t fx = column - x, fy = row - y;
        if (fx < 0 || fy < 0 || fx >= clip.width || fy >= clip.height) continue;
        rows[row][column] = pixels[static_cast<size_t>(fy * clip.width + fx)];
      }
    }
    return rows;
  }
  static void Clear(CBackBuffer& buffer) { Paint(buffer, [](int32_t, int32_t) { return kBackground; }); }

  ManualClock clock;
  TestClipFolder clips;
};

TEST_F(SmackerBufferTest, ComposesEachFrameWhenItIsDueAndNothingBefore) {
  const TestClip clip{64, 48, 3};
  CBackBuffer dest(80, 60);
  Clear(dest);
  SmackerBuffer video;
  ASSERT_EQ(video.Open(clips.Save(clip).c_str(), 0, -1), 1);
  EXPECT_EQ(video.mWidth, 64);
  EXPECT_EQ(video.mHeight, 48);
  for (int32_t frame = 0; frame < clip.frames; ++frame) {
    SCOPED_TRACE(frame);
    const uint32_t answer = video.Compose(&dest, 8, 4, 0, 0, 64, 48);
    EXPECT_EQ(answer, frame + 1 < clip.frames ? 0u : 1u);
    EXPECT_EQ(PixelRows(dest), Placed(clip, frame, 80, 60, 8, 4));
    if (frame + 1 == clip.frames) break;
    Clear(dest);
    clock.counter += clip.frameMicroseconds - 1;
    EXPECT_EQ(video.Compose(&dest, 8, 4, 0, 0, 64, 48), 0u) << "one microsecond early";
    EXPECT_EQ(PixelRows(dest), Placed(clip, -1, 80, 60, -1000, 0)) << "dest unchanged";
    clock.counter += 1;
  }
}

TEST_F(SmackerBufferTest, AFinishedVideoDrawsItsLastFrameAgainOverTheBackgroundFill) {
  const TestClip clip{64, 48, 1};
  CBackBuffer dest(64, 48);
  SmackerBuffer video;
  ASSERT_EQ(video.Open(clips.Save(clip).c_str(), 0, -1), 1);
  EXPECT_EQ(video.Compose(&dest, 0, 0, 0, 0, 64, 48), 1u) << "one frame finishes at its first due step";
  video.mFillBackground = 1;
  video.mFillColorIndex = 3;
  for (int i = 0; i < 3; ++i) {
    Clear(dest);
    EXPECT_EQ(video.Compose(&dest, 0, 0, 0, 0, 32, 48), 1u);
    std::vector<std::vector<uint8_t>> expected = Placed(clip, 0, 64, 48, 0, 0);
    for (auto& row : expected) std::fill(row.begin() + 32, row.end(), 3);
    EXPECT_EQ(PixelRows(dest), expected);
  }
}

TEST_F(SmackerBufferTest, ALoopingVideoWrapsToItsFirstFrame) {
  const TestClip clip{64, 48, 2};
  CBackBuffer dest(64, 48);
  for (int32_t frames : {1, 2}) {
    const TestClip shaped{64, 48, frames};
    SmackerBuffer video;
    ASSERT_EQ(video.Open(clips.Save(shaped).c_str(), 0, -1), 1);
    video.mLoop = 1;
    for (int32_t step = 0; step < 5; ++step) {
      EXPECT_EQ(video.Compose(&dest, 0, 0, 0, 0, 64, 48), 0u);
      EXPECT_EQ(PixelRows(dest), Placed(shaped, step % frames, 64, 48, 0, 0)) << step;
      AdvanceFrames(clip, 1);
    }
  }
}

TEST_F(SmackerBufferTest, CopyToStretchesTheFrameIntoTheDestinationRectangle) {
  const TestClip clip{64, 48, 1};
  CBackBuffer dest(128, 96);
  SmackerBuffer video;
  ASSERT_EQ(video.Open(clips.Save(clip).c_str(), 0, -1), 1);
  EXPECT_EQ(video.CopyTo(&dest, 0, 0, 128, 96, 0, 0, 64, 48), 1u);
  const auto rows = PixelRows(dest);
  const std::vector<uint8_t> frame = TestClipFrame(clip, 0);
  for (int32_t y = 0; y < 96; ++y) {
    for (int32_t x = 0; x < 128; ++x) ASSERT_EQ(rows[y][x], frame[(y / 2) * 64 + x / 2]) << x << ", " << y;
  }
}

// A deferred video decodes into dest's own pixels; whatever lies past dest's edges is cut.
TEST_F(SmackerBufferTest, DeferredDecodingStaysInsideDestAtEveryEdge) {
  const TestClip clip{64, 48, 1};
  const std::string path = clips.Save(clip);
  for (const auto& [x, y] : std::vector<std::pair<int32_t, int32_t>>{
           {0, 0}, {-10, -7}, {30, 20}, {40, -20}, {-50, 25}, {69, 49}, {70, 0}, {0, 50}, {-64, 0}, {0, -48}}) {
    SCOPED_TRACE(testing::Message() << x << ", " << y);
    CBackBuffer dest(70, 50);
    Clear(dest);
    SmackerBuffer video;
    video.DeferSurfaceCreation();
    ASSERT_EQ(video.Open(path.c_str(), 0, -1), 1);
    EXPECT_EQ(video.GetSurface(), nullptr);
    EXPECT_EQ(video.Compose(&dest, x, y, 0, 0, 64, 48), 1u);
    EXPECT_EQ(PixelRows(dest), Placed(clip, 0, 70, 50, x, y));
  }
}

TEST_F(SmackerBufferTest, DeferredCopyToDecodesAtDestsCorner) {
  const TestClip clip{64, 48, 1};
  CBackBuffer dest(32, 24);
  Clear(dest);
  SmackerBuffer video;
  video.DeferSurfaceCreation();
  ASSERT_EQ(video.Open(clips.Save(clip).c_str(), 0, -1), 1);
  EXPECT_EQ(video.CopyTo(&dest, 5, 5, 20, 20, 0, 0, 64, 48), 1u);
  EXPECT_EQ(PixelRows(dest), Placed(clip, 0, 32, 24, 0, 0));
}

TEST_F(SmackerBufferTest, ADestThatCannotBeLockedGetsNothing) {
  const TestClip clip{64, 48, 2};
  CBackBuffer dest;
  SmackerBuffer video;
  video.DeferSurfaceCreation();
  ASSERT_EQ(video.Open(clips.Save(clip).c_str(), 0, -1), 1);
  EXPECT_EQ(video.Compose(&dest, 0, 0, 0, 0, 64, 48), 0u);
  EXPECT_EQ(video.Compose(nullptr, 0, 0, 0, 0, 64, 48), 0u) << "the next frame is not due yet";
  AdvanceFrames(clip, 1);
  EXPECT_EQ(video.Compose(nullptr, 0, 0, 0, 0, 64, 48), 1u);
}

TEST_F(SmackerBufferTest, ADeferredBufferHasNoSurfaceToMakeOrRelease) {
  SmackerBuffer deferred;
  deferred.DeferSurfaceCreation();
  EXPECT_EQ(deferred.CreateSurface(), 1);
  EXPECT_EQ(deferred.EnsureSurface(), 1);
  EXPECT_EQ(deferred.GetSurface(), nullptr);
  EXPECT_EQ(gSurfaceMemory, 0);
}

TEST_F(SmackerBufferTest, SurfaceMemoryCountsTheBuffersOwnSurface) {
  {
    SmackerBuffer video;
    ASSERT_EQ(video.Open(clips.Save(TestClip{64, 48, 1}).c_str(), 0, -1), 1);
    EXPECT_NE(video.GetSurface(), nullptr);
    EXPECT_EQ(gSurfaceMemory, 64 * 48);
    EXPECT_EQ(video.CreateSurface(), 1);
    EXPECT_EQ(gSurfaceMemory, 64 * 48);
  }
  EXPECT_EQ(gSurfaceMemory, 0);
}

TEST_F(SmackerBufferTest, WithoutAVideoEveryStepAnswersTwo) {
  CBackBuffer dest(64, 48);
  for (const std::string& path : {clips.Missing(), clips.Save(std::vector<uint8_t>(300, 'x'))}) {
    SmackerBuffer video;
    EXPECT_EQ(video.Open(path.c_str(), 0, -1), 0);
    EXPECT_EQ(video.Compose(&dest, 0, 0, 0, 0, 64, 48), 2u);
    EXPECT_EQ(video.CopyTo(&dest, 0, 0, 64, 48, 0, 0, 64, 48), 2u);
  }
}

TEST_F(SmackerBufferTest, ADecodeErrorFinishesOnTheLastGoodFrame) {
  const TestClip clip{64, 48, 4};
  std::vector<uint8_t> bytes = TestClipBytes(clip);
  bytes.resize(bytes.size() - 40);
  CBackBuffer dest(64, 48);
  SmackerBuffer video;
  ASSERT_EQ(video.Open(clips.Save(bytes).c_str(), 0, -1), 1);
  for (int32_t frame = 0; frame < 3; ++frame) {
    EXPECT_EQ(video.Compose(&dest, 0, 0, 0, 0, 64, 48), 0u);
    AdvanceFrames(clip, 1);
  }
  EXPECT_EQ(video.Compose(&dest, 0, 0, 0, 0, 64, 48), 1u);
  EXPECT_EQ(video.mState, 2);
  EXPECT_EQ(PixelRows(dest), Placed(clip, 2, 64, 48, 0, 0));
  EXPECT_EQ(video.Compose(&dest, 0, 0, 0, 0, 64, 48), 1u);
}

}  // namespace
