#include "peoplefiles/FaceBitmapGroup.h"

#include "X/Body/FaceTable.h"
#include "peoplefiles/FaceImages.h"

FaceBitmapGroup::FaceBitmapGroup() {
  for (size_t number = 0; number < kFaceTable.size(); ++number) {
    const size_t slot = kFaceTable[number];
    mPixels[slot] = PaintFaceImage(static_cast<int32_t>(number));
    mBitmaps[slot] = {kFaceWidth, kFaceHeight, 0, mPixels[slot].data(), nullptr};
    mEntries[slot] = {kFaceWidth, kFaceHeight, &mBitmaps[slot]};
  }
  mGroup.kind = kGroupBitmaps;
  mGroup.count = kEntries;
  mGroup.bitmaps = mEntries.data();
}
