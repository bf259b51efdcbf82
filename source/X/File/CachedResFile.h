#pragma once
#include <cstdint>
#include <list>
#include <vector>

#include "X/File/ResFile.h"

// Every resource of one type of a file, loaded together and stashed.
struct ResTypeTable {
  struct Entry {
    int32_t id = 0;
    Handle handle = nullptr;
    uint8_t* bytes = nullptr;
  };
  int32_t count = 0;
  std::vector<Entry> entries;
  FlatResFile* file = nullptr;
  uint32_t type = 0;
};

// A resource file that keeps a table of all resources per type while it is open. Closing it
// releases the tables' resources, since the map that owns them goes with the close.
class CachedResFile : public ResFile {
public:
  CachedResFile() = default;
  ~CachedResFile() override;

  int16_t Close() override;

  // The table of every resource of the type, made on first use; a resource that cannot be
  // loaded leaves its entry with id 0 and no bytes.
  ResTypeTable* LoadResourceTypeTable(uint32_t type, SwizzleProc swizzle);
  int16_t TableCount() const { return mTableCount; }

private:
  void FreeTables();

  std::list<ResTypeTable> mTables;
  int16_t mTableCount = 0;
};
