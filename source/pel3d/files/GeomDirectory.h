#pragma once
#include <cstdint>
#include <string>

#include "pel3d/files/ResourceFileFormat.h"

// The "GEOM" chunk's two record tables: named body groups and single bodies by id, kept in
// the resource reader's directory arena while their file stays open.

struct NamedGroupRecord {
  char name[kGroupNameSize] = {};  // zero-terminated, or 17 bytes with no zero
  uint32_t bodyOffset = 0;  // the group's first body; the others follow it
  uint32_t bodyCount = 0;
  GroupCounts counts;
};

struct IdRecord {
  uint32_t id = 0;
  uint32_t bodyOffset = 0;
  GroupCounts counts;
};

// Where a body group's bodies begin in the open file and what its memory block needs.
struct BodyGroupLocation {
  uint32_t bodyOffset = 0;
  uint32_t bodyCount = 0;
  GroupCounts counts;
};

// 1 when both record tables of the file are in memory (read once per opening); else 0 with
// error 5 (no "GEOM" chunk), 6 (the chunk's own tag is wrong), 2 (short, or a table lies
// past the file's end), 3 or 4. A failure leaves neither table in memory.
int ReadGeomDirectory(const std::string& path);
// Drops both tables (their memory belongs to the directory arena).
void ForgetGeomDirectory();

// The tables of the open file: counts and records (null outside).
uint32_t GetNamedGroupRecordCount();
const NamedGroupRecord* GetNamedGroupRecord(uint32_t index);
uint32_t GetIdRecordCount();
const IdRecord* GetIdRecord(uint32_t index);

// The body-group look-up of LoadResourceGroup: reads the file's "GEOM" directory, finds
// the first named-group record with the name (kind 1, letter case ignored) or the first
// id record with the id (kind 2, one body), checks that its bodies can lie in the file and
// moves the file to the first of them. 1 with the location filled in; else 0 with the
// directory's codes, 7 (no such name), 8 (no such id) or 2 (the bodies' offset or count
// past the file's end).
int LookUpBodyGroup(const std::string& path, int32_t kind, const std::string& name, uint32_t id,
                    BodyGroupLocation* location);
