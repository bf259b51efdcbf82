#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/VideoFile.h"
#include "support/VideoClips.h"

namespace platform {
namespace {

class VideoFileTest : public testing::Test {
protected:
  void SetUp() override {
    clock.counter = 5000000;
    SetClockSource(&clock);
  }
  void TearDown() override { SetClockSource(nullptr); }

  std::unique_ptr<VideoFile> OpenClip(const TestClip& clip, VideoColours* shown = nullptr) {
    return VideoFile::Open(clips.Save(clip, shown), 0);
  }
  // Decodes the current frame into a buffer of exactly the video's size.
  static std::vector<uint8_t> Decode(VideoFile& video) {
    std::vector<uint8_t> pixels(static_cast<size_t>(video.Width()) * static_cast<size_t>(video.Height()));
    video.SetTarget({pixels.data(), video.Width(), video.Width(), video.Height(), 0, 0});
    EXPECT_TRUE(video.DecodeFrame());
    return pixels;
  }

  ManualClock clock;
  TestClipFolder clips;
};

TEST_F(VideoFileTest, DecodesExactlyTheFramesAndColoursWritten) {
  for (const TestClip& clip : {TestClip{64, 48, 4}, TestClip{320, 240, 3}, TestClip{4, 4, 2}, TestClip{8, 12, 1},
                               TestClip{64, 48, 3, 66670}}) {
    SCOPED_TRACE(testing::Message() << clip.width << "x" << clip.height);
    VideoColours shown{};
    std::unique_ptr<VideoFile> video = OpenClip(clip, &shown);
    ASSERT_TRUE(video);
    EXPECT_EQ(video->Width(), clip.width);
    EXPECT_EQ(video->Height(), clip.height);
    EXPECT_EQ(video->FrameCount(), clip.frames);
    EXPECT_EQ(video->FrameMicroseconds(), clip.frameMicroseconds);
    for (int32_t f = 0; f < clip.frames; ++f) {
      EXPECT_EQ(Decode(*video), TestClipFrame(clip, f)) << "frame " << f;
      EXPECT_EQ(video->Palette(), shown);
      EXPECT_EQ(video->HasNewPalette(), f == 0);
      video->NextFrame();
    }
  }
}

TEST_F(VideoFileTest, MovingOnFromTheLastFrameStartsAgainAtTheFirst) {
  const TestClip clip{64, 48, 3};
  std::unique_ptr<VideoFile> video = OpenClip(clip);
  ASSERT_TRUE(video);
  for (int32_t f = 0; f < clip.frames; ++f) video->NextFrame();
  EXPECT_EQ(video->CurrentFrame(), 0);
  EXPECT_EQ(Decode(*video), TestClipFrame(clip, 0));
  video->NextFrame();
  video->NextFrame();
  EXPECT_EQ(Decode(*video), TestClipFrame(clip, 2));
  video->NextFrame();
  EXPECT_EQ(Decode(*video), TestClipFrame(clip, 0));
  EXPECT_TRUE(video->HasNewPalette());
}

TEST_F(VideoFileTest, FramesFallDueOneFrameTimeAfterTheOneBefore) {
  std::unique_ptr<VideoFile> video = OpenClip(TestClip{64, 48, 3, 66670});
  ASSERT_TRUE(video);
  clock.counter += 777777;
  EXPECT_FALSE(video->IsWaiting()) << "frame 0 is due at the first asking";
  video->NextFrame();
  clock.counter += 66669;
  EXPECT_TRUE(video->IsWaiting());
  clock.counter += 1;
  EXPECT_FALSE(video->IsWaiting());
  video->NextFrame();
  // Late by half a frame: the next is still due a frame time after the one before.
  clock.counter += 66670 + 33335;
  EXPECT_FALSE(video->IsWaiting());
  video->NextFrame();
  EXPECT_TRUE(video->IsWaiting());
  clock.counter += 33335;
  EXPECT_FALSE(video->IsWaiting());
}

TEST_F(VideoFileTest, DecodingIsClippedToTheTargetAtEveryEdge) {
  const TestClip clip{16, 12, 1};
  std::unique_ptr<VideoFile> video = OpenClip(clip);
  ASSERT_TRUE(video);
  const std::vector<uint8_t> frame = TestClipFrame(clip, 0);
  // A 20 x 10 target inside memory of pitch 24 with guard rows around it.
  constexpr int32_t kPitch = 24, kWidth = 20, kHeight = 10, kGuardRows = 2;
  for (const auto& [left, top] : std::vector<std::pair<int32_t, int32_t>>{
           {-15, -11}, {-3, -2}, {-16, 0}, {0, -12}, {10, 5}, {19, 9}, {20, 0}, {0, 10}, {-1, 4}, {2, -5}}) {
    SCOPED_TRACE(testing::Message() << "at " << left << ", " << top);
    std::vector<uint8_t> memory(kPitch * (kHeight + 2 * kGuardRows), 0xEE);
    video->SetTarget({memory.data() + kGuardRows * kPitch, kPitch, kWidth, kHeight, left, top});
    ASSERT_TRUE(video->DecodeFrame());
    for (int32_t y = -kGuardRows; y < kHeight + kGuardRows; ++y) {
      for (int32_t x = 0; x < kPitch; ++x) {
        const int32_t fx = x - left, fy = y - top;
        const bool inside = x < kWidth && y >= 0 && y < kHeight && fx >= 0 && fx < clip.width && fy >= 0 &&
                            fy < clip.height;
        const uint8_t expected = inside ? frame[static_cast<size_t>(fy * clip.width + fx)] : 0xEE;
        ASSERT_EQ(memory[static_cast<size_t>((y + kGuardRows) * kPitch + x)], expected) << x << ", " << y;
      }
    }
  }
}

TEST_F(VideoFileTest, NamesTheWholeFrameOnceAsChangedAfterEachDecode) {
  std::unique_ptr<VideoFile> video = OpenClip(TestClip{64, 48, 2});
  ASSERT_TRUE(video);
  Rect changed;
  EXPECT_FALSE(video->NextChangedRect(changed));
  Decode(*video);
  ASSERT_TRUE(video->NextChangedRect(changed));
  EXPECT_EQ(changed, (Rect{0, 0, 64, 48}));
  EXPECT_FALSE(video->NextChangedRect(changed));
}

TEST_F(VideoFileTest, FindsTheFileIgnoringCaseThroughTheGamesPath) {
  clips.Save(TestClipBytes(TestClip{}), "smk/Intro.SMK");
  EXPECT_TRUE(VideoFile::Open(clips.Game("SMK\\intro.smk"), 0));
}

// Files that are no video this can play are refused before any frame is decoded.
TEST_F(VideoFileTest, RefusesWhatItCannotPlay) {
  const std::vector<uint8_t> good = TestClipBytes(TestClip{64, 48, 4});
  auto withField = [&good](size_t offset, uint32_t value) {
    std::vector<uint8_t> bytes = good;
    for (int i = 0; i < 4; ++i) bytes[offset + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
    return bytes;
  };
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"not a video", std::vector<uint8_t>(good.size(), 'x')},
      {"header cut short", std::vector<uint8_t>(good.begin(), good.begin() + 100)},
      {"wider than 4096", withField(4, 4100)},
      {"taller than 4096", withField(8, 4097)},
      {"no width", withField(4, 0)},
      {"no frames", withField(12, 0)},
      {"more frames than the file holds", withField(12, 0x00FFFFFF)},
      {"a frame larger than the file", withField(104 + 4, 0x7FFFFFFC)},
      {"a table larger than its tree data", withField(64, 0x40000000)},
      {"tree data past the end", withField(52, 0x10000000)},
  };
  for (const auto& c : cases) EXPECT_FALSE(VideoFile::Open(clips.Save(c.bytes), 0)) << c.what;
  EXPECT_FALSE(VideoFile::Open(clips.Missing(), 0));
  EXPECT_FALSE(VideoFile::Open(clips.Game(""), 0)) << "a folder";
}

TEST_F(VideoFileTest, ACutFileDecodesItsWholeFramesThenFails) {
  const TestClip clip{64, 48, 4};
  std::vector<uint8_t> bytes = TestClipBytes(clip);
  bytes.resize(bytes.size() - 40);
  std::unique_ptr<VideoFile> video = VideoFile::Open(clips.Save(bytes), 0);
  ASSERT_TRUE(video);
  std::vector<uint8_t> pixels(64 * 48);
  video->SetTarget({pixels.data(), 64, 64, 48, 0, 0});
  for (int32_t f = 0; f < 3; ++f) {
    ASSERT_TRUE(video->DecodeFrame()) << f;
    video->NextFrame();
  }
  EXPECT_FALSE(video->DecodeFrame());
  EXPECT_EQ(pixels, TestClipFrame(clip, 2)) << "the target keeps the last good frame";
}

}  // namespace
}  // namespace platform
