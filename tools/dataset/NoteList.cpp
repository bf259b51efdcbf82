#include "dataset/NoteList.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

constexpr std::array<const char*, 6> kWaves = {"sine", "square", "sawtooth", "triangle", "noise", "kick"};
constexpr int kMaxRepeat = 1000;

bool ReadNumber(const std::string& word, double low, double high, double& value) {
  char* end = nullptr;
  value = std::strtod(word.c_str(), &end);
  return !word.empty() && *end == '\0' && std::isfinite(value) && value >= low && value <= high;
}

// A '#' that starts a word starts a comment; inside a pitch it is a sharp.
std::string WithoutComment(const std::string& line) {
  for (size_t i = 0; i < line.size(); ++i)
    if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) return line.substr(0, i);
  return line;
}

bool IsHitVoice(const NoteVoice& voice) { return voice.wave == "noise" || voice.wave == "kick"; }

class Parser {
public:
  explicit Parser(NoteList& list) : mList(list) {}

  bool Line(const std::string& line, std::string& error) {
    std::istringstream words(WithoutComment(line));
    std::string keyword;
    if (!(words >> keyword)) return true;
    if (keyword == "tempo") return Tempo(words, error);
    if (keyword == "voice") return Voice(words, error);
    if (keyword == "play") return Play(words, error);
    error = "unknown keyword \"" + keyword + "\"";
    return false;
  }

private:
  bool Tempo(std::istringstream& words, std::string& error) {
    std::string word;
    words >> word;
    if (ReadNumber(word, 20.0, 400.0, mList.tempo)) return true;
    error = "a tempo is 20 to 400 beats a minute";
    return false;
  }

  bool Voice(std::istringstream& words, std::string& error) {
    NoteVoice voice;
    std::string gain;
    words >> voice.name >> voice.wave >> gain;
    if (voice.name.empty() || FindVoice(voice.name) < mList.voices.size()) {
      error = "a voice needs a name of its own";
      return false;
    }
    if (std::find(kWaves.begin(), kWaves.end(), voice.wave) == kWaves.end()) {
      error = "unknown wave \"" + voice.wave + "\"";
      return false;
    }
    if (!ReadNumber(gain, 0.0, 4.0, voice.gain)) {
      error = "a voice's gain is 0 to 4";
      return false;
    }
    std::string option, value;
    while (words >> option) {
      words >> value;
      if (!VoiceOption(voice, option, value)) {
        error = "bad voice option \"" + option + " " + value + "\"";
        return false;
      }
    }
    mList.voices.push_back(voice);
    mTimes.push_back(0.0);
    return true;
  }

  static bool VoiceOption(NoteVoice& voice, const std::string& option, const std::string& value) {
    if (option == "attack") return ReadNumber(value, 0.0, 10.0, voice.attack);
    if (option == "decay") return ReadNumber(value, 0.0, 10.0, voice.decay);
    if (option == "sustain") return ReadNumber(value, 0.0, 1.0, voice.sustain);
    if (option == "release") return ReadNumber(value, 0.0, 10.0, voice.release);
    if (option == "lowpass") return ReadNumber(value, 1.0, 20000.0, voice.lowpass);
    if (option == "highpass") return ReadNumber(value, 1.0, 20000.0, voice.highpass);
    if (option == "halflife") return ReadNumber(value, 0.001, 10.0, voice.halfLife);
    return false;
  }

  bool Play(std::istringstream& words, std::string& error) {
    std::string name, word;
    words >> name;
    int count = 1;
    bool colon = !name.empty() && name.back() == ':';
    if (colon) name.pop_back();
    size_t voice = FindVoice(name);
    if (voice >= mList.voices.size()) {
      error = "play of an unknown voice \"" + name + "\"";
      return false;
    }
    if (!colon) {
      words >> word;
      double repeat = 0;
      if (word.size() < 3 || word[0] != 'x' || word.back() != ':' ||
          !ReadNumber(word.substr(1, word.size() - 2), 1, kMaxRepeat, repeat) || repeat != std::floor(repeat)) {
        error = "a play line is \"play VOICE [xCOUNT]: NOTES\"";
        return false;
      }
      count = static_cast<int>(repeat);
    }
    std::vector<std::string> notes;
    while (words >> word) notes.push_back(word);
    for (int pass = 0; pass < count; ++pass)
      for (const std::string& note : notes)
        if (!Note(voice, note, error)) return false;
    return true;
  }

  bool Note(size_t voice, const std::string& token, std::string& error) {
    size_t slash = token.find('/');
    double beats = 1.0;
    if (slash != std::string::npos && !ReadNumber(token.substr(slash + 1), 0.01, 64.0, beats)) {
      error = "bad length in \"" + token + "\"";
      return false;
    }
    std::string pitches = token.substr(0, slash);
    double seconds = beats * 60.0 / mList.tempo;
    double start = mTimes[voice];
    mTimes[voice] += seconds;
    if (pitches == "-") return true;
    NoteEvent event{voice, {}, start, seconds};
    if (IsHitVoice(mList.voices[voice])) {
      if (pitches == "x") {
        mList.notes.push_back(event);
        return true;
      }
      error = "a noise or kick voice plays \"x\", not \"" + token + "\"";
      return false;
    }
    std::istringstream parts(pitches);
    std::string pitch;
    while (std::getline(parts, pitch, '+')) {
      double hertz = 0;
      if (!PitchHertz(pitch, hertz)) {
        error = "bad pitch in \"" + token + "\"";
        return false;
      }
      event.hertz.push_back(hertz);
    }
    mList.notes.push_back(event);
    return true;
  }

  size_t FindVoice(const std::string& name) const {
    auto found = std::find_if(mList.voices.begin(), mList.voices.end(),
                              [&name](const NoteVoice& voice) { return voice.name == name; });
    return static_cast<size_t>(found - mList.voices.begin());
  }

  NoteList& mList;
  std::vector<double> mTimes;
};

}  // namespace

double NoteList::Seconds() const {
  double end = 0.0;
  for (const NoteEvent& note : notes) end = std::max(end, note.start + note.seconds);
  return end;
}

bool PitchHertz(const std::string& name, double& hertz) {
  static constexpr std::array<int, 7> kSemitones = {9, 11, 0, 2, 4, 5, 7};  // A to G from C
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') return false;
  int semitone = kSemitones[static_cast<size_t>(name[0] - 'A')];
  size_t at = 1;
  if (name[at] == '#' || name[at] == 'b') semitone += name[at++] == '#' ? 1 : -1;
  if (at + 1 != name.size() || name[at] < '0' || name[at] > '8') return false;
  int octave = name[at] - '0';
  int fromA4 = (octave - 4) * 12 + semitone - 9;
  hertz = 440.0 * std::pow(2.0, fromA4 / 12.0);
  return true;
}

bool ParseNoteList(const std::string& text, NoteList& list, std::string& error) {
  list = NoteList();
  Parser parser(list);
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (parser.Line(line, error)) continue;
    error = "line " + std::to_string(number) + ": " + error;
    return false;
  }
  if (!list.notes.empty()) return true;
  error = "no notes";
  return false;
}
