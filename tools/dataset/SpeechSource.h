#pragma once
#include <string>
#include <vector>

#include "soundfiles/Speech.h"

// How a spoken file sounds once spoken: as it is, through a dispatcher's radio, or through
// the helicopter's megaphone.
enum class SpeechTreatment { kPlain, kRadio, kMegaphone };

// One line of "sound/speech.txt": the file it makes, the voice and the text.
struct SpokenLine {
  std::string file;
  SpeechVoice voice;
  SpeechTreatment treatment = SpeechTreatment::kPlain;
  std::string text;
};

// Parses the source: lines `NAME VOICE PITCH WORDS-PER-MINUTE TREATMENT "TEXT"`, with blank
// lines and '#' comments. False with the line's number and the fault in `error`.
bool ParseSpeechSource(const std::string& source, std::vector<SpokenLine>& lines, std::string& error);
