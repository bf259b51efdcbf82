// The radio's preferences record on arbitrary bytes: what the reader accepts comes back
// unchanged through the writer, and a radio that loads it keeps its volume in 0..10000,
// its enabled flag 0 or 1 and its station index inside its (empty) station list.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "Drovane/PrefsFile.h"
#include "sound/Radio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kRadioStateBytes * 2) return 0;
  RadioState state;
  if (DecodeRadioState(data, static_cast<uint32_t>(size), state)) {
    std::array<uint8_t, kRadioStateBytes> bytes = EncodeRadioState(state);
    if (!std::equal(bytes.begin(), bytes.end(), data)) std::abort();
  }
  PrefsFile prefs;
  prefs.SetData(kRadioStateRecordId, data, static_cast<uint32_t>(size));
  SetPrefsFile(&prefs);
  Radio radio;
  radio.LoadSettings();
  SetPrefsFile(nullptr);
  if (radio.mVolume < 0 || radio.mVolume > 10000 || (radio.mEnabled != 0 && radio.mEnabled != 1) ||
      radio.mStationIndex != 0)
    std::abort();
  return 0;
}
