// The city file probe and reader on arbitrary bytes: neither may crash or write past the
// city arrays, a file the reader takes is one the probe takes, and what is read keeps the
// limits of its arrays (names of at most 31 characters, labels of at most 23).
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "FuzzFolder.h"
#include "game/world/CityArrays.h"
#include "game/world/CityFile.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = WriteFuzzFile("input.mv2", data, size);
  static auto city = std::make_unique<CityArrays>();
  bool probed = CityFileProbe(path);
  IsNetworkCityFile(path);
  if (!CityFileRead(path, *city)) return 0;
  Check(probed);
  Check(city->CityStr[0] > 0 && city->CityStr[0] <= 31);
  for (const auto& label : city->auxPtr6) Check(label[0] <= 23 && label[1 + label[0]] == 0);
  return 0;
}
