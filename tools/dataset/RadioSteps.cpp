#include "dataset/RadioSteps.h"

#include <utility>

#include "dataset/NoteList.h"
#include "dataset/NoteListRender.h"
#include "platform/Process.h"
#include "platform/WholeFile.h"
#include "soundfiles/Signal.h"
#include "soundfiles/Speech.h"
#include "soundfiles/WaveWriter.h"

namespace {

constexpr uint32_t kRate = 22050;
constexpr double kSpeechPeak = 0.8;
// A piece of music lasts 20 to 40 s.
constexpr double kShortestMusic = 20.0;
constexpr double kLongestMusic = 40.0;
// A jingle's voice comes in a little after its sting, which plays under it at this gain.
constexpr double kJingleVoiceAt = 0.3;
constexpr double kStingGain = 0.45;

enum class RadioFileKind { kStationName, kMusic, kSpeech, kJingle };

struct Voice {
  const char* name;
  int pitch;
  int wordsPerMinute;
};

constexpr Voice kRockDj{"en-us+m3", 45, 170};
constexpr Voice kJazzDj{"en-gb+m4", 35, 140};
constexpr Voice kRockJingle{"en-us+m7", 40, 150};
constexpr Voice kJazzJingle{"en-gb+f2", 55, 135};
constexpr Voice kAnnouncer{"en-us+f3", 60, 175};

// One file of the radio tree: where it goes, its source under data/ (a note list, a text to
// speak, or the station's name), and for a jingle the note list of the sting under it.
struct RadioFile {
  const char* file;
  const char* source;
  RadioFileKind kind;
  Voice voice;
  const char* sting;
};

#define ROCK "sound/radio/stations/rockcity/"
#define JAZZ "sound/radio/stations/harbourjazz/"
#define ADS "sound/radio/commercl/English/"

constexpr RadioFile kRadioFiles[] = {
    {ROCK "Rock City.id", "(the station's name)", RadioFileKind::kStationName, {}, nullptr},
    {ROCK "music/steelbridge.wav", "radio/rockcity/steelbridge.notes", RadioFileKind::kMusic, {}, nullptr},
    {ROCK "music/nightdrive.wav", "radio/rockcity/nightdrive.notes", RadioFileKind::kMusic, {}, nullptr},
    {ROCK "music/neonavenue.wav", "radio/rockcity/neonavenue.notes", RadioFileKind::kMusic, {}, nullptr},
    {ROCK "dj/English/evening.wav", "radio/rockcity/dj-evening.txt", RadioFileKind::kSpeech, kRockDj, nullptr},
    {ROCK "dj/English/weather.wav", "radio/rockcity/dj-weather.txt", RadioFileKind::kSpeech, kRockDj, nullptr},
    {ROCK "dj/English/request.wav", "radio/rockcity/dj-request.txt", RadioFileKind::kSpeech, kRockDj, nullptr},
    {ROCK "jingle/English/name.wav", "radio/rockcity/jingle-name.txt", RadioFileKind::kJingle, kRockJingle,
     "radio/rockcity/sting.notes"},
    {ROCK "jingle/English/loud.wav", "radio/rockcity/jingle-loud.txt", RadioFileKind::kJingle, kRockJingle,
     "radio/rockcity/sting.notes"},
    {JAZZ "Harbour Jazz.id", "(the station's name)", RadioFileKind::kStationName, {}, nullptr},
    {JAZZ "music/fogonthepier.wav", "radio/harbourjazz/fogonthepier.notes", RadioFileKind::kMusic, {}, nullptr},
    {JAZZ "music/lanternblues.wav", "radio/harbourjazz/lanternblues.notes", RadioFileKind::kMusic, {}, nullptr},
    {JAZZ "music/tidewaltz.wav", "radio/harbourjazz/tidewaltz.notes", RadioFileKind::kMusic, {}, nullptr},
    {JAZZ "dj/English/welcome.wav", "radio/harbourjazz/dj-welcome.txt", RadioFileKind::kSpeech, kJazzDj, nullptr},
    {JAZZ "dj/English/tide.wav", "radio/harbourjazz/dj-tide.txt", RadioFileKind::kSpeech, kJazzDj, nullptr},
    {JAZZ "dj/English/story.wav", "radio/harbourjazz/dj-story.txt", RadioFileKind::kSpeech, kJazzDj, nullptr},
    {JAZZ "jingle/English/name.wav", "radio/harbourjazz/jingle-name.txt", RadioFileKind::kJingle, kJazzJingle,
     "radio/harbourjazz/sting.notes"},
    {ADS "pellaro.wav", "radio/commercl/pellaro-pizza.txt", RadioFileKind::kSpeech, kAnnouncer, nullptr},
    {ADS "skyline.wav", "radio/commercl/skyline-insurance.txt", RadioFileKind::kSpeech, kAnnouncer, nullptr},
    {ADS "brightwater.wav", "radio/commercl/brightwater-bikes.txt", RadioFileKind::kSpeech, kAnnouncer, nullptr},
};

#undef ROCK
#undef JAZZ
#undef ADS

bool ReadSource(const std::string& sourceFolder, const char* source, std::string& text, std::string& error) {
  if (platform::ReadWholeFile(platform::ToGamePath(sourceFolder + "/" + source), text)) return true;
  error = std::string(source) + " cannot be read";
  return false;
}

bool SaveWave(const Signal& signal, const std::string& outputPath, std::string& error) {
  WaveWriter writer(1, 16, kRate);
  writer.SetSamples16(ToPcm16(signal));
  if (writer.Save(platform::ToGamePath(outputPath))) return true;
  error = "cannot be written";
  return false;
}

bool RenderMusic(const std::string& sourceFolder, const char* source, Signal& music, std::string& error) {
  std::string text;
  NoteList list;
  if (!ReadSource(sourceFolder, source, text, error)) return false;
  if (!ParseNoteList(text, list, error)) return false;
  music = RenderNoteList(list, kRate);
  return true;
}

bool SpeakSource(const std::string& sourceFolder, const RadioFile& entry, Signal& speech, std::string& error) {
  std::string text;
  if (!ReadSource(sourceFolder, entry.source, text, error)) return false;
  SpeechVoice voice{entry.voice.name, entry.voice.pitch, entry.voice.wordsPerMinute, 0};
  if (!Speak(text, voice, speech, error)) return false;
  if (speech.rate != kRate) speech = Resample(speech, kRate);
  Normalise(speech, kSpeechPeak);
  return true;
}

bool WriteMusic(const std::string& sourceFolder, const RadioFile& entry, const std::string& outputPath,
                std::string& error) {
  Signal music;
  if (!RenderMusic(sourceFolder, entry.source, music, error)) return false;
  if (music.Seconds() < kShortestMusic || music.Seconds() > kLongestMusic) {
    error = "lasts " + std::to_string(music.Seconds()) + " s, not 20 to 40 s";
    return false;
  }
  return SaveWave(music, outputPath, error);
}

bool WriteJingle(const std::string& sourceFolder, const RadioFile& entry, const std::string& outputPath,
                 std::string& error) {
  Signal sting, speech;
  if (!RenderMusic(sourceFolder, entry.sting, sting, error) || !SpeakSource(sourceFolder, entry, speech, error))
    return false;
  Scale(sting, kStingGain);
  MixInto(sting, speech, kJingleVoiceAt);
  Normalise(sting, kSpeechPeak);
  return SaveWave(sting, outputPath, error);
}

// The id file's name is the station's name; it holds the name too.
bool WriteStationName(const RadioFile& entry, const std::string& outputPath, std::string& error) {
  std::string name = entry.file;
  name = name.substr(name.rfind('/') + 1);
  name = name.substr(0, name.rfind('.')) + "\r\n";
  if (platform::SaveWholeFile(platform::ToGamePath(outputPath), name.data(), name.size(),
                              platform::kPermissionReadableByAll))
    return true;
  error = "cannot be written";
  return false;
}

bool WriteEntry(const RadioFile& entry, const std::string& sourceFolder, const std::string& outputPath,
                std::string& error) {
  switch (entry.kind) {
    case RadioFileKind::kStationName: return WriteStationName(entry, outputPath, error);
    case RadioFileKind::kMusic: return WriteMusic(sourceFolder, entry, outputPath, error);
    case RadioFileKind::kJingle: return WriteJingle(sourceFolder, entry, outputPath, error);
    case RadioFileKind::kSpeech: break;
  }
  Signal speech;
  return SpeakSource(sourceFolder, entry, speech, error) && SaveWave(speech, outputPath, error);
}

// One writer per file of the table, so that each step knows its entry.
template <size_t I>
bool WriteRadioFile(const std::string& sourceFolder, const std::string& outputPath, std::string& error) {
  return WriteEntry(kRadioFiles[I], sourceFolder, outputPath, error);
}

template <size_t... I>
void AddEach(std::vector<DataSetStep>& steps, std::index_sequence<I...>) {
  (steps.push_back({kRadioFiles[I].file, kRadioFiles[I].source, WriteRadioFile<I>}), ...);
}

}  // namespace

void AddRadioSteps(std::vector<DataSetStep>& steps) {
  AddEach(steps, std::make_index_sequence<std::size(kRadioFiles)>());
}
