// Plays a WAVE file through the game's sound classes on the default audio device:
//   play-wave [--stream] [--loop] [--seconds S] FILE
// in memory, or streamed from the file with --stream; looping with --loop. It plays until
// the sound ends, S seconds have passed or Ctrl+C.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/Process.h"
#include "platform/QuitSignals.h"
#include "platform/SoundDevice.h"
#include "platform/Window.h"
#include "sound/DigitalSound.h"
#include "sound/SoundSystem.h"

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(10);

struct Options {
  bool stream = false;
  bool loop = false;
  double seconds = 0;
  std::string file;
};

int Usage() {
  std::fputs("usage: play-wave [--stream] [--loop] [--seconds S] FILE\n", stderr);
  return 2;
}

bool ParseSeconds(const char* text, double& seconds) {
  char* end = nullptr;
  seconds = std::strtod(text, &end);
  return *text != '\0' && *end == '\0' && seconds > 0;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--stream") == 0) {
      options.stream = true;
    } else if (std::strcmp(argv[i], "--loop") == 0) {
      options.loop = true;
    } else if (std::strcmp(argv[i], "--seconds") == 0) {
      if (++i == argc || !ParseSeconds(argv[i], options.seconds)) return false;
    } else if (argv[i][0] == '-' || !options.file.empty()) {
      return false;
    } else {
      options.file = argv[i];
    }
  }
  return !options.file.empty();
}

intptr_t IgnoreMessages(platform::WindowHandle, uint32_t, uintptr_t, intptr_t) { return 0; }

// The sound device cooperates with a window: a hidden one serves.
platform::WindowHandle MakeWindow() {
  platform::RegisterWindowClass("PlayWave", &IgnoreMessages);
  return platform::CreateWindow("PlayWave", "play-wave", 0, platform::Rect{0, 0, 1, 1});
}

void PlayUntilDone(DigitalSound& sound, double seconds) {
  uint32_t start = platform::GetSystemTimeMs();
  while (sound.IsPlaying() && !platform::TakeQuitSignal()) {
    if (seconds > 0 && platform::GetSystemTimeMs() - start >= seconds * 1000) break;
    std::this_thread::sleep_for(kPollInterval);
  }
}

int Play(const Options& options, platform::WindowHandle window) {
  if (!gSoundSystem.Initialize(window)) {
    std::fputs("play-wave: no sound device\n", stderr);
    return 1;
  }
  int result = 0;
  {
    DigitalSound sound(platform::ToGamePath(options.file), options.stream ? kLoadStreamed : kLoadInMemory);
    if (sound.Play(options.loop ? 1 : 0, kPlayModeDefault)) {
      PlayUntilDone(sound, options.seconds);
    } else {
      std::fprintf(stderr, "play-wave: %s cannot be played\n", options.file.c_str());
      result = 1;
    }
    sound.Stop();
  }
  gSoundSystem.Release();
  platform::ShutdownSound();
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) return Usage();
  platform::InstallQuitSignalHandlers();
  platform::WindowHandle window = MakeWindow();
  int result = Play(options, window);
  platform::DestroyWindow(window);
  platform::ShutdownVideo();
  return result;
}
