#include "X/Body/bBase.h"

#include <algorithm>
#include <cstring>

#include "X/File/ArrayTable.h"
#include "X/File/OpenIfClosed.h"
#include "X/Y/PascalString.h"
#include "X/Y/XAssert.h"

bBase::~bBase() {
  if (!mHandle) return;
  HUnlock(mHandle);
  DisposeHandle(mHandle);
}

bool bBase::LoadFromHandle(Handle handle, FlatResFile* file, uint32_t listType) {
  if (!file) {
    X_ASSERT("file not newed");
    return false;
  }
  const bool openedHere = OpenIfClosed(file);
  mHandle = handle;
  mHandleSize = GetHandleSize(handle);
  bool sound = true;
  if (listType == 0 || listType != file->GetResType(handle)) {
    X_ASSERT("whoops, bad type");
    sound = false;
  }
  file->GetResID(handle, mResourceId);
  mDirty = 0;
  uint8_t name[kPStrBufferSize];
  file->GetResName(handle, name);
  const int length = std::min<int>(name[0], kNameSize - 1);
  mName[0] = static_cast<uint8_t>(length);
  std::memcpy(mName + 1, name + 1, static_cast<size_t>(length));
  mNameCode = length > 0 ? PStrToUInt32(mName) : 0;
  if (mNameCode == 0) {
    X_ASSERT("somehow, blank name on disk in bbase");
    sound = false;
  }
  file->DetachResource(handle);
  if (openedHere) file->Close();
  mBytes = StashHandle(handle);
  return sound && mBytes != nullptr;
}

Array2D* bBase::ClaimArray(char fourth, int32_t entrySize, int32_t emptyRows, bool fromDisk,
                           std::unique_ptr<Array2D>& owned) {
  const uint32_t code = (mNameCode & 0xFFFFFF00u) | static_cast<uint8_t>(fourth);
  Array2D* array = sArrayTable::Find(code);
  if (array && array->EntrySize() != entrySize) {
    X_ASSERT("bad entry size of desired array");
    return nullptr;
  }
  if (array) {
    if (!fromDisk) X_ASSERT("array found on disk even though creating owner from scratch");
    owned = Array2D::TakeLoaded(array);
    return array;
  }
  if (fromDisk) X_ASSERT("didn't find array on disk--will go ahead and create");
  uint8_t name[5] = {4, static_cast<uint8_t>(code >> 24), static_cast<uint8_t>(code >> 16),
                     static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code)};
  owned = std::make_unique<Array2D>(entrySize, emptyRows, 0, name);
  if (owned->NameCode() == 0) X_ASSERT("couldn't get or make array");
  return owned.get();
}
