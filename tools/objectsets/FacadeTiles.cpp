#include "objectsets/FacadeTiles.h"

#include <array>

#include "objectsets/ObjectSetIds.h"

namespace {

// Wall colours per set, one per tile row: a ramp's base and the shade of the wall in it.
struct Look {
  uint8_t ramp;
  uint8_t shade;
};
using Looks = std::array<Look, kFacadeLooks>;

constexpr uint8_t kCream = 16, kGrey = 48, kYellow = 64, kBlue = 80, kRed = 96, kBrown = 112, kOrange = 128,
                  kGreen = 144, kTeal = 176, kSand = 192;

const Looks& LooksOf(uint32_t bitmap) {
  static const Looks residential{{{kSand, 10}, {kCream, 9}, {kBrown, 9}, {kOrange, 8}, {kSand, 6}, {kRed, 6},
                                  {kYellow, 9}, {kGrey, 11}}};
  static const Looks commercial{{{kGrey, 9}, {kBlue, 7}, {kTeal, 7}, {kSand, 9}, {kGrey, 5}, {kBrown, 7},
                                 {kCream, 11}, {kGreen, 6}}};
  static const Looks industrial{{{kBrown, 6}, {kGrey, 7}, {kOrange, 6}, {kTeal, 5}, {kRed, 4}, {kSand, 7},
                                 {kGreen, 4}, {kGrey, 4}}};
  static const Looks civic{{{kCream, 14}, {kBlue, 8}, {kRed, 8}, {kGrey, 8}, {kSand, 12}, {kBrown, 10},
                            {kTeal, 9}, {kYellow, 11}}};
  if (bitmap == kCommercialFacades) return commercial;
  if (bitmap == kIndustrialFacades) return industrial;
  if (bitmap == kPublicFacades) return civic;
  return residential;
}

// One bay: wall with a little grain, a window of the kind, its sill and lintel.
void PaintBay(Canvas& canvas, int32_t left, int32_t top, const Look& look, uint32_t window, uint32_t seed) {
  const uint8_t wall = static_cast<uint8_t>(look.ramp + look.shade);
  for (int32_t y = 0; y < static_cast<int32_t>(kFacadeTile); ++y) {
    for (int32_t x = 0; x < static_cast<int32_t>(kFacadeTile); ++x) {
      const uint32_t n = Noise(static_cast<uint32_t>(left + x), static_cast<uint32_t>(top + y), seed) % 16;
      const uint8_t grain = n == 0 ? static_cast<uint8_t>(wall - 1) : n == 1 ? static_cast<uint8_t>(wall + 1) : wall;
      canvas.Set(left + x, top + y, grain);
    }
  }
  // Window kinds: 0-1 single, 2-3 pair, 4 wide band, 5 tall, 6 small square, 7 plain wall.
  static constexpr std::array<std::array<int32_t, 4>, 8> kOpenings{{{8, 8, 24, 22},
                                                                  {10, 6, 22, 24},
                                                                  {4, 9, 14, 22},
                                                                  {5, 7, 14, 20},
                                                                  {3, 10, 29, 20},
                                                                  {11, 4, 21, 27},
                                                                  {11, 11, 21, 20},
                                                                  {0, 0, 0, 0}}};
  const auto& o = kOpenings[window % 8];
  if (o[2] == 0) return;
  const uint8_t glass = static_cast<uint8_t>(kBlue + 3 + window % 3);
  const uint8_t frame = static_cast<uint8_t>(look.ramp + (look.shade > 8 ? look.shade - 5 : look.shade + 4));
  const auto opening = [&](int32_t x0, int32_t x1) {
    canvas.Rect(left + x0 - 1, top + o[1] - 1, left + x1 + 1, top + o[3] + 2, frame);
    canvas.Rect(left + x0, top + o[1], left + x1, top + o[3], glass);
    canvas.Rect(left + x0, top + o[1], left + x1, top + o[1] + 2, static_cast<uint8_t>(glass + 4));  // reflection
  };
  opening(o[0], o[2]);
  if (window == 2 || window == 3) opening(32 - o[2], 32 - o[0]);
}

}  // namespace

Canvas PaintFacadeSet(uint32_t bitmap) {
  Canvas canvas(kFacadeSide, kFacadeSide);
  const Looks& looks = LooksOf(bitmap);
  for (uint32_t row = 0; row < kFacadeLooks; ++row) {
    for (uint32_t column = 0; column < 8; ++column) {
      PaintBay(canvas, static_cast<int32_t>(column * kFacadeTile), static_cast<int32_t>(row * kFacadeTile), looks[row],
               column, bitmap * 64 + row * 8 + column);
    }
  }
  return canvas;
}

uint8_t FacadeWallColour(uint32_t bitmap, uint32_t look) {
  const Look& l = LooksOf(bitmap)[look % kFacadeLooks];
  return static_cast<uint8_t>(l.ramp + l.shade);
}
