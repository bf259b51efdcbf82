#include "X/File/Array2D.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "X/File/ArrayTable.h"
#include "X/File/OpenIfClosed.h"
#include "X/Y/XAssert.h"
#include "platform/BigEndian.h"

namespace {

constexpr int64_t kHeaderSize = 8;
constexpr int64_t kRowSlotSize = 4;
constexpr int64_t kHugeArray = 8000000;

// Which types were loaded from which file: (null, 0) is a free slot.
std::pair<FlatResFile*, uint32_t> gLoaded[Array2D::kLoadedTypeSlots];
std::vector<std::unique_ptr<Array2D>> gLoadedArrays;

bool RecordLoadedType(FlatResFile* file, uint32_t type) {
  auto free = std::find(std::begin(gLoaded), std::end(gLoaded), std::pair<FlatResFile*, uint32_t>{});
  if (free == std::end(gLoaded)) {
    X_ASSERT("couldn't load any more types");
    return false;
  }
  *free = {file, type};
  if (std::count(std::begin(gLoaded), std::end(gLoaded), *free) > 1) X_ASSERT("two file-type things found in fsLoaded");
  return true;
}

}  // namespace

Array2D::Array2D(int32_t entrySize, int32_t rows, int32_t columns, const uint8_t* name, FlatResFile* file,
                 uint32_t type)
    : mEntrySize(entrySize) {
  if (file || type != 0) X_ASSERT("can't save to file yet on Windows, so can't specify them when creating array");
  if (name && name[0] > 0) {
    SetName(name);
    mRegistered = sArrayTable::Register(this);
  }
  SetSize(rows, columns);
  WriteHeader();
  Fill(0);
}

Array2D::~Array2D() {
  DisposeData();
  if (!mRegistered) return;
  if (mNameCode == 0) X_ASSERT("table entry has no name");
  if (sArrayTable::CountOthersNamed(this) > 0) X_ASSERT("finding more than one named array--should have been unique");
  sArrayTable::Unregister(this);
}

void Array2D::SetName(const uint8_t* name) {
  int length = std::min<int>(name[0], kNameSize - 1);
  mName[0] = static_cast<uint8_t>(length);
  std::memcpy(mName + 1, name + 1, length);
  // A name of fewer than four characters still reads four bytes: the rest of the field.
  mNameCode = PStrToUInt32(mName);
}

void Array2D::DisposeData() {
  if (!mHandle) return;
  HUnlock(mHandle);
  DisposeHandle(mHandle);
  mHandle = nullptr;
  mBytes = nullptr;
}

int64_t Array2D::DimensionsSize() const {
  return kHeaderSize + static_cast<int64_t>(mRows) * (kRowSlotSize + static_cast<int64_t>(mColumns) * mEntrySize);
}

uint8_t* Array2D::FirstRow() const { return mBytes + kHeaderSize + kRowSlotSize * mRows; }

void Array2D::SetSize(int32_t rows, int32_t columns) {
  if (mHandle && rows == mRows && columns == mColumns) return;
  DisposeData();
  mRows = 0;
  mColumns = 0;
  mExpectedSize = kHeaderSize;
  int64_t size = kHeaderSize + static_cast<int64_t>(rows) * (kRowSlotSize + static_cast<int64_t>(columns) * mEntrySize);
  if (rows < 0 || columns < 0 || mEntrySize < 0 || size > UINT32_MAX) {
    X_ASSERT("out of memory");
    return;
  }
  if (size >= kHugeArray) X_ASSERT(">8-megabyte handle size");
  mHandle = NewHandle(static_cast<uint32_t>(size), 0);
  if (!mHandle) {
    X_ASSERT("out of memory");
    return;
  }
  mBytes = StashHandle(mHandle);
  mRows = rows;
  mColumns = columns;
  mExpectedSize = size;
}

void Array2D::WriteHeader() {
  if (!mHandle) return;
  if (GetHandleSize(mHandle) < mExpectedSize) {
    X_ASSERT("incorrect data handle size");
    return;
  }
  if (mExpectedSize != DimensionsSize()) X_ASSERT("badly calculated handle size");
  if (!HIsLocked(mHandle)) X_ASSERT("handle not locked");
  platform::WriteBE16(mBytes, static_cast<uint16_t>(mEntrySize));
  platform::WriteBE16(mBytes + 2, static_cast<uint16_t>(mRows));
  platform::WriteBE16(mBytes + 4, static_cast<uint16_t>(mColumns));
}

void Array2D::Fill(uint8_t byte) {
  if (!mHandle) return;
  int64_t area = static_cast<int64_t>(mRows) * mColumns * mEntrySize;
  if (area < 1 || area >= kHugeArray) X_ASSERT("clearing negative or huge memory");
  if (area < 1) return;
  if (DimensionsSize() > GetHandleSize(mHandle)) {
    X_ASSERT("writing over length allowed");
    return;
  }
  blockfill(FirstRow(), byte, static_cast<size_t>(area));
}

uint8_t* Array2D::Row(int32_t row) {
  if (!mBytes || row < 0 || row >= mRows || mColumns < 1) {
    X_ASSERT("array read out of bounds");
    return nullptr;
  }
  return FirstRow() + static_cast<int64_t>(row) * mColumns * mEntrySize;
}

uint8_t* Array2D::Entry(int32_t row, int32_t column) {
  if (column < 0 || column >= mColumns) {
    X_ASSERT("array read out of bounds");
    return nullptr;
  }
  uint8_t* start = Row(row);
  return start ? start + static_cast<int64_t>(column) * mEntrySize : nullptr;
}

bool Array2D::ReadHeader(int32_t expectedEntrySize) {
  uint32_t size = GetHandleSize(mHandle);
  if (size < kHeaderSize) {
    X_ASSERT("wrong handle size");
    return false;
  }
  mEntrySize = platform::ReadBE16(mBytes);
  // An entry of no bytes would leave the columns unbounded by the handle's size.
  if (mEntrySize < 1 || mEntrySize != expectedEntrySize) {
    X_ASSERT("header of disk array says it's not the size you expected");
    return false;
  }
  mRows = platform::ReadBE16(mBytes + 2);
  mColumns = platform::ReadBE16(mBytes + 4);
  mExpectedSize = DimensionsSize();
  if (mExpectedSize > size) {
    X_ASSERT("wrong handle size");
    return false;
  }
  return true;
}

bool Array2D::ReadFromDisk(Handle handle, FlatResFile* file, int32_t entrySize, SwizzleProc swizzle) {
  if (!file) {
    X_ASSERT("must load arrays from a file?");
    return false;
  }
  mFile = file;
  bool openedHere = OpenIfClosed(file);
  mHandle = handle;
  mResourceType = file->GetResType(handle);
  file->GetResID(handle, mResourceId);
  uint8_t name[kPStrBufferSize];
  file->GetResName(handle, name);
  if (name[0] == 0) X_ASSERT("array must be named to be read from disk");
  SetName(name);
  mBytes = StashHandle(handle);
  file->DetachResource(handle);
  if (openedHere) file->Close();
  if (!mBytes || !ReadHeader(entrySize)) {
    DisposeData();
    mRows = mColumns = 0;
    return false;
  }
  if (mNameCode != 0) mRegistered = sArrayTable::Register(this);
  if (!swizzle) return true;
  for (int32_t r = 0; r < mRows; ++r)
    for (int32_t c = 0; c < mColumns; ++c) swizzle(Entry(r, c), static_cast<uint32_t>(mEntrySize));
  return true;
}

void Array2D::LoadAllOfType(FlatResFile* file, uint32_t type, int32_t entrySize, SwizzleProc swizzle) {
  if (!file) {
    X_ASSERT("must load arrays from a file?");
    return;
  }
  if (!RecordLoadedType(file, type)) return;
  bool openedHere = OpenIfClosed(file);
  int32_t count = file->CountResources(type);
  for (int32_t index = 1; index <= count; ++index) {
    Handle handle = file->GetIndResource(type, index, nullptr);
    if (!handle) {
      X_ASSERT("couldn't get handle, despite evidence it exists");
      continue;
    }
    const uint8_t* bytes = HLock(handle);
    if (GetHandleSize(handle) < 2 || platform::ReadBE16(bytes) != entrySize)
      X_ASSERT("array on disk has a size different from that expected");
    HUnlock(handle);
    std::unique_ptr<Array2D> array(new Array2D);
    if (!array->ReadFromDisk(handle, file, entrySize, swizzle)) continue;
    if (array->mResourceType != type) X_ASSERT("whoops type");
    gLoadedArrays.push_back(std::move(array));
  }
  if (openedHere) file->Close();
}

void Array2D::FreeAllLoaded() {
  gLoadedArrays.clear();
  std::fill(std::begin(gLoaded), std::end(gLoaded), std::pair<FlatResFile*, uint32_t>{});
}

int32_t Array2D::LoadedCount() { return static_cast<int32_t>(gLoadedArrays.size()); }

std::unique_ptr<Array2D> Array2D::TakeLoaded(const Array2D* array) {
  auto held = std::find_if(gLoadedArrays.begin(), gLoadedArrays.end(),
                           [array](const std::unique_ptr<Array2D>& loaded) { return loaded.get() == array; });
  if (held == gLoadedArrays.end()) return nullptr;
  std::unique_ptr<Array2D> taken = std::move(*held);
  gLoadedArrays.erase(held);
  return taken;
}
