#include "X/File/CachedResFile.h"

#include "X/Y/XAssert.h"

CachedResFile::~CachedResFile() { FreeTables(); }

int16_t CachedResFile::Close() {
  if (IsOpen()) FreeTables();
  return FlatResFile::Close();
}

void CachedResFile::FreeTables() {
  for (ResTypeTable& table : mTables)
    for (ResTypeTable::Entry& entry : table.entries)
      if (entry.handle) ReleaseResource(entry.handle);
  while (!mTables.empty()) {
    mTables.pop_front();
    if (--mTableCount < 0) X_ASSERT("whoops");
  }
  if (mTableCount != 0) {
    X_ASSERT("count error in ptrlist");
    mTableCount = 0;
  }
}

ResTypeTable* CachedResFile::LoadResourceTypeTable(uint32_t type, SwizzleProc swizzle) {
  for (ResTypeTable& table : mTables)
    if (table.type == type) return &table;
  ResTypeTable table;
  table.count = CountResources(type);
  table.entries.resize(static_cast<size_t>(table.count));
  table.file = this;
  table.type = type;
  for (int32_t index = table.count; index >= 1; --index) {
    Handle handle = GetIndResource(type, index, swizzle);
    if (!handle) continue;
    ResTypeTable::Entry& entry = table.entries[static_cast<size_t>(index - 1)];
    int16_t id = 0;
    GetResID(handle, id);
    entry.id = id;
    entry.handle = handle;
    entry.bytes = StashHandle(handle);
  }
  mTables.push_front(std::move(table));
  ++mTableCount;
  return &mTables.front();
}
