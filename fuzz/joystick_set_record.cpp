// The preferences record of the joystick set on arbitrary bytes: whatever it accepts, its
// names must come back unchanged through the writer.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "Drovane/JoystickSetRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> names;
  if (!DecodeJoystickSet(data, static_cast<uint32_t>(size), names)) return 0;
  std::vector<uint8_t> bytes = EncodeJoystickSet(names);
  std::vector<std::string> again;
  if (!DecodeJoystickSet(bytes.data(), static_cast<uint32_t>(bytes.size()), again) || again != names) std::abort();
  return 0;
}
