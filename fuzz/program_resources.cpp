// The program's resource file on arbitrary bytes.
#include <cstdint>
#include <string>

#include "platform/ProgramResources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::ResourceTable table;
  std::string error;
  platform::ParseResourceFile(data, size, table, error);
  return 0;
}
