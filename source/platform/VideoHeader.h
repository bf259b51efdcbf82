#pragma once
#include <cstdint>
#include <string>

// The fixed part of a video file (".smk") and the checks made before any frame is decoded:
// a size the player can hold, and counts and sizes the file's length can back.
namespace platform {

struct VideoHeader {
  int32_t width = 0;
  int32_t height = 0;
  int32_t frameCount = 0;
  // From the frame-rate field: whole milliseconds, or tens of microseconds when negative.
  uint64_t frameMicroseconds = 0;
};

// The largest width and height a video may have.
constexpr int32_t kMaxVideoSide = 4096;

// Reads and checks the header and the frame-size table of an open file; false, with the
// reason, when the file is no video this can play.
bool ReadVideoHeader(int handle, VideoHeader& header, std::string& reason);

}  // namespace platform
