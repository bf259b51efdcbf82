// Checks the sound files of the data set the build generated.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "dataset/SoundFileSteps.h"
#include "dataset/SoundRecipes.h"
#include "platform/FileHandle.h"
#include "platform/Process.h"
#include "platform/WholeFile.h"
#include "sound/SoundEffectFiles.h"
#include "soundfiles/Speech.h"
#include "support/TempFolder.h"

namespace {

const std::string kSoundFolder = HALVORINE_DATA_SET "/sound";

Signal Read(const std::string& name) {
  Signal signal;
  std::string error;
  EXPECT_TRUE(ReadMonoWave(kSoundFolder + "/" + name, signal, error)) << error;
  return signal;
}

double LargestStep(const Signal& signal) {
  double largest = 0.0;
  for (size_t i = 1; i < signal.samples.size(); ++i)
    largest = std::max(largest, std::fabs(signal.samples[i] - signal.samples[i - 1]));
  return largest;
}

bool IsFootstep(const std::string& name) { return name.rfind("xFt", 0) == 0; }

TEST(GeneratedSoundFilesTest, EveryFileIsMonoPcmSmallEnoughToStayInMemory) {
  size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kSoundFolder)) {
    // The radio's stations have a folder of their own under sound/; the effects are the files.
    if (!entry.is_regular_file()) continue;
    std::string name = entry.path().filename().string();
    if (entry.path().extension() == ".new") continue;
    ++count;
    EXPECT_LT(entry.file_size(), kLargestSoundFile) << name;
    Signal signal = Read(name);
    EXPECT_EQ(signal.rate, IsFootstep(name) ? 11000u : 22050u) << name;
    EXPECT_GT(signal.samples.size(), 0u) << name;
  }
  EXPECT_EQ(count, 122u);
}

TEST(GeneratedSoundFilesTest, EveryFileTheGameNamesIsThere) {
  for (int number = 0; number < kSoundEffectCount; ++number) {
    EXPECT_TRUE(platform::RegularFileExists(platform::ToGamePath(kSoundFolder + "/" + SoundEffectFileName(number))))
        << SoundEffectFileName(number);
  }
  for (const char* name : {"Menu.wav", "mevac.wav", "xWhoa.wav", "xFtHeels.wav", "gradnot.wav", "button.wav"})
    EXPECT_TRUE(platform::RegularFileExists(platform::ToGamePath(kSoundFolder + "/" + name))) << name;
}

TEST(GeneratedSoundFilesTest, LoopsRepeatWithoutAClick) {
  size_t loops = 0;
  for (size_t i = 0; i < SoundRecipeCount(); ++i) {
    const SoundRecipe& recipe = SoundRecipeAt(i);
    if (!recipe.looping) continue;
    ++loops;
    Signal signal = Read(recipe.file);
    ASSERT_GT(signal.samples.size(), 1u) << recipe.file;
    double seam = std::fabs(signal.samples.front() - signal.samples.back());
    EXPECT_LE(seam, LargestStep(signal)) << recipe.file;
  }
  EXPECT_EQ(loops, 16u) << "13 looping effects, their twin 38 aside, and 3 footsteps";
}

// The spoken files are espeak-ng's renderings of their lines in data/sound/speech.txt.
TEST(GeneratedSoundFilesTest, SpokenFilesAreTheirTextsSpoken) {
  TempFolder folder;
  for (const char* name : {"D1000.WAV", "xHiThere.wav"}) {
    Signal signal = Read(name);
    EXPECT_GE(signal.Seconds(), 0.3) << name;
    EXPECT_GT(Peak(signal), 0.3) << name;
    std::string error;
    ASSERT_TRUE(WriteSoundFile(name, HALVORINE_SOURCE_DATA, folder.System(name), error)) << error;
    std::string made, kept;
    ASSERT_TRUE(platform::ReadWholeFile(folder.Game(name), made));
    ASSERT_TRUE(platform::ReadWholeFile(platform::ToGamePath(kSoundFolder + "/" + name), kept));
    EXPECT_EQ(made, kept) << name;
  }
}

}  // namespace
