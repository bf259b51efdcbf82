#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Drovane/FourCharCode.h"

// The preferences record of the joysticks present when the game last looked, by name in
// slot order, so that the game can tell the player when the set has changed. Layout, in
// little-endian words: the count (0 to 16), then that many names of 32 bytes each, every
// name ending in a zero byte and padded with zero bytes.
inline constexpr uint32_t kJoystickSetRecordId = FourCC("JOYS");

// The record of these names; names past the sixteenth are left out and long names cut
// to 31 characters.
std::vector<uint8_t> EncodeJoystickSet(const std::vector<std::string>& names);
// The names of a record; false, names emptied, when the bytes are not such a record.
bool DecodeJoystickSet(const void* data, uint32_t size, std::vector<std::string>& names);
