#pragma once
#include <cstdint>

// Conversions of the bodies' resources from the file's byte order, run once on first load.

// A body's or animation's header: at least 64 bytes, its first word big-endian.
void SwizzleBBaseHeader(uint8_t* bytes, uint32_t size);
// A part record: the words at 8, 12, 28, 32 and 36.
void swizzlebodypart(uint8_t* bytes, uint32_t size);
// An animation lookup entry: the key and the animation's name code.
void swizzleanimlookup(uint8_t* bytes, uint32_t size);
// A frame-part entry: bytes only, nothing to turn.
void swizzlepartinfo(uint8_t* bytes, uint32_t size);
