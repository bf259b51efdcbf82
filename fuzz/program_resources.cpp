// The program's resource file, read by the record-file reader, on arbitrary bytes.
#include <cstdint>
#include <string>

#include "Drovane/ProgramResourceTable.h"
#include "FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ResourceTable table;
  std::string error;
  ReadResourceFile(WriteFuzzFile("halvorine.res", data, size), table, error);
  return 0;
}
