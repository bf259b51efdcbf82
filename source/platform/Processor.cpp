#include "platform/Processor.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <x86intrin.h>
#define HALVORINE_HAS_CPUID 1
#endif

namespace platform {
namespace {

class RealProcessor : public ProcessorSource {
public:
#ifdef HALVORINE_HAS_CPUID
  bool HasCpuid() override { return __get_cpuid_max(0, nullptr) != 0; }
  CpuidResult Cpuid(uint32_t function) override {
    CpuidResult result;
    __cpuid(function, result.eax, result.ebx, result.ecx, result.edx);
    return result;
  }
  uint64_t ReadTimeStamp() override { return __rdtsc(); }
#else
  bool HasCpuid() override { return false; }
  CpuidResult Cpuid(uint32_t) override { return {}; }
  uint64_t ReadTimeStamp() override { return 0; }
#endif
};

ProcessorSource* gProcessor = nullptr;

}  // namespace

ProcessorSource& Processor() {
  static RealProcessor real;
  return gProcessor ? *gProcessor : real;
}

void SetProcessorSource(ProcessorSource* source) { gProcessor = source; }

}  // namespace platform
