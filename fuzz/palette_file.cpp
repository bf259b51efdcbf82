// The palette-file reader, on the bytes as read and through the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Drovane/DirectDrawObject.h"
#include "Drovane/PaletteFile.h"
#include "FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool enabled = DDEnable() == 0;
  if (!enabled) std::abort();
  PaletteEntries entries;
  ParsePaletteFile(data, size, entries);
  const std::string path = WriteFuzzFile("colours.pal", data, size);
  if (platform::DisplayPalette* palette = LoadPaletteFile(path.c_str())) palette->Release();
  return 0;
}
