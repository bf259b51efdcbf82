#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "X/Body/BodyPartRecord.h"
#include "X/Body/bBase.h"

// A figure: its part records ('ARCP', row 0) and its animation lookup ('ARLU', row 0: key,
// animation name code), and the face value its face part shows.
class bBody : public bBase {
public:
  static constexpr int32_t kLookupEntrySize = 8;

  void InstallArrayPointers(bool fromDisk) override;

  // The part records; null when the body has no part array.
  Array2D* Parts() const { return mParts; }
  Array2D* Lookup() const { return mLookup; }
  int32_t PartCount() const { return mParts ? mParts->Columns() : 0; }
  BodyPart Part(int32_t index) const { return {mParts->Entry(0, index)}; }
  // The parent record of a part while the body is active; null for none.
  const uint8_t* Parent(int32_t index) const { return mParents[static_cast<size_t>(index)]; }

  uint16_t Face() const { return mFace; }
  void SetFace(uint16_t face) { mFace = face; }

  // Points each part at its parent's record (by the parent's code), or forgets the pointers.
  void ActivatePartPointers(bool activate);

private:
  Array2D* mParts = nullptr;
  Array2D* mLookup = nullptr;
  std::unique_ptr<Array2D> mOwnedParts;
  std::unique_ptr<Array2D> mOwnedLookup;
  std::vector<const uint8_t*> mParents;
  uint16_t mFace = 65535;
};

// The same for a body that may be missing.
void activatepartpointers(bBody* body, bool activate);
