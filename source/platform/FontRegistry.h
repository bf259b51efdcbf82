#pragma once
#include <string>
#include <vector>

// Where the TrueType file of a font face comes from. The faces the game names ("Arial",
// "MS Sans Serif", "Bulgarian Ariel" and any other) are drawn with DejaVu Sans; a font
// file added at run time serves its own family name. Faces match regardless of case.
// Main thread only.
namespace platform {

// The file of a face in the weight asked for; an added family wins over the mapping.
std::string FontFileForFace(const std::string& face, bool bold);

// Registers a TrueType file under its family name: 1 when added, 0 when the file cannot
// be read as a font. Adding the same file again counts once more.
int AddFontFile(const std::string& path);
// Drops one registration of the file: 1 when it had one, 0 otherwise.
int RemoveFontFile(const std::string& path);

// The family names a face test sees: the faces the game names and every added family.
std::vector<std::string> FontFamilyNames();

}  // namespace platform
