#pragma once
#include <cstddef>
#include <cstdint>
#include <list>

#include "Drovane/HotSpot.h"

// The "HSPT" resource: the tag, a word not read, the format version (1) and the record
// count, each little-endian 32-bit, then the records one after another.
constexpr uint32_t kHotSpotTag = 0x54505348;  // "HSPT" as it lies in the file
constexpr uint32_t kHotSpotVersion = 1;
constexpr size_t kHotSpotHeaderSize = 16;

// Appends the areas of a hot-spot resource's bytes to the list, in file order. 0, with
// nothing appended, when the tag or version differs or a record runs past the end.
int ReadHotSpots(std::list<HotSpot>& list, const uint8_t* data, size_t size);
// The same for the program's resource of that id; 0 when it is missing.
int LoadHotSpots(std::list<HotSpot>& list, uint32_t resourceId);
