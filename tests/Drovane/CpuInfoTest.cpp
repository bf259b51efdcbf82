#include <gtest/gtest.h>

#include "Drovane/CpuClock.h"
#include "Drovane/CpuInfo.h"
#include "FakeProcessor.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace {

struct ProcessorCase {
  const char* what;
  bool hasCpuid;
  const char* vendor;
  uint32_t highestFunction;
  uint32_t signature;
  uint16_t type;
  uint16_t clamped;
  uint32_t signatureRead;
  uint32_t notIntel;
};

TEST(CpuInfoTest, IdentifiesTheProcessor) {
  const ProcessorCase cases[] = {
      {"Intel Pentium", true, "GenuineIntel", 1, 0x0543, 5, 5, 0x0543, 0},
      {"Intel with family 15", true, "GenuineIntel", 13, 0x10F41, 15, 10, 0x0F41, 0},
      {"AMD", true, "AuthenticAMD", 1, 0x0562, 0x8005, 10, 0x0562, 1},
      {"Intel without function 1", true, "GenuineIntel", 0, 0x0543, 0xFFFF, 10, 0, 0},
      {"no CPUID", false, "GenuineIntel", 1, 0x0543, 0xFFFF, 10, 0, 0},
  };
  for (const ProcessorCase& c : cases) {
    FakeProcessor processor;
    processor.hasCpuid = c.hasCpuid;
    processor.vendor = c.vendor;
    processor.highestFunction = c.highestFunction;
    processor.signature = c.signature;
    EXPECT_EQ(IsCpuidSupported(), c.hasCpuid ? 1 : 0) << c.what;
    EXPECT_EQ(GetCpuFamily(), c.type) << c.what;
    EXPECT_EQ(GetCpuTypeClamped(), c.clamped) << c.what;
    EXPECT_EQ(GetCpuSignature(), c.signatureRead) << c.what;
    EXPECT_EQ(gCpuIsNotIntel, c.notIntel) << c.what;
  }
}

TEST(CpuInfoTest, FeatureFlagsAndTimeStamp) {
  FakeProcessor processor;
  EXPECT_EQ(GetCpuFeatureFlags(), kCpuFeatureTimeStamp);
  EXPECT_EQ(ReadTimeStampCounter(), 102000u);
  processor.features = 0;
  EXPECT_EQ(ReadTimeStampCounter(), 0u);
  processor.highestFunction = 0;
  processor.features = kCpuFeatureTimeStamp;
  EXPECT_EQ(GetCpuFeatureFlags(), 0u);
}

TEST(CpuInfoTest, TypeWordAgreesWithThisMachinesCpuid) {
#if defined(__x86_64__) || defined(__i386__)
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  ASSERT_TRUE(__get_cpuid(0, &eax, &ebx, &ecx, &edx));
  bool intel = ebx == 0x756E6547 && edx == 0x49656E69 && ecx == 0x6C65746E;  // "GenuineIntel"
  ASSERT_TRUE(__get_cpuid(1, &eax, &ebx, &ecx, &edx));
  uint16_t family = static_cast<uint16_t>((eax >> 8) & 0xF);
  gCpuIsNotIntel = 0;
  EXPECT_EQ(GetCpuFamily(), intel ? family : family | kCpuNotIntelMark);
  gCpuIsNotIntel = 0;
#else
  GTEST_SKIP() << "no CPUID on this processor";
#endif
}

TEST(CpuClockTest, TimeStampWindows) {
  FakeProcessor processor;
  EXPECT_EQ(MeasureCpuClock(0), (CpuClockRecord{102000, 1000, 102, 100}));
  processor.stampStep = 106000;
  EXPECT_EQ(MeasureCpuClock(0), (CpuClockRecord{106000, 1000, 106, 120}));
  processor.stampStep = 260000;
  EXPECT_EQ(GetCpuSpeed(), 260u);
}

TEST(CpuClockTest, TimeStampWindowsAtAnotherFrequency) {
  FakeProcessor processor;
  processor.clock.frequency = 10000000;  // 10 MHz: the window is still 1 ms
  processor.stampStep = 200000;
  EXPECT_EQ(MeasureCpuClock(0), (CpuClockRecord{200000, 1000, 200, 200}));
}

TEST(CpuClockTest, LoopTiming) {
  FakeProcessor processor;
  processor.clock.counterStepPerRead = 1000;  // each loop takes 1000 counts: 1 ms
  processor.features = 0;
  EXPECT_EQ(MeasureCpuClock(0), (CpuClockRecord{43 * 4000, 1000, 172, 185})) << "family 5's 43 clocks";
  processor.features = kCpuFeatureTimeStamp;
  EXPECT_EQ(MeasureCpuClock(100), (CpuClockRecord{400000, 1000, 400, 400})) << "a given count forces the loop";
  processor.features = 0;
  processor.signature = 0x0243;
  EXPECT_EQ(MeasureCpuClock(0), CpuClockRecord{}) << "families below 3 have no count";
  EXPECT_EQ(MeasureCpuClock(10), (CpuClockRecord{40000, 0, 0, 0})) << "families below 3 measure nothing";
}

TEST(CpuClockTest, ZeroRecords) {
  const struct {
    const char* what;
    void (*set)(FakeProcessor&);
    int32_t clocks;
  } cases[] = {
      {"clocks past 150", [](FakeProcessor&) {}, 200},
      {"negative clocks", [](FakeProcessor&) {}, -1},
      {"not Intel", [](FakeProcessor& p) { p.vendor = "AuthenticAMD"; }, 0},
      {"no CPUID", [](FakeProcessor& p) { p.hasCpuid = false; }, 0},
      {"no performance counter", [](FakeProcessor& p) { p.clock.hasCounter = false; }, 0},
      {"a counter that does not move under the time stamp", [](FakeProcessor& p) { p.clock.counterStepPerRead = 0; }, 0},
      {"a counter that does not move in the loop", [](FakeProcessor& p) { p.clock.counterStepPerRead = 0; }, 43},
  };
  for (const auto& c : cases) {
    FakeProcessor processor;
    c.set(processor);
    EXPECT_EQ(MeasureCpuClock(c.clocks), CpuClockRecord{}) << c.what;
  }
}

TEST(CpuClockTest, Normalisation) {
  const struct {
    uint16_t type;
    uint32_t measured, normalised;
  } cases[] = {
      {5, 102, 100}, {5, 106, 120}, {5, 260, 260}, {5, 10, 60},  {3, 42, 40},
      {3, 43, 43},   {4, 70, 66},   {6, 305, 300}, {7, 102, 102}, {0x8005, 102, 102},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeCpuSpeed(c.type, c.measured), c.normalised) << c.type << " " << c.measured;
}

}  // namespace
