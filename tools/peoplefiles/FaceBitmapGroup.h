#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "pel3d/files/Bitmap.h"
#include "pel3d/files/ResourceGroup.h"

// A bitmap group in memory that holds the painted face images at their face values, as the
// world's bitmap group holds them once "PEL3D.BMP" is loaded; for the tools, tests, fuzz target
// and benchmark that draw figures without a world.
class FaceBitmapGroup {
public:
  FaceBitmapGroup();
  FaceBitmapGroup(const FaceBitmapGroup&) = delete;
  FaceBitmapGroup& operator=(const FaceBitmapGroup&) = delete;

  const ResourceGroup* Group() const { return &mGroup; }

private:
  static constexpr int32_t kEntries = 68;

  std::array<std::vector<uint8_t>, kEntries> mPixels;
  std::array<Bitmap, kEntries> mBitmaps{};
  std::array<BitmapEntry, kEntries> mEntries{};
  ResourceGroup mGroup;
};
