#pragma once
#include <string>
#include <vector>

#include "enginefiles/BodyWriter.h"

// The three object sets of the data set: the city "PEL3D1" (with the palette as its colour
// map), the vehicles "PEL3D2" (empty until the vehicles are drawn) and the effects "PEL3D3".

std::vector<BodyDescription> CityBodies();
std::vector<BodyDescription> VehicleBodies();
// Writes a set's file at a system path: its bodies as the group of its name, and for the
// city the palette as the colour map of the same name.
bool WriteObjectSet(const std::string& path, const std::string& group, const std::vector<BodyDescription>& bodies,
                    bool withPalette, std::string& error);
