#include "imagefiles/ControlStrip.h"

#include <algorithm>

namespace {

// Edge width of the bevel.
constexpr int32_t kEdge = 2;

class FramePainter {
public:
  FramePainter(std::vector<uint8_t>& pixels, int32_t stripWidth, int32_t left, int32_t width, int32_t height)
      : mPixels(pixels), mStripWidth(stripWidth), mLeft(left), mWidth(width), mHeight(height) {}

  void Set(int32_t x, int32_t y, uint8_t index) {
    if (x < 0 || y < 0 || x >= mWidth || y >= mHeight) return;
    mPixels[static_cast<size_t>(y) * mStripWidth + mLeft + x] = index;
  }

  // Light on the top and left edges, dark on the bottom and right ones (swapped sunk).
  void Box(const ControlFrame& frame) {
    const uint8_t topLeft = frame.sunken ? frame.colours.dark : frame.colours.light;
    const uint8_t bottomRight = frame.sunken ? frame.colours.light : frame.colours.dark;
    for (int32_t y = 0; y < mHeight; ++y) {
      for (int32_t x = 0; x < mWidth; ++x) {
        const int32_t fromRight = mWidth - 1 - x;
        const int32_t fromBottom = mHeight - 1 - y;
        uint8_t index = frame.colours.face;
        if (fromRight < kEdge || fromBottom < kEdge) {
          index = bottomRight;
        } else if (x < kEdge || y < kEdge) {
          index = topLeft;
        }
        Set(x, y, index);
      }
    }
  }

  // A disc whose upper-left rim is the top-left edge colour, the rest the other.
  void Disc(const ControlFrame& frame) {
    const uint8_t topLeft = frame.sunken ? frame.colours.dark : frame.colours.light;
    const uint8_t bottomRight = frame.sunken ? frame.colours.light : frame.colours.dark;
    const int32_t diameter = mWidth < mHeight ? mWidth : mHeight;
    const int32_t twiceCentre = diameter - 1;
    const int32_t outer = diameter * diameter;
    const int32_t inner = (diameter - 2 * kEdge) * (diameter - 2 * kEdge);
    for (int32_t y = 0; y < diameter; ++y) {
      for (int32_t x = 0; x < diameter; ++x) {
        const int32_t dx = 2 * x - twiceCentre;
        const int32_t dy = 2 * y - twiceCentre;
        const int32_t distance = dx * dx + dy * dy;
        if (distance > outer) continue;
        uint8_t index = frame.colours.face;
        if (distance > inner) index = dx + dy < 0 ? topLeft : bottomRight;
        Set(x, y, index);
      }
    }
  }

  // A tick two pixels thick: down from the left to the bottom third, then up to the right.
  void Check(uint8_t colour) {
    const int32_t left = mWidth / 4;
    const int32_t right = mWidth - 1 - mWidth / 4;
    const int32_t top = mHeight / 4;
    const int32_t middle = mHeight / 2;
    const int32_t bottom = mHeight - 1 - mHeight / 4;
    const int32_t turn = left + (right - left) / 3;
    for (int32_t x = left; x <= right; ++x) {
      const int32_t y = x <= turn ? middle + (x - left) * (bottom - middle) / std::max(turn - left, 1)
                                  : bottom - (x - turn) * (bottom - top) / std::max(right - turn, 1);
      Set(x, y, colour);
      Set(x, y - 1, colour);
    }
  }

  void Dot(uint8_t colour) {
    const int32_t diameter = mWidth < mHeight ? mWidth : mHeight;
    const int32_t twiceCentre = diameter - 1;
    const int32_t radius = diameter / 4;
    for (int32_t y = 0; y < diameter; ++y) {
      for (int32_t x = 0; x < diameter; ++x) {
        const int32_t dx = 2 * x - twiceCentre;
        const int32_t dy = 2 * y - twiceCentre;
        if (dx * dx + dy * dy <= 4 * radius * radius) Set(x, y, colour);
      }
    }
  }

private:
  std::vector<uint8_t>& mPixels;
  int32_t mStripWidth;
  int32_t mLeft;
  int32_t mWidth;
  int32_t mHeight;
};

}  // namespace

std::vector<uint8_t> DrawControlStrip(int32_t frameWidth, int32_t frameHeight, ControlShape shape,
                                      const std::vector<ControlFrame>& frames) {
  if (frameWidth <= 0 || frameHeight <= 0 || frames.empty()) return {};
  const int32_t stripWidth = frameWidth * static_cast<int32_t>(frames.size());
  std::vector<uint8_t> pixels(static_cast<size_t>(stripWidth) * frameHeight, kControlTransparentIndex);
  for (size_t index = 0; index < frames.size(); ++index) {
    const ControlFrame& frame = frames[index];
    FramePainter painter(pixels, stripWidth, static_cast<int32_t>(index) * frameWidth, frameWidth, frameHeight);
    if (shape == ControlShape::kBox) {
      painter.Box(frame);
    } else {
      painter.Disc(frame);
    }
    if (frame.mark == ControlMark::kCheck) painter.Check(frame.markColour);
    if (frame.mark == ControlMark::kDot) painter.Dot(frame.markColour);
  }
  return pixels;
}
