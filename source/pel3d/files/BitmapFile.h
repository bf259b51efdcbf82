#pragma once
#include <string>

struct ResourceGroup;

// Loads a whole bitmap file into the current group arena: a group of kind 3 (slot 0, not
// yet listed) whose data is the block of the file's bitmaps and whose entries and bitmap
// records point into it. Null with error 1 (the file cannot be opened), 2 (short, or its
// content is not as required: a count past the file's end, a row offset other than row
// times width, bitmaps that do not end exactly at the file's end) or 4 (no memory, or no
// group arena current). The file is closed in every case.
ResourceGroup* LoadBitmapFile(const std::string& path);
