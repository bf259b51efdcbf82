#include "support/ImageCheck.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "imagefiles/PngFile.h"

namespace {

RgbImage Render(const FrameView& frame, const GamePaletteColours& palette, const std::vector<platform::Rect>& leftOut) {
  RgbImage image{frame.width, frame.height, {}};
  image.pixels.reserve(static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height) * 3);
  for (int32_t y = 0; y < frame.height; ++y) {
    for (int32_t x = 0; x < frame.width; ++x) {
      const bool hidden = std::any_of(leftOut.begin(), leftOut.end(), [&](const platform::Rect& r) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
      });
      const platform::Rgb& colour = palette[hidden ? 0 : frame.bits[static_cast<ptrdiff_t>(y) * frame.stride + x]];
      image.pixels.insert(image.pixels.end(), {colour.red, colour.green, colour.blue});
    }
  }
  return image;
}

// Where the pixels first differ, or an empty text when they do not.
std::string FirstDifference(const RgbImage& expected, const RgbImage& actual) {
  if (expected.width != actual.width || expected.height != actual.height) {
    return "size " + std::to_string(actual.width) + "x" + std::to_string(actual.height) + ", expected " +
           std::to_string(expected.width) + "x" + std::to_string(expected.height);
  }
  const auto mismatch = std::mismatch(expected.pixels.begin(), expected.pixels.end(), actual.pixels.begin());
  if (mismatch.first == expected.pixels.end()) return "";
  const auto pixel = (mismatch.first - expected.pixels.begin()) / 3;
  return "pixel (" + std::to_string(pixel % actual.width) + ", " + std::to_string(pixel / actual.width) + ") differs";
}

}  // namespace

testing::AssertionResult MatchesGoldenImage(const FrameView& frame, const GamePaletteColours& palette,
                                            const std::string& name, const std::vector<platform::Rect>& leftOut) {
  if (!frame.bits || frame.width <= 0 || frame.height <= 0) {
    return testing::AssertionFailure() << name << ": no pixels to compare";
  }
  const std::filesystem::path folder = HALVORINE_GOLDEN_DIR;
  const std::string expectedPath = (folder / (name + ".png")).string();
  const std::string actualPath = (folder / (name + ".actual.png")).string();
  const RgbImage actual = Render(frame, palette, leftOut);
  RgbImage expected;
  std::string problem;
  if (ReadPng(expectedPath, expected, problem)) {
    problem = FirstDifference(expected, actual);
    if (problem.empty()) {
      std::error_code ignored;
      std::filesystem::remove(actualPath, ignored);
      return testing::AssertionSuccess();
    }
  }
  std::string writeProblem;
  if (!WritePng(actualPath, actual, writeProblem)) {
    return testing::AssertionFailure() << name << ": " << problem << "; and " << actualPath
                                       << " could not be written: " << writeProblem;
  }
  return testing::AssertionFailure() << name << ": " << problem << "\n  expected " << expectedPath << "\n  actual   "
                                     << actualPath;
}

testing::AssertionResult MatchesTextChecksum(const FrameView& frame, const GamePaletteColours& palette,
                                             const std::string& name, uint32_t expected) {
  uint32_t checksum = 2166136261u;
  for (int32_t y = 0; y < frame.height; ++y) {
    for (int32_t x = 0; x < frame.width; ++x) {
      checksum = (checksum ^ frame.bits[static_cast<ptrdiff_t>(y) * frame.stride + x]) * 16777619u;
    }
  }
  const std::string actualPath = (std::filesystem::path(HALVORINE_GOLDEN_DIR) / (name + ".actual.png")).string();
  std::error_code ignored;
  if (checksum == expected) {
    std::filesystem::remove(actualPath, ignored);
    return testing::AssertionSuccess();
  }
  std::string writeProblem;
  WritePng(actualPath, Render(frame, palette, {}), writeProblem);
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "checksum 0x%08X, expected 0x%08X", checksum, expected);
  return testing::AssertionFailure() << name << ": " << numbers << "; the text as drawn is in " << actualPath << " "
                                     << writeProblem;
}
