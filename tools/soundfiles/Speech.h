#pragma once
#include <string>

#include "soundfiles/Signal.h"

// How a line is spoken: an espeak-ng voice name (a language, optionally with a variant such
// as "en-us+f3" or "en-gb+m4"), pitch 0..99 (50 normal), speed in words per minute, and
// the gap between words in units of 10 ms.
struct SpeechVoice {
  std::string name = "en-us";
  int pitch = 50;
  int wordsPerMinute = 160;
  int wordGap = 0;
};

// Speaks the text through `espeak-ng -w FILE` (writing to a temporary file, never to an
// audio device; the text is passed as one argument, never through a shell) and reads the
// WAVE it wrote into `speech` at espeak-ng's own rate. False with the reason in `error`
// when espeak-ng is missing, fails, or writes something other than mono 16-bit PCM.
// The program is found on PATH; `program` names another one (for tests).
bool Speak(const std::string& text, const SpeechVoice& voice, Signal& speech, std::string& error,
           const std::string& program = "espeak-ng");
// Reads a mono 16-bit PCM WAVE file into a signal; false with the reason otherwise.
bool ReadMonoWave(const std::string& path, Signal& signal, std::string& error);
