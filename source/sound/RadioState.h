#pragma once
#include <array>
#include <cstdint>

#include "Drovane/FourCharCode.h"

// The radio's settings as the preferences keep them: record 'REIO', seven signed 32-bit
// little-endian words in this order.
inline constexpr uint32_t kRadioStateRecordId = FourCC("REIO");
inline constexpr uint32_t kRadioStateBytes = 28;

struct RadioState {
  int32_t volume = 10000;
  int32_t enabled = 1;
  int32_t stationIndex = 0;
  int32_t djSetting = 1;
  int32_t commercialsSetting = 1;
  // Carried in the record and used by nothing else.
  int32_t reserved = 1;
  int32_t languageFallback = 1;

  bool operator==(const RadioState&) const = default;
};

std::array<uint8_t, kRadioStateBytes> EncodeRadioState(const RadioState& state);
// False, state untouched, unless the record is exactly 28 bytes.
bool DecodeRadioState(const void* data, uint32_t size, RadioState& state);
