// The people library's resource files: the map shared by two objects, every type and index,
// names, ids and types, detaching and releasing, per-type tables and the named arrays of
// every type found.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzFolder.h"
#include "PeopleFuzz.h"
#include "Drovane/FourCharCode.h"
#include "X/File/CachedResFile.h"
#include "X/File/ResFile.h"
#include "X/Y/ByteSwap.h"

namespace {

constexpr int32_t kMostTypes = 16;
constexpr int32_t kMostResources = 32;
volatile uint32_t gSink;

// Turns every whole 16-bit word, as a swizzle procedure does.
void SwapWords(uint8_t* bytes, uint32_t size) {
  for (uint32_t i = 0; i + 2 <= size; i += 2) SwapU16(bytes + i);
}

int32_t EntrySizeOf(uint32_t type) {
  switch (type) {
    case FourCC("ARCP"): return 40;
    default: return 8;
  }
}

void VisitResource(CachedResFile& file, ResFile& other, uint32_t type, int32_t index) {
  Handle handle = file.GetIndResource(type, index, SwapWords);
  if (!handle) return;
  uint8_t name[256];
  file.GetResName(handle, name);
  int16_t id = 0;
  file.GetResID(handle, id);
  gSink = name[0] + file.GetResType(handle) + GetHandleSize(handle);
  if (file.GetResource(type, id, SwapWords) == nullptr) gSink = 0;
  switch (index % 3) {
    case 0:
      file.DetachResource(handle);
      DisposeHandle(handle);
      break;
    case 1: other.ReleaseResource(handle); break;
    default: break;
  }
}

void VisitType(CachedResFile& file, ResFile& other, uint32_t type) {
  int32_t count = file.CountResources(type);
  for (int32_t index = 0; index <= count + 1 && index <= kMostResources; ++index)
    VisitResource(file, other, type, index);
  ResTypeTable* table = file.LoadResourceTypeTable(type, SwapWords);
  for (const ResTypeTable::Entry& entry : table->entries)
    if (entry.bytes && GetHandleSize(entry.handle) > 0) gSink = entry.bytes[0];
  Array2D::LoadAllOfType(&other, type, EntrySizeOf(type), SwapWords);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  IgnorePeopleAssertions();
  std::string path = WriteFuzzFile("People.df", data, size);
  {
    CachedResFile file;
    ResFile other;
    if (file.Open(path.c_str()) == 0 && other.Open(path.c_str()) == 0) {
      int32_t types = file.CountTypes();
      for (int32_t t = 1; t <= types && t <= kMostTypes; ++t) VisitType(file, other, file.GetIndType(t));
      file.GetIndType(types + 1);
    }
    Array2D::FreeAllLoaded();
    if (file.IsOpen()) file.Close();
    if (other.IsOpen()) other.Close();
  }
  CheckPeopleLibraryIsEmpty();
  return 0;
}
