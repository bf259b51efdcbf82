#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "Drovane/FourCharCode.h"
#include "game/KeyBinding.h"

// The key-binding file "input.cfg": a record file of creator and type "SCUT", version 1,
// with one chunk of a 24-byte binding per binding, in list order.
inline constexpr const char* kKeyBindingFileName = "input.cfg";
inline constexpr uint32_t kKeyBindingFileCode = FourCC("SCUT");  // "TUCS" on disk
inline constexpr uint32_t kKeyBindingFileVersion = 1;
inline constexpr size_t kKeyBindingSize = 24;

enum class KeyBindingFileResult { kRead, kMissing, kDamaged };

// The binding's six words, little-endian, and back.
void EncodeKeyBinding(const KeyBinding& binding, uint8_t* bytes);
KeyBinding DecodeKeyBinding(const uint8_t* bytes);

// Appends the file's valid bindings to the list; a chunk under 24 bytes or a binding
// IsValidKeyBinding refuses is skipped. A file that is not whole, not "SCUT", or has a chunk
// past its end is damaged and adds nothing.
KeyBindingFileResult ReadKeyBindingFile(const std::string& path, KeyBindingList& list);
// Writes the list beside the file and puts it in the file's place only when every write
// succeeded; false when it could not.
bool WriteKeyBindingFile(const std::string& path, const KeyBindingList& list);

// "input.cfg" of the written-files folder (else of the program's folder) into the list;
// false when it is missing or damaged. A damaged one in the written-files folder is kept
// aside as "input.cfg.damaged" so the next save does not destroy it.
bool LoadKeyBindings(KeyBindingList& list);
// Saves the list as "input.cfg" in the written-files folder.
bool SaveKeyBindings(const KeyBindingList& list);
// 0 when the written-files folder's "input.cfg" was deleted, -1 when it was not.
int32_t DeleteKeyBindingsFile();
