#pragma once
#include <cstdint>
#include <string>

#include "pel3d/files/ResourceFileFormat.h"

// The "CMAP" chunk's record table of named colour maps, kept in the resource reader's
// directory arena while its file stays open.

struct ColourMapRecord {
  char name[kGroupNameSize] = {};  // zero-terminated, or 17 bytes with no zero
  uint32_t offset = 0;  // the colour map's 768 bytes
};

// 1 when the file's colour-map table is in memory (read once per opening); else 0 with
// error 5 (no "CMAP" chunk), 6 (the chunk's own tag is wrong), 2 (short, or the table lies
// past the file's end), 3 or 4.
int ReadCmapDirectory(const std::string& path);
// Drops the table (its memory belongs to the directory arena).
void ForgetCmapDirectory();

uint32_t GetColourMapRecordCount();
// A record of the table; null outside.
const ColourMapRecord* GetColourMapRecord(uint32_t index);
// The first record with the name, letter case ignored; null when there is none.
const ColourMapRecord* FindColourMapRecord(const std::string& name);
