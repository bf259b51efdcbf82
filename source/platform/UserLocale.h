#pragma once
#include <cstdint>
#include <string>

namespace platform {

// The Windows locale id of a POSIX locale name such as "de_CH.UTF-8": its language and
// territory when the game's locale table has them, else the language's main id, else
// 0x0409 (US English), which "C", "POSIX" and empty names give too.
uint32_t LocaleIdFromName(const std::string& name);

// The user's locale id: LocaleIdFromName of the first non-empty one of LC_ALL, LC_MESSAGES
// and LANG.
uint32_t GetUserDefaultLCID();

}  // namespace platform
