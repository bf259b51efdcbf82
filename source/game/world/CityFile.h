#pragma once
#include <cstdint>
#include <string>

#include "platform/FileHandle.h"

struct CityArrays;

// City files (".mv2"): "FORM", a big-endian length and "MVDH", then chunks of a tag, a
// big-endian length and the data, with no padding. Paths are in the game's form.

// Reads a whole city file into the arrays, which it clears first. On failure the reason
// names the chunk and the fault ("XBLD: byte runs overrun 16384 bytes") and a debug line
// says it too.
bool CityFileRead(const std::string& path, CityArrays& city, std::string* reason = nullptr);
// Whether the file is a well-formed city file: its chunks fill the FORM exactly and lie
// inside the file. Reads no chunk's data.
bool CityFileProbe(const std::string& path, std::string* reason = nullptr);
// Whether the file's first four bytes are "MVX " (a network city file).
bool IsNetworkCityFile(const std::string& path);

// Saves the city through a temporary sibling: the header, then every chunk the reader knows
// in its table order. Reading the file back gives the same arrays, but for the MISC words
// the writer sets itself (29 from GraphData[1][1], 1028 and 1071-1199 as 0).
bool CityFileWrite(const std::string& path, const CityArrays& city,
                   int permission = platform::kPermissionReadWrite);
