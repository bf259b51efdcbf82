#include "X/Body/bPrivAnim.h"

#include "X/Body/BodyLists.h"
#include "X/Y/XAssert.h"

void bPrivAnim::InstallArrayPointers(bool fromDisk) {
  if (!gPrivAnims) X_ASSERT("no list");
  if (NameCode() == 0) {
    X_ASSERT("why no name in GetArrayPointers?");
    return;
  }
  mFrames = ClaimArray('i', kFramePartSize, 0, fromDisk, mOwnedFrames);
}

const uint8_t* bPrivAnim::GetFrame(int32_t frame) const {
  if (!mFrames) return nullptr;
  return mFrames->Row(frame);
}

const uint8_t* bPrivAnim::GetFramePart(int32_t frame, int32_t part) const {
  if (!mFrames) return nullptr;
  return mFrames->Entry(frame, part);
}
