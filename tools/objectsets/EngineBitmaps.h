#pragma once
#include <string>

class BitmapFileWriter;

// Fills the writer with the bitmaps of "PEL3D.BMP", one per slot of the slot table.
bool AddEngineBitmaps(BitmapFileWriter& writer, std::string& error);
// Writes "PEL3D.BMP" at a system path.
bool WriteEngineBitmaps(const std::string& path, std::string& error);
