#include "dataset/IntroStep.h"

#include "dataset/IntroClip.h"
#include "platform/Process.h"
#include "videofiles/VideoWriter.h"

bool WriteIntroStep(const std::string&, const std::string& outputPath, std::string& error) {
  VideoWriter writer(kIntroWidth, kIntroHeight, kIntroFrameMicroseconds);
  writer.SetPalette(IntroColours());
  for (int32_t frame = 0; frame < kIntroFrames; ++frame) writer.AddFrame(DrawIntroFrame(frame));
  return writer.Save(platform::ToGamePath(outputPath), error);
}
