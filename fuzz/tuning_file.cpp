// The tuning-file reader on arbitrary text: every section the fuzzer's file names is read
// into variables of every size.
#include <cstdint>
#include <cstring>

#include "Drovane/DataPaths.h"
#include "FuzzFolder.h"
#include "game/P3Tweak.h"

namespace {

int32_t gWholes[kTweakMaxValues];
double gReals[kTweakMaxValues];

void Register() {
  gDataPaths.SetRoots(FuzzFolder(), FuzzFolder());
  TweakRegisterMessage();
  TweakVariable wholes[kTweakMaxValues], reals[kTweakMaxValues], mixed[kTweakMaxValues];
  for (int i = 0; i < kTweakMaxValues; ++i) {
    wholes[i] = TweakVar(gWholes[i]);
    reals[i] = TweakVar(gReals[i]);
    mixed[i] = i % 2 ? TweakVar(gReals[i]) : TweakVar(gWholes[i]);
  }
  TweakRegisterSection(wholes, kTweakMaxValues, "Fire Parms");
  TweakRegisterSection(reals, kTweakMaxValues, "Camera Parms");
  TweakRegisterSection(mixed, 3, "Heli Damage");
  TweakRegisterSection(mixed, 0, "Empty");
  const char redirected[] = "[Fire Parms]\nNumCtrl=2\nCtrl0_Value=1.5\nCtrl0_DataType=fxpt\n";
  WriteFuzzFile("tweak\\other.twk", reinterpret_cast<const uint8_t*>(redirected), std::strlen(redirected));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool registered = (Register(), true);
  (void)registered;
  WriteFuzzFile("tweak\\pel3d.twk", data, size);
  TweakLiveReload();
  TweakReadFile("pel3d.twk", true);
  return 0;
}
