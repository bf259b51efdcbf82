#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/SoundFormat.h"
#include "platform/StaticColours.h"

// FFmpeg's reader and decoder of the video format, over a file opened through the platform
// file layer: the game's paths (backslashes, letter case ignored) never reach FFmpeg. The
// format's own reader is forced, without probing; FFmpeg's log is off and it decodes on
// one thread.
namespace platform {

// One decoded frame: width * height palette indexes, row by row, and its palette.
struct VideoPicture {
  std::vector<uint8_t> pixels;
  std::array<Rgb, 256> colours{};
};

class VideoDemuxer {
public:
  ~VideoDemuxer();
  VideoDemuxer(const VideoDemuxer&) = delete;
  VideoDemuxer& operator=(const VideoDemuxer&) = delete;

  // Null when the file does not open or FFmpeg cannot read its header and picture codec.
  static std::unique_ptr<VideoDemuxer> Open(const std::string& gamePath);

  // Decodes the next frame into picture; false at the end or on damaged data, leaving
  // picture as it was.
  bool ReadPicture(int32_t width, int32_t height, VideoPicture& picture);
  // Every byte of the first sound track when it is uncompressed PCM; false when there is
  // none. Reads the file to its end (or to the first damage).
  bool ReadFirstTrack(SoundFormat& format, std::vector<uint8_t>& bytes);

private:
  struct Context;
  explicit VideoDemuxer(std::unique_ptr<Context> context);
  bool ReceivePicture(int32_t width, int32_t height, VideoPicture& picture);

  std::unique_ptr<Context> mContext;
};

}  // namespace platform
