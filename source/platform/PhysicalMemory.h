#pragma once
#include <cstdint>

namespace platform {

// The total physical memory in bytes, in 64 bits so that it does not wrap past 4 GB; 0 when
// the system does not say.
uint64_t TotalPhysicalMemory();

}  // namespace platform
