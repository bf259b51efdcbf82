#include "dataset/IntroStep.h"

#include "dataset/IntroClip.h"
#include "dataset/IntroSoundtrack.h"
#include "platform/Process.h"
#include "videofiles/VideoWriter.h"

bool WriteIntroStep(const std::string&, const std::string& outputPath, std::string& error) {
  VideoWriter writer(kIntroWidth, kIntroHeight, kIntroFrameMicroseconds);
  writer.SetPalette(IntroColours());
  for (int32_t frame = 0; frame < kIntroFrames; ++frame) writer.AddFrame(DrawIntroFrame(frame));
  writer.SetSound(1, kIntroSoundRate, IntroSoundtrack(kIntroFrames * kIntroFrameMicroseconds / 1e6));
  return writer.Save(platform::ToGamePath(outputPath), error);
}
