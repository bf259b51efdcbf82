#include "Drovane/CpuInfo.h"

#include <cstring>

#include "platform/Processor.h"

uint32_t gCpuIsNotIntel = 0;

namespace {

// CPUID function 0's vendor string is EBX, EDX, ECX in that order.
bool IsGenuineIntel(const platform::CpuidResult& vendor) {
  char name[12];
  std::memcpy(name, &vendor.ebx, 4);
  std::memcpy(name + 4, &vendor.edx, 4);
  std::memcpy(name + 8, &vendor.ecx, 4);
  return std::memcmp(name, "GenuineIntel", 12) == 0;
}

// CPUID function 0 with the vendor check; answers the highest function offered.
uint32_t ReadHighestFunction() {
  platform::CpuidResult vendor = platform::Processor().Cpuid(0);
  if (!IsGenuineIntel(vendor)) gCpuIsNotIntel = 1;
  return vendor.eax;
}

// Function 1's EAX and EDX, when offered.
bool ReadFunctionOne(platform::CpuidResult& result) {
  if (!IsCpuidSupported() || ReadHighestFunction() < 1) return false;
  result = platform::Processor().Cpuid(1);
  return true;
}

}  // namespace

int IsCpuidSupported() { return platform::Processor().HasCpuid() ? 1 : 0; }

uint16_t GetCpuFamily() {
  platform::CpuidResult one;
  if (!ReadFunctionOne(one)) return kCpuTypeUnknown;
  uint16_t type = static_cast<uint16_t>((one.eax >> 8) & 0xF);
  return gCpuIsNotIntel ? type | kCpuNotIntelMark : type;
}

uint32_t GetCpuSignature() {
  platform::CpuidResult one;
  return ReadFunctionOne(one) ? one.eax & 0xFFFF : 0;
}

uint32_t GetCpuFeatureFlags() {
  platform::CpuidResult one;
  return ReadFunctionOne(one) ? one.edx : 0;
}

uint64_t ReadTimeStampCounter() {
  if (!(GetCpuFeatureFlags() & kCpuFeatureTimeStamp)) return 0;
  return platform::Processor().ReadTimeStamp();
}

uint16_t GetCpuTypeClamped() {
  uint16_t type = GetCpuFamily();
  return type > 10 ? 10 : type;
}
