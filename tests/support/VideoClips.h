#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/TempFolder.h"
#include "videofiles/VideoWriter.h"

// Clips for the video tests, made with the project's writer. Each frame has a noisy left
// half that changes every frame (pixel by pixel coding), and a right half of solid bands
// that never changes (filled, then skipped).
struct TestClip {
  int32_t width = 64;
  int32_t height = 48;
  int32_t frames = 4;
  uint32_t frameMicroseconds = 100000;
  uint16_t channels = 0;
  int32_t soundFrames = 0;
};

// The pixels of frame f of a clip.
inline std::vector<uint8_t> TestClipFrame(const TestClip& clip, int32_t f) {
  std::vector<uint8_t> pixels(static_cast<size_t>(clip.width) * static_cast<size_t>(clip.height));
  for (int32_t y = 0; y < clip.height; ++y) {
    for (int32_t x = 0; x < clip.width; ++x) {
      const int32_t value = x < clip.width / 2 ? 10 + (x * 7 + y * 13 + f * 29 + x * y) % 236 : 50 + y / 4 % 5;
      pixels[static_cast<size_t>(y * clip.width + x)] = static_cast<uint8_t>(value);
    }
  }
  return pixels;
}

// Colours that the file's 6-bit levels cannot all hold, so the writer rounds.
inline VideoColours TestClipColours() {
  VideoColours colours{};
  for (size_t i = 0; i < colours.size(); ++i) {
    colours[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i * 7)};
  }
  return colours;
}

inline std::vector<int16_t> TestClipSamples(const TestClip& clip) {
  std::vector<int16_t> samples(static_cast<size_t>(clip.soundFrames) * clip.channels);
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>(i * 977 % 65536 - 32768);
  return samples;
}

// The clip's file bytes; the colours a reader gets back go to shown when it is given.
inline std::vector<uint8_t> TestClipBytes(const TestClip& clip, VideoColours* shown = nullptr) {
  VideoWriter writer(clip.width, clip.height, clip.frameMicroseconds);
  const VideoColours back = writer.SetPalette(TestClipColours());
  if (shown) *shown = back;
  for (int32_t f = 0; f < clip.frames; ++f) writer.AddFrame(TestClipFrame(clip, f));
  if (clip.channels) writer.SetSound(clip.channels, 22050, TestClipSamples(clip));
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(writer.Build(bytes, error)) << error;
  return bytes;
}

// A temporary folder of clip files; each save answers the file's game path.
class TestClipFolder {
public:
  std::string Save(const std::vector<uint8_t>& bytes, const std::string& name = "clip.smk") {
    mFolder.Write(name, std::string(bytes.begin(), bytes.end()));
    return mFolder.Game(name);
  }
  std::string Save(const TestClip& clip, VideoColours* shown = nullptr) { return Save(TestClipBytes(clip, shown)); }
  std::string Missing() const { return mFolder.Game("missing.smk"); }
  std::string Game(const std::string& relative) const { return mFolder.Game(relative); }

private:
  TempFolder mFolder;
};
