#pragma once
#include <cstdint>

// The game's sound effects by number: the file each one plays, in the "sound\" data folder.
// Effects 17 and 38 are two sounds of one file; 98 to 112 are the people's voice channels,
// whose file is swapped before each play.
constexpr int kSoundEffectCount = 113;
constexpr int kFirstVoiceEffect = 98;

// The file of effect `number` (0..112); null outside.
const char* SoundEffectFileName(int number);
// Whether the game plays the effect looping (rotor, sirens, fire, engines, water).
bool IsLoopingSoundEffect(int number);
