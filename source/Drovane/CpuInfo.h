#pragma once
#include <cstdint>

// Processor identification through CPUID (platform::Processor()).
//
// The processor type word: the family number, with bit 0x8000 set when the processor is not
// a genuine Intel one; 0xFFFF when the family cannot be read (no CPUID, or no function 1).

constexpr uint16_t kCpuNotIntelMark = 0x8000;
constexpr uint16_t kCpuTypeUnknown = 0xFFFF;
constexpr uint32_t kCpuFeatureTimeStamp = 0x10;

// Set once a test finds a processor that is not a genuine Intel one; never cleared.
extern uint32_t gCpuIsNotIntel;

// 1 when the processor has the CPUID instruction.
int IsCpuidSupported();
uint16_t GetCpuFamily();
// The low 16 bits of CPUID function 1's signature; 0 when it cannot be read.
uint32_t GetCpuSignature();
// EDX of CPUID function 1; 0 without it.
uint32_t GetCpuFeatureFlags();
// The time-stamp counter when the feature flags report one, else 0.
uint64_t ReadTimeStampCounter();
// The type word limited to 10; a word with the not-Intel mark gives 10.
uint16_t GetCpuTypeClamped();
