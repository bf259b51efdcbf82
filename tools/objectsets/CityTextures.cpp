#include "objectsets/CityTextures.h"

#include <cmath>

namespace {

constexpr uint8_t kSandWall = 192 + 10;
constexpr uint8_t kWhite = 16 + 15;
constexpr uint8_t kDarkGrey = 48 + 2;

}  // namespace

uint8_t HouseFrontColour() { return kSandWall; }

Canvas PaintHouseFront() {
  constexpr int32_t kSide = 64;
  Canvas front(kSide, kSide, kSandWall);
  for (int32_t y = 0; y < kSide; ++y)
    for (int32_t x = 0; x < kSide; ++x)
      if (Noise(static_cast<uint32_t>(x), static_cast<uint32_t>(y), 7) % 13 == 0) front.Set(x, y, kSandWall - 1);
  front.Rect(26, 30, 38, 64, 112 + 4);   // door
  front.Rect(35, 46, 37, 48, 64 + 12);   // handle
  for (int32_t left : {6, 44}) {
    front.Rect(left - 1, 19, left + 15, 42, 16 + 14);  // frame
    front.Rect(left, 20, left + 14, 41, 80 + 4);
    front.Rect(left + 6, 20, left + 8, 41, 16 + 14);   // mullion
    front.Rect(left - 2, 41, left + 16, 44, 48 + 9);   // sill
  }
  return front.Transposed();
}

Canvas PaintTree(uint32_t kind) {
  constexpr int32_t kSide = 32;
  Canvas tree(kSide, kSide);
  tree.Rect(14, 20, 18, 32, 112 + 3);  // trunk
  const uint8_t leaves = kind == 1 ? static_cast<uint8_t>(144 + 4) : static_cast<uint8_t>(208 + 6 + kind * 2);
  if (kind == 1) {
    for (int32_t y = 0; y < 26; ++y) {
      const int32_t half = 1 + y * 12 / 26;
      tree.Rect(16 - half, y, 16 + half, y + 1, leaves);
    }
  } else if (kind == 2) {
    tree.Ellipse(9, 0, 23, 28, leaves);
  } else {
    tree.Ellipse(2, 1, 30, 25, leaves);
  }
  for (int32_t y = 0; y < kSide; ++y) {
    for (int32_t x = 0; x < kSide; ++x) {
      if (tree.At(x, y) != leaves) continue;
      const uint32_t n = Noise(static_cast<uint32_t>(x), static_cast<uint32_t>(y), kind) % 5;
      if (n == 0) tree.Set(x, y, static_cast<uint8_t>(leaves + 3));
      if (n == 1 || x > 20) tree.Set(x, y, static_cast<uint8_t>(leaves - 3));
    }
  }
  return tree;
}

namespace {

constexpr uint8_t kSignBacks[] = {96 + 8, 80 + 6, 144 + 6, 64 + 10};

}  // namespace

uint8_t SignColour(uint32_t sign) { return kSignBacks[sign % 4]; }

Canvas PaintSigns() {
  Canvas signs(64, 64);
  const uint8_t* backs = kSignBacks;
  for (int32_t k = 0; k < 4; ++k) {
    const int32_t top = 16 * k;
    signs.Rect(0, top, 64, top + 16, backs[k]);
    signs.Rect(0, top, 64, top + 1, kWhite);
    signs.Rect(0, top + 15, 64, top + 16, kWhite);
    // Block letters of different widths.
    int32_t x = 4 + k;
    for (int32_t letter = 0; x < 58; ++letter) {
      const int32_t w = 3 + static_cast<int32_t>(Noise(static_cast<uint32_t>(letter), static_cast<uint32_t>(k), 3) % 4);
      signs.Rect(x, top + 4, x + w, top + 12, kWhite);
      if (letter % 2) signs.Rect(x + 1, top + 6, x + w - 1, top + 10, backs[k]);
      x += w + 2;
    }
  }
  return signs;
}

Canvas PaintHelipadH() {
  Canvas pad(32, 32, kDarkGrey);
  pad.Ellipse(1, 1, 31, 31, 48 + 5);
  pad.Ellipse(4, 4, 28, 28, kDarkGrey);
  pad.Rect(9, 8, 13, 24, kWhite);
  pad.Rect(19, 8, 23, 24, kWhite);
  pad.Rect(13, 14, 19, 18, kWhite);
  return pad;
}

Canvas PaintFireBoard() {
  Canvas board(64, 16, 96 + 4);
  board.Rect(0, 0, 64, 2, kWhite);
  board.Rect(0, 14, 64, 16, kWhite);
  for (int32_t x = 6; x < 58; x += 7) board.Rect(x, 5, x + 4, 11, kWhite);
  return board;
}

Canvas PaintFence() {
  Canvas fence(32, 32);
  for (int32_t y = 0; y < 32; ++y) {
    for (int32_t x = 0; x < 32; ++x) {
      if ((x + y) % 6 == 0 || (x - y + 60) % 6 == 0) fence.Set(x, y, 48 + 10);
    }
  }
  fence.Rect(0, 0, 3, 32, 48 + 6);  // post
  fence.Rect(0, 0, 32, 2, 48 + 8);  // top rail
  return fence.Transposed();
}
