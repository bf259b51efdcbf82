#pragma once
#include <cstdint>

namespace platform {

// The four registers one CPUID function answers.
struct CpuidResult {
  uint32_t eax = 0;
  uint32_t ebx = 0;
  uint32_t ecx = 0;
  uint32_t edx = 0;
};

// The processor's identification and time-stamp counter. The real source uses the
// compiler's intrinsics; tests install a fake.
class ProcessorSource {
public:
  virtual ~ProcessorSource() = default;
  // False on a host without the CPUID instruction.
  virtual bool HasCpuid() = 0;
  virtual CpuidResult Cpuid(uint32_t function) = 0;
  virtual uint64_t ReadTimeStamp() = 0;
};

// The source in use; SetProcessorSource(nullptr) restores the real one.
ProcessorSource& Processor();
void SetProcessorSource(ProcessorSource* source);

}  // namespace platform
