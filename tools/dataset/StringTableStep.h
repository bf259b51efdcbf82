#pragma once
#include <string>

// The string table of the data set, from the text source "strings.txt".
bool WriteStringTableStep(const std::string& sourceFolder, const std::string& outputPath, std::string& error);
