#include "dataset/SoundFileSteps.h"

#include <algorithm>
#include <cctype>

#include "dataset/SoundRecipes.h"
#include "dataset/SpeechSource.h"
#include "platform/Process.h"
#include "platform/WholeFile.h"
#include "sound/SoundEffectFiles.h"
#include "soundfiles/Filter.h"
#include "soundfiles/WaveWriter.h"

namespace {

constexpr const char* kSpeechSource = "sound/speech.txt";
constexpr double kSpeechPeak = 0.8;
// The pieces of an announcement follow each other 50 ms apart: the pauses espeak-ng leaves
// around a line would stretch that.
constexpr double kSpeechQuiet = 0.02;
constexpr double kSpeechMargin = 0.02;

// Named by the people's code and the screens, beside the effect table.
constexpr const char* kOtherFiles[] = {
    "xAssert.wav",  "xAahNice.wav", "xAckDie.wav", "xArrest.wav",  "xDunno.wav",   "xGimme.wav",
    "xGrunt.wav",   "xHey.wav",     "xHiThere.wav", "xHoHum.wav",  "xQuery.wav",   "xSad.wav",
    "xSinistr.wav", "xTitter.wav",  "xUGoGirl.wav", "xWhoa.wav",   "xHiCutie.wav", "xFtHeels.wav",
    "xFtBoots.wav", "xFtShoes.wav", "mpolic.wav",   "firealrt.wav", "menu.wav",    "button.wav",
    "gradnot.wav",
};

std::string Folded(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  return name;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) { return Folded(a) == Folded(b); }

// Narrows speech to a dispatcher's radio, or to a megaphone's horn, driven into clipping.
void Treat(Signal& speech, SpeechTreatment treatment) {
  if (treatment == SpeechTreatment::kRadio) {
    HighPass(speech, 300.0);
    LowPass(speech, 3400.0);
  }
  if (treatment == SpeechTreatment::kMegaphone) {
    HighPass(speech, 500.0);
    LowPass(speech, 3000.0);
    Normalise(speech, 1.0);
    for (double& sample : speech.samples) sample = std::clamp(sample * 2.5, -1.0, 1.0);
    BandPass(speech, 1500.0, 0.8);
  }
  Normalise(speech, kSpeechPeak);
}

bool SpeakFile(const std::string& file, const std::string& sourceFolder, Signal& signal, std::string& error) {
  std::string source;
  if (!platform::ReadWholeFile(platform::ToGamePath(sourceFolder + "/" + kSpeechSource), source)) {
    error = std::string("cannot read ") + kSpeechSource;
    return false;
  }
  std::vector<SpokenLine> lines;
  if (!ParseSpeechSource(source, lines, error)) {
    error = std::string(kSpeechSource) + ", " + error;
    return false;
  }
  auto line = std::find_if(lines.begin(), lines.end(), [&](const SpokenLine& l) { return l.file == file; });
  if (line == lines.end()) {
    error = std::string("no recipe, and no line in ") + kSpeechSource;
    return false;
  }
  if (!Speak(line->text, line->voice, signal, error)) return false;
  Treat(signal, line->treatment);
  TrimSilence(signal, kSpeechQuiet, kSpeechMargin);
  return true;
}

}  // namespace

std::vector<std::string> SoundFileNames() {
  std::vector<std::string> names;
  auto add = [&names](const std::string& name) {
    for (const std::string& known : names)
      if (SameIgnoringCase(known, name)) return;
    names.push_back(name);
  };
  for (int number = 0; number < kFirstVoiceEffect; ++number) add(SoundEffectFileName(number));
  for (const char* name : kOtherFiles) add(name);
  return names;
}

std::vector<DataSetStep> SoundFileSteps() {
  std::vector<DataSetStep> steps;
  for (const std::string& name : SoundFileNames()) {
    bool spoken = FindSoundRecipe(name) == nullptr;
    steps.push_back({"sound/" + name, spoken ? kSpeechSource : "sound recipes (code)",
                     [name](const std::string& source, const std::string& output, std::string& error) {
                       return WriteSoundFile(name, source, output, error);
                     }});
  }
  return steps;
}

bool WriteSoundFile(const std::string& file, const std::string& sourceFolder, const std::string& outputPath,
                    std::string& error) {
  Signal signal;
  const SoundRecipe* recipe = FindSoundRecipe(file);
  if (recipe) {
    signal = recipe->make();
  } else if (!SpeakFile(file, sourceFolder, signal, error)) {
    return false;
  }
  WaveWriter writer(1, 16, signal.rate);
  writer.SetSamples16(ToPcm16(signal));
  std::vector<uint8_t> bytes = writer.Build();
  if (bytes.size() >= kLargestSoundFile) {
    error = std::to_string(bytes.size()) + " bytes: a sound file must stay under " +
            std::to_string(kLargestSoundFile) + " bytes to be kept in memory";
    return false;
  }
  if (platform::SaveWholeFile(platform::ToGamePath(outputPath), bytes.data(), bytes.size(),
                              platform::kPermissionReadableByAll))
    return true;
  error = "cannot write it";
  return false;
}
