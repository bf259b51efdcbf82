// The key-binding file on arbitrary bytes: whatever loads must be bindings the game accepts,
// and they must come back unchanged through the writer.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Drovane/DataPaths.h"
#include "FuzzFolder.h"
#include "game/KeyBindingFile.h"

namespace {

// Reads and writes inside the fuzz folder only.
void UseFuzzFolder() {
  static const bool done = [] {
    setenv("HALVORINE_WRITE", platform::ToSystemPath(FuzzFolder()).c_str(), 1);
    gDataPaths.SetRoots(FuzzFolder(), FuzzFolder());
    return true;
  }();
  (void)done;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  UseFuzzFolder();
  WriteFuzzFile(kKeyBindingFileName, data, size);
  KeyBindingList loaded;
  if (!LoadKeyBindings(loaded)) return 0;
  for (KeyBinding binding : loaded) {
    KeyBinding checked = binding;
    if (!IsValidKeyBinding(checked) || !(checked == binding)) std::abort();
  }
  std::string copy = FuzzFolder() + "copy.cfg";
  KeyBindingList again;
  if (!WriteKeyBindingFile(copy, loaded) || ReadKeyBindingFile(copy, again) != KeyBindingFileResult::kRead ||
      again != loaded)
    std::abort();
  return 0;
}
