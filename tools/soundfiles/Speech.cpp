#include "soundfiles/Speech.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/Process.h"
#include "platform/RiffFile.h"

extern char** environ;

namespace {

constexpr uint32_t kLargestSpeech = 64u << 20;

// A temporary file that is removed when the object goes.
class TemporaryWave {
public:
  TemporaryWave() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/halvorine-speech-XXXXXX.wav";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int handle = mkstemps(name.data(), 4);
    if (handle < 0) return;
    close(handle);
    mPath = name.data();
  }
  ~TemporaryWave() {
    if (!mPath.empty()) unlink(mPath.c_str());
  }
  TemporaryWave(const TemporaryWave&) = delete;
  TemporaryWave& operator=(const TemporaryWave&) = delete;
  const std::string& Path() const { return mPath; }

private:
  std::string mPath;
};

// Runs the program with the arguments and waits; its exit status, or -1 when it could not
// be started or did not exit normally.
int RunProgram(const std::vector<std::string>& arguments, std::string& error) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  int failure = posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ);
  if (failure != 0) {
    error = "cannot run " + arguments[0] + ": " + std::strerror(failure);
    return -1;
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno == EINTR) continue;
    error = "lost " + arguments[0] + ": " + std::strerror(errno);
    return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  error = arguments[0] + " was killed";
  return -1;
}

uint16_t Word(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }

uint32_t Long(const uint8_t* bytes) { return Word(bytes) | static_cast<uint32_t>(Word(bytes + 2)) << 16; }

bool ReadFormat(platform::RiffFile& file, const platform::RiffChunk& riff, uint32_t& rate, std::string& error) {
  platform::RiffChunk format;
  format.id = platform::RiffId("fmt ");
  uint8_t bytes[16] = {};
  if (file.Descend(format, &riff, platform::kRiffFindChunk) != 0 || format.size < 16 || file.Read(bytes, 16) != 16) {
    error = "no complete \"fmt \" chunk";
    return false;
  }
  if (Word(bytes) != 1 || Word(bytes + 2) != 1 || Word(bytes + 14) != 16) {
    error = "not mono 16-bit PCM";
    return false;
  }
  rate = Long(bytes + 4);
  if (rate == 0) error = "a sample rate of 0";
  return rate != 0 && file.Ascend(format) == 0;
}

bool ReadSamples(platform::RiffFile& file, const platform::RiffChunk& riff, Signal& signal, std::string& error) {
  platform::RiffChunk data;
  data.id = platform::RiffId("data");
  if (file.Descend(data, &riff, platform::kRiffFindChunk) != 0 || data.size > kLargestSpeech) {
    error = "no \"data\" chunk of a readable size";
    return false;
  }
  std::vector<uint8_t> bytes(data.size & ~1u);
  if (file.Read(bytes.data(), static_cast<uint32_t>(bytes.size())) != static_cast<int64_t>(bytes.size())) {
    error = "the samples are cut short";
    return false;
  }
  signal.samples.resize(bytes.size() / 2);
  for (size_t i = 0; i < signal.samples.size(); ++i)
    signal.samples[i] = static_cast<int16_t>(Word(&bytes[i * 2])) / 32768.0;
  return true;
}

}  // namespace

bool ReadMonoWave(const std::string& path, Signal& signal, std::string& error) {
  std::unique_ptr<platform::RiffFile> file = platform::RiffFile::Open(platform::ToGamePath(path));
  if (!file) {
    error = "cannot open " + path;
    return false;
  }
  platform::RiffChunk riff;
  riff.formType = platform::RiffId("WAVE");
  if (file->Descend(riff, nullptr, platform::kRiffFindRiff) != 0) {
    error = path + " is not a WAVE file";
    return false;
  }
  Signal read;
  bool done = ReadFormat(*file, riff, read.rate, error) && ReadSamples(*file, riff, read, error);
  if (!done) {
    error = path + ": " + error;
    return false;
  }
  signal = std::move(read);
  return true;
}

bool Speak(const std::string& text, const SpeechVoice& voice, Signal& speech, std::string& error,
           const std::string& program) {
  TemporaryWave wave;
  if (wave.Path().empty()) {
    error = std::string("cannot make a temporary file: ") + std::strerror(errno);
    return false;
  }
  std::vector<std::string> arguments = {program, "-w", wave.Path(), "-v", voice.name, "-p",
                                        std::to_string(voice.pitch), "-s", std::to_string(voice.wordsPerMinute),
                                        "-g", std::to_string(voice.wordGap), "--", text};
  int status = RunProgram(arguments, error);
  if (status < 0) return false;
  if (status != 0) {
    error = program + " failed (status " + std::to_string(status) + ") speaking \"" + text + "\" with voice " +
            voice.name;
    return false;
  }
  return ReadMonoWave(wave.Path(), speech, error);
}
