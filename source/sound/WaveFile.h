#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/RiffFile.h"
#include "platform/SoundFormat.h"

// Reading RIFF WAVE files for the sounds, whole or a portion at a time: open a file and take
// its format, seek to its samples (again, to rewind), read them in portions.
using WaveFileHandle = std::unique_ptr<platform::RiffFile>;

// A "fmt " chunk: the format a buffer is made with, and the count of extra bytes that follow
// it in the file for formats other than PCM (those bytes are not read).
struct WaveFormat : platform::SoundFormat {
  uint16_t extraSize = 0;
};

// Result codes of the WAVE routines; any other nonzero code is the RIFF reader's own.
enum WaveResult : uint32_t {
  kWaveOk = 0,
  kWaveCannotOpen = 0xE100,
  kWaveNotWave = 0xE101,
  kWaveBadFormat = 0xE102,
  kWaveTruncated = 0xE103,
};

// Opens the file and reads its format. On failure the handle is null.
uint32_t OpenWaveFile(const std::string& fileName, WaveFileHandle& file, WaveFormat& format,
                      platform::RiffChunk& riffChunk);
// Finds the "data" chunk inside the RIFF chunk and stands at its first byte; the chunk's size
// counts the bytes still to read. A chunk announcing more bytes than the file holds is
// kWaveTruncated.
uint32_t SeekWaveData(platform::RiffFile& file, platform::RiffChunk& dataChunk, const platform::RiffChunk& riffChunk);
// Reads up to `count` bytes of the data chunk into `destination`; fewer with kWaveOk means
// the data has ended.
uint32_t ReadWaveData(platform::RiffFile& file, uint32_t count, uint8_t* destination,
                      platform::RiffChunk& dataChunk, uint32_t& bytesRead);
// Closes the file when it is open.
uint32_t CloseWaveFile(WaveFileHandle& file);
