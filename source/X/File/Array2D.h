#pragma once
#include <cstdint>
#include <memory>

#include "X/File/FlatResFile.h"
#include "X/Y/Memwrap.h"

// A two-dimensional array of fixed-size entries in one handle, named by a four-character
// code and kept in a resource file as a resource of its own type. The handle keeps the
// file's layout: entry size, rows and columns as big-endian 16-bit words, a pad word, one
// 4-byte slot per row (unused here) and the entries row after row. Row addresses are worked
// out from the bytes, never stored in them.
class Array2D {
public:
  static constexpr int kNameSize = 16;
  static constexpr int kLoadedTypeSlots = 64;

  // An array in memory, every entry byte 0; with a name it is registered in sArrayTable.
  // Arrays are never written, so file and type must be null and 0.
  Array2D(int32_t entrySize, int32_t rows, int32_t columns, const uint8_t* name = nullptr,
          FlatResFile* file = nullptr, uint32_t type = 0);
  // An empty array, to be made by ReadFromDisk.
  Array2D() = default;
  ~Array2D();
  Array2D(const Array2D&) = delete;
  Array2D& operator=(const Array2D&) = delete;

  // Makes the array from a resource handle of the file, which the array then owns. An array
  // whose header or size disagrees is refused: false, its handle disposed, not registered.
  // Without a file nothing is done and the handle stays the caller's.
  bool ReadFromDisk(Handle handle, FlatResFile* file, int32_t entrySize, SwizzleProc swizzle);

  // New dimensions; the contents are not kept. Same dimensions keep the handle.
  void SetSize(int32_t rows, int32_t columns);
  void WriteHeader();
  void Fill(uint8_t byte);

  // The entry at (row, column), or the start of a row; null (reported) out of bounds.
  uint8_t* Entry(int32_t row, int32_t column);
  uint8_t* Row(int32_t row);

  int32_t Rows() const { return mRows; }
  int32_t Columns() const { return mColumns; }
  int32_t EntrySize() const { return mEntrySize; }
  int16_t ResourceId() const { return mResourceId; }
  uint32_t ResourceType() const { return mResourceType; }
  uint32_t NameCode() const { return mNameCode; }
  const uint8_t* Name() const { return mName; }
  Handle DataHandle() const { return mHandle; }
  uint8_t* Bytes() const { return mBytes; }

  // Loads every array resource of the type; refused resources are skipped. The arrays stay
  // until FreeAllLoaded.
  static void LoadAllOfType(FlatResFile* file, uint32_t type, int32_t entrySize, SwizzleProc swizzle);
  // Deletes the arrays LoadAllOfType made and forgets which types were loaded.
  static void FreeAllLoaded();
  static int32_t LoadedCount();
  // Hands a loaded array over to an owner of its own; null when LoadAllOfType does not hold
  // it (never loaded, or already taken).
  static std::unique_ptr<Array2D> TakeLoaded(const Array2D* array);

private:
  void SetName(const uint8_t* name);
  int64_t DimensionsSize() const;
  uint8_t* FirstRow() const;
  bool ReadHeader(int32_t expectedEntrySize);
  void DisposeData();

  Handle mHandle = nullptr;
  uint8_t* mBytes = nullptr;
  int32_t mColumns = 0;
  int32_t mRows = 0;
  int32_t mEntrySize = 0;
  int64_t mExpectedSize = 0;
  int16_t mResourceId = -1;
  FlatResFile* mFile = nullptr;
  uint32_t mResourceType = 0;
  uint8_t mName[kNameSize] = {};
  uint32_t mNameCode = 0;
  bool mRegistered = false;
};
