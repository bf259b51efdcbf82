#pragma once
#include <string>
#include <vector>

// A piece of music as a text of note lists, for the radio's stations. Lines:
//   tempo BEATS-PER-MINUTE
//   voice NAME WAVE GAIN [attack S] [decay S] [sustain LEVEL] [release S] [lowpass HZ]
//         [highpass HZ] [halflife S]
//   play NAME [xCOUNT]: NOTE NOTE ...
// WAVE is sine, square, sawtooth, triangle, noise or kick (a falling thump). A NOTE is a
// pitch such as C4, F#3 or Bb2 (octave 4 holds middle C and A = 440 Hz), several joined by
// '+' for a chord, or '-' for a rest, followed by "/BEATS" (one beat when left out); noise and
// kick voices take 'x' for a hit. Each play line appends its notes, COUNT times, to the
// voice's own line of time; the voices sound together. A '#' that begins a word starts a
// comment.
struct NoteVoice {
  std::string name;
  std::string wave;
  double gain = 1.0;
  double attack = 0.005;
  double decay = 0.0;
  double sustain = 1.0;
  double release = 0.02;
  double lowpass = 0.0;
  double highpass = 0.0;
  double halfLife = 0.0;
};

// One note of a voice: its pitches in hertz (none for a hit of noise or kick), when it
// starts and how long it lasts, in seconds.
struct NoteEvent {
  size_t voice = 0;
  std::vector<double> hertz;
  double start = 0.0;
  double seconds = 0.0;
};

struct NoteList {
  double tempo = 120.0;
  std::vector<NoteVoice> voices;
  std::vector<NoteEvent> notes;

  // The end of the last note.
  double Seconds() const;
};

// Reads the text; false with the line and the reason in error.
bool ParseNoteList(const std::string& text, NoteList& list, std::string& error);
// The frequency of a pitch name such as "A4" or "Eb2"; false when it is none.
bool PitchHertz(const std::string& name, double& hertz);
