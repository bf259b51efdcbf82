#include "X/Body/BodyFaceDraw.h"

#include <span>

#include "X/Body/BodyNumbers.h"
#include "X/Body/BodyRaster.h"
#include "X/Body/RoundedSquareRoots.h"
#include "X/Y/XAssert.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"

namespace {

// A face row is three quarters as wide as it is tall.
constexpr double kFaceWidthRatio = 0.75;
constexpr int32_t kMiddleRow = 12;

const ResourceGroup* gFaceGroup = nullptr;

const Bitmap* FaceImage(uint16_t face) {
  const Bitmap* image = GetBitmapRecord(gFaceGroup, face);
  if (!image || !image->pixels) {
    X_ASSERT("couldn't get bhdr from that facenum");
    return nullptr;
  }
  if (image->width != static_cast<uint32_t>(kFaceImageWidth) || image->height < static_cast<uint32_t>(kFaceImageRows))
    return nullptr;
  return image;
}

// The image column that faces the viewer at this turn.
int32_t FaceCentre(float turn) {
  double t = turn * 8.0 / kTwoPi - 6.0;
  if (t < -3.0) t += 8.0;
  if (t > 4.0) t = 4.0;
  if (t < -3.0) t = -3.0;
  return TruncateToInt(26.0 - t * 26.0 / 4.0);
}

// One screen row: the image row's columns from centre - h * step on, in one piece, or in two
// when they run past one edge of the image (the image is a full turn).
void DrawFaceRow(int32_t x, int32_t y, int32_t half, const uint8_t* imageRow, int32_t centre, float step) {
  const int32_t first = TruncateToInt(centre - half * static_cast<double>(step));
  const int32_t last = TruncateToInt(centre + half * static_cast<double>(step));
  if (first < 0 && last >= kFaceImageWidth) return;
  const std::span<const uint8_t> row(imageRow, kFaceImageWidth);
  const int32_t pixels = 2 * half + 1;
  if (first >= 0 && last < kFaceImageWidth) {
    DrawHorzLinePat(x - half, x + half, y, row.subspan(static_cast<size_t>(first)), 0, step);
    return;
  }
  // Pixels before the seam read from `start`, the rest continue from the other edge.
  const int32_t start = first < 0 ? first + kFaceImageWidth : first;
  int32_t before = 0;
  while (before < pixels && start + TruncateToInt(before * static_cast<double>(step)) < kFaceImageWidth) ++before;
  if (before > 0) DrawHorzLinePat(x - half, x - half + before - 1, y, row.subspan(static_cast<size_t>(start)), 0, step);
  if (before >= pixels) return;
  const int32_t resume = start + TruncateToInt(before * static_cast<double>(step)) - kFaceImageWidth;
  if (resume < 0 || resume >= kFaceImageWidth) return;
  DrawHorzLinePat(x - half + before, x + half, y, row.subspan(static_cast<size_t>(resume)), 0, step);
}

}  // namespace

void SetBodyFaceGroup(const ResourceGroup* group) { gFaceGroup = group; }

void drawface(int32_t x, int32_t y, int32_t, int32_t radius, float turn, float aspect, uint16_t face) {
  if (face == kNoFace) {
    X_ASSERT("must set face before calling drawface");
    return;
  }
  if (radius <= 0) return;
  const double r2 = static_cast<double>(radius) * radius;
  if (TruncateToInt((r2 - 1.0) * kFaceWidthRatio * kFaceWidthRatio) >= kRoundedSquareRoots) return;
  if (!(turn >= 0.0f && turn <= kTwoPi)) {
    X_ASSERT("psi out of whack");
    return;
  }
  if (!(aspect > 0.0f)) return;
  const Bitmap* image = FaceImage(face);
  if (!image) return;
  const int32_t centre = FaceCentre(turn);
  if (centre >= kFaceImageWidth) {
    X_ASSERT("faceCenter greater than 52 in face rendering");
    return;
  }
  if (centre < 0) {
    X_ASSERT("faceCenter not greater than 0 in face rendering");
    return;
  }
  const float step = 1.0f / aspect;
  auto imageRow = [&](int32_t row) { return image->pixels + static_cast<size_t>(row) * kFaceImageWidth; };
  for (int32_t k = radius; k >= 1; --k) {
    const double k2 = static_cast<double>(k) * k;
    const int32_t half = RoundedSquareRoot(TruncateToInt((1.0 - k2 / r2) * r2 * kFaceWidthRatio * kFaceWidthRatio));
    const double rowOffset = k * 25.0 / (2.0 * radius);
    DrawFaceRow(x, y + k, half, imageRow(TruncateToInt(kMiddleRow - rowOffset)), centre, step);
    DrawFaceRow(x, y - k, half, imageRow(TruncateToInt(kMiddleRow + rowOffset)), centre, step);
  }
  const int32_t middleHalf = RoundedSquareRoot(TruncateToInt(r2 * kFaceWidthRatio * kFaceWidthRatio));
  DrawFaceRow(x, y, middleHalf, imageRow(kMiddleRow), centre, step);
}
