// The people library's flat files: two objects sharing one stream under names that differ
// in case, seeks, reads and big-endian reads steered by the input's own bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzFolder.h"
#include "PeopleFuzz.h"
#include "X/File/FlatFile.h"

namespace {

constexpr size_t kMostSteps = 64;
volatile uint32_t gSink;

void Step(FlatFile& file, const std::string& name, const uint8_t* step, size_t fileSize) {
  int32_t position = static_cast<int32_t>((step[1] << 8 | step[2]) % (fileSize + 8));
  file.Seek(position);
  uint8_t buffer[64];
  uint32_t word = 0;
  uint16_t half = 0;
  switch (step[0] >> 1 & 3) {
    case 0: file.ReadU16(half); gSink = half; break;
    case 1: file.ReadU32(word); gSink = word; break;
    case 2: file.Read(buffer, step[2] % sizeof buffer); gSink = buffer[0]; break;
    default:
      if (file.IsOpen()) file.Close();
      else file.Open(name.c_str());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  IgnorePeopleAssertions();
  std::string lower = WriteFuzzFile("People.df", data, size);
  std::string upper = FuzzFolder() + "PEOPLE.DF";
  {
    FlatFile first;
    FlatFile second;
    first.Open(lower.c_str());
    second.Open(upper.c_str());
    for (size_t i = 0; i + 3 <= size && i < 3 * kMostSteps; i += 3) {
      bool useFirst = data[i] & 1;
      Step(useFirst ? first : second, useFirst ? lower : upper, data + i, size);
    }
    if (first.IsOpen()) first.Close();
    if (second.IsOpen()) second.Close();
    if (FlatFile::FindOpenFile(first.Name()) || FlatFile::FindOpenFile(second.Name())) std::abort();
  }
  CheckPeopleLibraryIsEmpty();
  return 0;
}
