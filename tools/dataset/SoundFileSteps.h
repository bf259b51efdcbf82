#pragma once
#include <string>
#include <vector>

#include "dataset/DataSetStep.h"

// Sound files are kept in memory only below this size; the generator refuses a larger one.
constexpr size_t kLargestSoundFile = 200000;

// Every sound file of the game under "sound/": the effect table's files, the people's voices
// and footsteps, the megaphone's lines, the menu and button clicks and the graduation chime;
// one file where two names differ only in case. Spoken files come from "sound/speech.txt"
// through espeak-ng, the others from the synthesiser's recipes.
std::vector<std::string> SoundFileNames();
std::vector<DataSetStep> SoundFileSteps();
// Writes the named sound file; the step's writer.
bool WriteSoundFile(const std::string& file, const std::string& sourceFolder, const std::string& outputPath,
                    std::string& error);
