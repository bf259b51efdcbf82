// Lists a people resource file ("People.df", "PrivAnim.df"):
//   people-list FILE
// every type with its resources' ids, names and sizes; the resources of a type whose code
// begins with "AR" are named arrays, listed with their entry size, rows and columns. A check
// that fails is printed as "damaged:" with the rule it found broken, and the exit status
// is then 1.
#include <cstdio>
#include <string>

#include "Drovane/FourCharCode.h"
#include "X/File/Array2D.h"
#include "X/File/FlatResFile.h"
#include "X/Y/Memwrap.h"
#include "X/Y/XAssert.h"
#include "platform/BigEndian.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"

namespace {

bool gDamaged = false;

int ReportRule(const XAssertReport& report) {
  std::printf("damaged: %s\n", report.message.c_str());
  gDamaged = true;
  return platform::IDIGNORE;
}

// The entry size the people's code expects of an array kind; the array's own header for a
// kind it does not know.
int32_t ExpectedEntrySize(uint32_t type, Handle handle) {
  switch (type) {
    case FourCC("ARCP"): return 40;  // body part records
    case FourCC("ARLU"): return 8;   // animation look-ups
    case FourCC("ARPP"): return 8;   // private-animation frames
  }
  if (GetHandleSize(handle) < 2) return 0;
  int32_t size = platform::ReadBE16(HLock(handle));
  HUnlock(handle);
  return size;
}

// The array takes the handle over from the file and disposes of it when it goes.
void ListArray(FlatResFile& file, uint32_t type, Handle handle) {
  int32_t entrySize = ExpectedEntrySize(type, handle);
  Array2D array;
  if (!array.ReadFromDisk(handle, &file, entrySize, nullptr)) return;
  std::printf("    array: %d rows, %d columns, entries of %d bytes\n", array.Rows(), array.Columns(),
              array.EntrySize());
}

void ListResource(FlatResFile& file, uint32_t type, int32_t index) {
  Handle handle = file.GetIndResource(type, index, nullptr);
  if (!handle) {
    std::printf("  resource %d: cannot be read (error %d)\n", index, file.GetError());
    gDamaged = true;
    return;
  }
  int16_t id = 0;
  file.GetResID(handle, id);
  uint8_t name[256];
  file.GetResName(handle, name);
  std::printf("  id %d", id);
  if (name[0] > 0)
    std::printf(" \"%.*s\"", name[0], reinterpret_cast<const char*>(name + 1));
  else
    std::printf(" (no name)");
  std::printf(", %u bytes\n", GetHandleSize(handle));
  if ((type >> 16) == 0x4152) ListArray(file, type, handle);
}

int ListFile(const char* path) {
  FlatResFile file;
  int16_t result = file.Open(platform::ToGamePath(path).c_str());
  if (result != 0) {
    std::printf("%s: cannot be opened (error %d)\n", path, result);
    return 1;
  }
  int32_t types = file.CountTypes();
  std::printf("%s: %d types\n", path, types);
  for (int32_t t = 1; t <= types; ++t) {
    uint32_t type = file.GetIndType(t);
    int32_t count = file.CountResources(type);
    std::printf("type %s (0x%08X): %d resources\n", FourCCText(type).c_str(), type, count);
    for (int32_t index = 1; index <= count; ++index) ListResource(file, type, index);
  }
  file.Close();
  return gDamaged ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE\n  lists the types, resources and arrays of a people resource file\n",
                 argv[0]);
    return 2;
  }
  SetXAssertHandler(ReportRule);
  return ListFile(argv[1]);
}
