#include "X/Body/bBody.h"

#include "X/Body/BodyLists.h"
#include "X/Y/XAssert.h"

void bBody::InstallArrayPointers(bool fromDisk) {
  if (!gBodies) X_ASSERT("no list");
  mParts = ClaimArray('c', kPartRecordSize, 1, fromDisk, mOwnedParts);
  mLookup = ClaimArray('L', kLookupEntrySize, 1, fromDisk, mOwnedLookup);
  // Records and lookups are read in row 0 only.
  if (mParts && mParts->Rows() < 1) mParts = nullptr;
  if (mLookup && mLookup->Rows() < 1) mLookup = nullptr;
  ActivatePartPointers(true);
}

void bBody::ActivatePartPointers(bool activate) {
  mParents.assign(static_cast<size_t>(PartCount()), nullptr);
  if (!activate) return;
  for (int32_t i = 0; i < PartCount(); ++i) {
    const uint32_t parent = Part(i).ParentCode();
    if (parent == 0) continue;
    for (int32_t j = 0; j < PartCount(); ++j) {
      if (Part(j).Code() != parent) continue;
      mParents[static_cast<size_t>(i)] = Part(j).bytes;
      break;
    }
  }
}

void activatepartpointers(bBody* body, bool activate) {
  if (!body) {
    X_ASSERT("body parts not initialized before trying to activate (or deactivate) pointers");
    return;
  }
  body->ActivatePartPointers(activate);
}
