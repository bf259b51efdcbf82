#include "dataset/NoteListRender.h"

#include <algorithm>
#include <cmath>

#include "soundfiles/Envelope.h"
#include "soundfiles/Filter.h"
#include "soundfiles/Noise.h"
#include "soundfiles/Oscillator.h"

namespace {

constexpr double kPeak = 0.8;
// A kick is a short sine falling from a thump to a boom.
constexpr double kKickSeconds = 0.35;
constexpr double kKickFromHertz = 150.0;
constexpr double kKickToHertz = 45.0;
constexpr double kKickHalfLife = 0.06;

Waveform WaveOf(const std::string& wave) {
  if (wave == "square") return Waveform::kSquare;
  if (wave == "sawtooth") return Waveform::kSawtooth;
  if (wave == "triangle") return Waveform::kTriangle;
  return Waveform::kSine;
}

Signal Kick(double seconds, uint32_t rate) {
  Signal kick = Glide(Waveform::kSine, kKickFromHertz, kKickToHertz, std::min(seconds, kKickSeconds), rate);
  ApplyDecay(kick, kKickHalfLife);
  return kick;
}

// The pitches of a chord share the voice's level.
Signal Chord(const NoteVoice& voice, const NoteEvent& note, uint32_t rate) {
  Signal chord = Silence(note.seconds, rate);
  double share = 1.0 / std::sqrt(static_cast<double>(note.hertz.size()));
  for (double hertz : note.hertz) MixInto(chord, Tone(WaveOf(voice.wave), hertz, note.seconds, rate), 0.0, share);
  return chord;
}

Signal NoteSound(const NoteVoice& voice, const NoteEvent& note, uint32_t rate, uint32_t seed) {
  if (voice.wave == "kick") return Kick(note.seconds, rate);
  Signal sound = voice.wave == "noise" ? WhiteNoise(note.seconds, rate, seed) : Chord(voice, note, rate);
  ApplyAdsr(sound, Adsr{voice.attack, voice.decay, voice.sustain, voice.release});
  if (voice.halfLife > 0.0) ApplyDecay(sound, voice.halfLife);
  if (voice.lowpass > 0.0) LowPass(sound, voice.lowpass);
  if (voice.highpass > 0.0) HighPass(sound, voice.highpass);
  return sound;
}

}  // namespace

Signal RenderNoteList(const NoteList& list, uint32_t rate) {
  Signal mix = Silence(list.Seconds(), rate);
  uint32_t seed = 1;
  for (const NoteEvent& note : list.notes) {
    const NoteVoice& voice = list.voices[note.voice];
    MixInto(mix, NoteSound(voice, note, rate, seed++), note.start, voice.gain);
  }
  Normalise(mix, kPeak);
  return mix;
}
