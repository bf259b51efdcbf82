#pragma once
#include <string>

#include "soundfiles/Signal.h"

// The game's sound effects that are not spoken, each made by the synthesiser: rotor,
// explosions, sirens, horns, water, train, planes, crowd, doors, alarms, chimes and the
// people's footsteps. A recipe is named by the file it makes.
struct SoundRecipe {
  const char* file;
  // The looping ones repeat without a click.
  bool looping;
  Signal (*make)();
};

// Every recipe; null when the file has none.
const SoundRecipe* FindSoundRecipe(const std::string& file);
// The count of recipes, and each by index, for the generator's list of files.
size_t SoundRecipeCount();
const SoundRecipe& SoundRecipeAt(size_t index);
