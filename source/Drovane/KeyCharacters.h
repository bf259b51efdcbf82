#pragma once
#include <cstdint>

// True while a lock key (Caps Lock 0x14, Num Lock 0x90, Scroll Lock 0x91) is on.
bool IsKeyToggled(uint32_t key);

// The character a virtual key types on the US layout, or 0 for keys that type none.
// Bit 0 of shiftFlag asks for the shifted character; Caps Lock inverts it, for digits and
// punctuation too.
uint32_t KeyToCharacter(uint32_t key, uint32_t shiftFlag);
