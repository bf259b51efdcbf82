#pragma once
#include <cstdint>
#include <string>

struct ResourceGroup;

// Colour maps: named palettes of 256 red, green, blue triples in a resource file's "CMAP"
// chunk, loaded as groups of kind 4.

// Reads the file's "CMAP" directory, finds the first colour map with the name (letter case
// ignored), checks that its 768 bytes lie in the file and moves the file to them. 1, or 0
// with the directory's codes, 7 (no such name) or 2 (past the file's end).
int LookUpColourMap(const std::string& path, const std::string& name);
// Reads the colour map at the open file's position into a group header from the current
// group arena: kind 4, slot 0, no data. Null with error 4 (no memory, or no group arena
// current) or 2.
ResourceGroup* ReadColourMap();
// The colour map's 768 palette bytes.
uint8_t* GetColourMapPalette(const ResourceGroup* group);
