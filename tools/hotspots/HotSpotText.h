#pragma once
#include <string>
#include <vector>

#include "Drovane/HotSpot.h"

// The text form of a picture's regions, one a line:
//   ID rect L T R B
//   ID circle CX CY PX PY
//   ID poly X Y X Y X Y ...   (three points or more)
// Numbers are decimal (ids unsigned 32-bit, coordinates signed 32-bit); '#' starts a
// comment; blank lines are skipped. On a bad line the result is false and error names the
// source and the line number.
bool ParseHotSpotText(const std::string& text, const std::string& sourceName, std::vector<HotSpot>& regions,
                      std::string& error);
