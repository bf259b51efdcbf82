#include "sound/RadioState.h"

#include "platform/ByteOrder.h"

namespace {

constexpr size_t kWordCount = kRadioStateBytes / 4;
using Words = std::array<int32_t, kWordCount>;

Words ToWords(const RadioState& s) {
  return {s.volume, s.enabled, s.stationIndex, s.djSetting, s.commercialsSetting, s.reserved, s.languageFallback};
}

RadioState FromWords(const Words& w) { return {w[0], w[1], w[2], w[3], w[4], w[5], w[6]}; }

}  // namespace

std::array<uint8_t, kRadioStateBytes> EncodeRadioState(const RadioState& state) {
  std::array<uint8_t, kRadioStateBytes> bytes{};
  Words words = ToWords(state);
  for (size_t i = 0; i < kWordCount; ++i) platform::WriteLE32(&bytes[i * 4], static_cast<uint32_t>(words[i]));
  return bytes;
}

bool DecodeRadioState(const void* data, uint32_t size, RadioState& state) {
  if (!data || size != kRadioStateBytes) return false;
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  Words words{};
  for (size_t i = 0; i < kWordCount; ++i) words[i] = platform::ReadLE32Signed(&bytes[i * 4]);
  state = FromWords(words);
  return true;
}
