// Writes a PCM WAVE file of a sawtooth, with chunks of other kinds and damage on request:
//   wave-write OUT CHANNELS BITS RATE FRAMES [before TAG TEXT | after TAG TEXT |
//                                             damage cut|past-end|short-fmt|no-data]...
// TEXT becomes the chunk's bytes as it stands (its length may be odd).
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/Process.h"
#include "soundfiles/WaveWriter.h"

namespace {

int Usage() {
  std::fputs(
      "usage: wave-write OUT CHANNELS BITS RATE FRAMES [before TAG TEXT | after TAG TEXT |"
      " damage cut|past-end|short-fmt|no-data]...\n",
      stderr);
  return 2;
}

bool ParseNumber(const char* text, uint32_t limit, uint32_t& value) {
  char* end = nullptr;
  unsigned long parsed = std::strtoul(text, &end, 10);
  if (*text == '\0' || *text == '-' || *end != '\0' || parsed > limit) return false;
  value = static_cast<uint32_t>(parsed);
  return true;
}

// One period of a sawtooth every 64 frames, the right channel half a period behind.
std::vector<uint8_t> Sawtooth(uint32_t channels, uint32_t bits, uint32_t frames) {
  std::vector<uint8_t> bytes;
  for (uint32_t frame = 0; frame < frames; ++frame) {
    for (uint32_t channel = 0; channel < channels; ++channel) {
      uint32_t phase = (frame + channel * 32) % 64;
      if (bits == 8) {
        bytes.push_back(static_cast<uint8_t>(phase * 4));
      } else {
        uint16_t sample = static_cast<uint16_t>(phase * 1024 - 32768);
        bytes.push_back(static_cast<uint8_t>(sample));
        bytes.push_back(static_cast<uint8_t>(sample >> 8));
      }
    }
  }
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) return Usage();
  uint32_t channels, bits, rate, frames;
  if (!ParseNumber(argv[2], 2, channels) || channels == 0 || !ParseNumber(argv[3], 16, bits) ||
      (bits != 8 && bits != 16) || !ParseNumber(argv[4], UINT32_MAX, rate) || !ParseNumber(argv[5], 1 << 24, frames))
    return Usage();
  WaveWriter writer(static_cast<uint16_t>(channels), static_cast<uint16_t>(bits), rate);
  writer.SetSampleBytes(Sawtooth(channels, bits, frames));

  const std::map<std::string, uint32_t> damages = {
      {"cut", kWaveCutData}, {"past-end", kWaveSizesPastEnd}, {"short-fmt", kWaveShortFormat}, {"no-data", kWaveNoData}};
  uint32_t damage = kWaveIntact;
  for (int i = 6; i < argc;) {
    std::string word = argv[i];
    if ((word == "before" || word == "after") && i + 2 < argc) {
      std::string text = argv[i + 2];
      std::vector<uint8_t> bytes(text.begin(), text.end());
      bool added = word == "before" ? writer.AddChunkBefore(argv[i + 1], bytes) : writer.AddChunkAfter(argv[i + 1], bytes);
      if (!added) return Usage();
      i += 3;
    } else if (word == "damage" && i + 1 < argc && damages.count(argv[i + 1])) {
      damage |= damages.at(argv[i + 1]);
      i += 2;
    } else {
      return Usage();
    }
  }
  writer.SetDamage(damage);
  if (!writer.Save(platform::ToGamePath(argv[1]))) {
    std::fprintf(stderr, "wave-write: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
