#pragma once
#include <string>

// The intro video "smk\intro.smk", drawn in code, with its soundtrack.
bool WriteIntroStep(const std::string& sourceFolder, const std::string& outputPath, std::string& error);
