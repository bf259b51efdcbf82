#include "peoplefiles/FaceImages.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr double kPi = 3.14159265358979;
constexpr uint8_t kSkinLight = 232;
constexpr uint8_t kEye = 33;
constexpr uint8_t kLips = 103;
constexpr uint8_t kMouthInside = 97;

enum class Top { kShort, kLong, kBald, kPoliceCap, kFireHelmet, kMedicCap };

struct FaceLook {
  uint8_t hair;  // the darker of two hair shades
  Top top;
  bool beard;
  bool glasses;
  bool pain;
};

constexpr FaceLook kLooks[kFaceCount] = {
    {35, Top::kShort, false, false, false},      // 0
    {35, Top::kPoliceCap, false, false, false},  // 1
    {116, Top::kFireHelmet, false, false, false},  // 2
    {35, Top::kMedicCap, false, false, false},   // 3
    {117, Top::kShort, false, false, false},     // 4: brown
    {72, Top::kLong, false, false, false},       // 5: long blonde
    {55, Top::kBald, false, false, false},       // 6: grey fringe
    {73, Top::kShort, false, false, false},      // 7: short blonde
    {133, Top::kShort, true, false, false},      // 8: ginger, bearded
    {36, Top::kShort, false, true, false},       // 9: glasses
    {117, Top::kShort, false, false, true},      // 10: in pain
};

class FacePainter {
public:
  explicit FacePainter(const FaceLook& look) : mLook(look), mPixels(kFaceWidth * kFaceHeight) {}

  std::vector<uint8_t> Paint() {
    for (int32_t row = 0; row < kFaceHeight; ++row)
      for (int32_t column = 0; column < kFaceWidth; ++column) Set(column, row, Skin(column));
    Ears();
    Hair();
    Features();
    Headwear();
    return mPixels;
  }

private:
  // How far round the head a column is, 0 at the front, pi at the back.
  static double Turn(int32_t column) { return std::abs(column + 0.5 - kFaceWidth / 2.0) / kFaceWidth * 2.0 * kPi; }

  static uint8_t Skin(int32_t column) { return static_cast<uint8_t>(kSkinLight - static_cast<int>(Turn(column) / kPi * 4.0)); }

  void Set(int32_t column, int32_t row, uint8_t colour) {
    if (column < 0 || column >= kFaceWidth || row < 0 || row >= kFaceHeight) return;
    mPixels[static_cast<size_t>(row * kFaceWidth + column)] = colour;
  }
  // Both sides of the face: the column and its mirror about the front.
  void SetBoth(int32_t offset, int32_t row, uint8_t colour) {
    Set(kFaceWidth / 2 + offset, row, colour);
    Set(kFaceWidth / 2 - 1 - offset, row, colour);
  }
  uint8_t HairShade(int32_t column, int32_t row) const { return static_cast<uint8_t>(mLook.hair + (column + row) % 3); }

  void Ears() {
    for (int32_t row = 10; row <= 15; ++row) SetBoth(12, row, 229), SetBoth(13, row, 230);
  }

  void Hair() {
    const int32_t crown = mLook.top == Top::kBald ? 24 : 20;
    for (int32_t column = 0; column < kFaceWidth; ++column) {
      const double turn = Turn(column);
      int32_t from = crown;
      if (turn > 1.9) from = mLook.top == Top::kLong ? 2 : 7;
      else if (turn > 1.35) from = mLook.top == Top::kLong ? 4 : 15;
      if (mLook.top == Top::kBald) from = turn > 1.6 ? 10 : 25;
      for (int32_t row = from; row < kFaceHeight; ++row) Set(column, row, HairShade(column, row));
    }
    if (mLook.beard)
      for (int32_t row = 0; row <= 5; ++row)
        for (int32_t offset = 0; offset <= 9 - row / 2; ++offset) SetBoth(offset, row, HairShade(offset, row));
  }

  void Features() {
    // Eyebrows, eyes, nose and mouth, each a few columns either side of the front.
    for (int32_t offset = 1; offset <= 4; ++offset) SetBoth(offset, mLook.pain ? 17 + (offset > 2) : 18, HairShade(offset, 18));
    for (int32_t offset = 2; offset <= 3; ++offset) {
      SetBoth(offset, 15, kEye);
      if (!mLook.pain) SetBoth(offset, 16, kEye);
    }
    for (int32_t row = 10; row <= 13; ++row) SetBoth(0, row, 230);
    if (mLook.pain) {
      for (int32_t row = 4; row <= 7; ++row)
        for (int32_t offset = 0; offset <= 2; ++offset) SetBoth(offset, row, offset == 2 || row == 4 || row == 7 ? kLips : kMouthInside);
    } else {
      for (int32_t offset = 0; offset <= 2; ++offset) SetBoth(offset, 6, kLips);
    }
    if (mLook.glasses)
      for (int32_t offset = 1; offset <= 5; ++offset) SetBoth(offset, 17, kEye), SetBoth(offset, 14, kEye);
  }

  void Headwear() {
    switch (mLook.top) {
      case Top::kPoliceCap: Band(19, 86, 84, 32); break;  // blue crown, dark visor
      case Top::kFireHelmet: Band(18, 70, 68, 66); break;  // yellow helmet with a brim
      case Top::kMedicCap:
        Band(20, 60, 59, 58);
        for (int32_t row = 21; row <= 23; ++row) SetBoth(0, row, 100);
        for (int32_t offset = 0; offset <= 1; ++offset) SetBoth(offset, 22, 100);
        break;
      default: break;
    }
  }
  // A hat from `from` up: crown colours, and a brim row of its own.
  void Band(int32_t from, uint8_t light, uint8_t dark, uint8_t brim) {
    for (int32_t row = from; row < kFaceHeight; ++row)
      for (int32_t column = 0; column < kFaceWidth; ++column) Set(column, row, Turn(column) < 1.6 ? light : dark);
    for (int32_t column = 0; column < kFaceWidth; ++column) Set(column, from, brim);
  }

  const FaceLook& mLook;
  std::vector<uint8_t> mPixels;
};

}  // namespace

std::vector<uint8_t> PaintFaceImage(int32_t face) {
  if (face < 0 || face >= kFaceCount) return std::vector<uint8_t>(kFaceWidth * kFaceHeight, 0);
  return FacePainter(kLooks[face]).Paint();
}
