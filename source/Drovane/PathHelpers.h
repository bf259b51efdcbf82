#pragma once
#include <cstdint>
#include <string>

// Helpers on paths in the game's form: backslash separators and an optional drive prefix
// ending in ':'. A path that does not fit the game's 260-character buffers is refused: the
// result is empty and a debug line says so.

// Appends "\" unless the path ends with one; an empty path stays empty.
void AppendBackslash(std::string& path);
// The path up to and including its last '\' or ':'; empty when it has neither.
void GetDirectoryPart(const std::string& path, std::string& out);
// What follows the last '\' or ':'; the whole path when it has neither.
void GetFileNamePart(const std::string& path, std::string& out);
// 0xFFFF for an empty path or one that does not fit; 1 for a name at the top of its drive or with no folder, else 0.
uint16_t IsRootLevelPath(const std::string& path);
// The letters a to z in upper case; other bytes unchanged.
void ToUpperCopy(const std::string& source, std::string& out);
// Cuts the path at its last '.'; a '.' in the first position is not a cut point.
void CutExtension(std::string& path);
// Gives the file name the extension (given without its dot), replacing a different one
// (letter case counts); a path without a file name gets "$default." and the extension.
void ForceExtension(std::string& path, const std::string& extension);
// Whether the file can be opened for reading.
bool FileExists(const std::string& path);
// Removes every \ / ( ) { } . : ; * ? ' " , ! ` [ ] and _ in place.
void RemovePunctuation(std::string& text);
// Removes every space in place.
void RemoveSpaces(std::string& text);
