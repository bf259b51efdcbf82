#pragma once
#include <cstdint>
#include <memory>

#include "X/File/Array2D.h"
#include "X/File/FlatResFile.h"
#include "X/Y/Memwrap.h"

// What bodies and private animations share: the resource they were loaded from (its handle
// detached from the file and stashed), its name and name code, and its id.
class bBase {
public:
  static constexpr int kNameSize = 16;

  bBase() = default;
  virtual ~bBase();
  bBase(const bBase&) = delete;
  bBase& operator=(const bBase&) = delete;

  // Takes the resource handle of the file: its id, name and code, then the arrays it owns.
  // False, reported, when the handle's type is not the list's or the resource has no name.
  bool LoadFromHandle(Handle handle, FlatResFile* file, uint32_t listType);

  // Finds (or, missing, makes empty) the named arrays the item owns.
  virtual void InstallArrayPointers(bool fromDisk) = 0;

  uint32_t NameCode() const { return mNameCode; }
  const uint8_t* Name() const { return mName; }
  int16_t ResourceId() const { return mResourceId; }
  uint32_t HandleSize() const { return mHandleSize; }

protected:
  // The array named like this item with its fourth character replaced, of the given entry
  // size: the loaded one (taken over), or a new empty one of the given rows.
  Array2D* ClaimArray(char fourth, int32_t entrySize, int32_t emptyRows, bool fromDisk,
                      std::unique_ptr<Array2D>& owned);

private:
  Handle mHandle = nullptr;
  uint32_t mHandleSize = 0;
  uint8_t mName[kNameSize] = {};
  uint32_t mNameCode = 0;
  int16_t mResourceId = -1;
  int16_t mDirty = 0;
  uint8_t* mBytes = nullptr;
};
