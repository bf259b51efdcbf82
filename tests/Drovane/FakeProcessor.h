#pragma once
#include <cstring>
#include <string>

#include "Drovane/CpuInfo.h"
#include "platform/Clock.h"
#include "platform/Processor.h"

// A processor for one test, with a manual clock beside it: an Intel family-5 processor with
// a time-stamp counter unless told otherwise. The time-stamp counter moves by stampStep at
// each reading, the performance counter (1 MHz) by one count. The not-Intel finding is
// cleared before and after.
class FakeProcessor : public platform::ProcessorSource {
public:
  FakeProcessor() {
    gCpuIsNotIntel = 0;
    clock.counterStepPerRead = 1;
    platform::SetProcessorSource(this);
    platform::SetClockSource(&clock);
  }
  ~FakeProcessor() override {
    platform::SetProcessorSource(nullptr);
    platform::SetClockSource(nullptr);
    gCpuIsNotIntel = 0;
  }

  bool HasCpuid() override { return hasCpuid; }
  platform::CpuidResult Cpuid(uint32_t function) override {
    platform::CpuidResult result;
    if (function == 0) {
      result.eax = highestFunction;
      std::memcpy(&result.ebx, vendor.data(), 4);
      std::memcpy(&result.edx, vendor.data() + 4, 4);
      std::memcpy(&result.ecx, vendor.data() + 8, 4);
    } else if (function == 1 && highestFunction >= 1) {
      result.eax = signature;
      result.edx = features;
    }
    return result;
  }
  uint64_t ReadTimeStamp() override { return stamp += stampStep; }

  bool hasCpuid = true;
  std::string vendor = "GenuineIntel";  // twelve characters
  uint32_t highestFunction = 1;
  uint32_t signature = 0x0543;
  uint32_t features = kCpuFeatureTimeStamp;
  uint64_t stamp = 0;
  uint64_t stampStep = 102000;  // 102 MHz over the 1 ms window
  platform::ManualClock clock;
};
