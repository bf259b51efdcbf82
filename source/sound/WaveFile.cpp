#include "sound/WaveFile.h"

#include "platform/ByteOrder.h"

using platform::RiffChunk;
using platform::RiffFile;
using platform::RiffId;

namespace {

constexpr uint32_t kFormatBytes = 16;
constexpr uint32_t kFormatWithExtraBytes = 18;

WaveFormat ParseFormat(const uint8_t* bytes) {
  WaveFormat format;
  format.formatTag = platform::ReadLE16(bytes);
  format.channels = platform::ReadLE16(bytes + 2);
  format.samplesPerSecond = platform::ReadLE32(bytes + 4);
  format.averageBytesPerSecond = platform::ReadLE32(bytes + 8);
  format.blockAlign = platform::ReadLE16(bytes + 12);
  format.bitsPerSample = platform::ReadLE16(bytes + 14);
  return format;
}

// Reads the "fmt " chunk the file stands in; the extra count only for formats other than PCM.
uint32_t ReadFormat(RiffFile& file, const RiffChunk& formatChunk, WaveFormat& format) {
  uint8_t bytes[kFormatBytes];
  if (file.Read(bytes, kFormatBytes) != kFormatBytes) return kWaveBadFormat;
  WaveFormat read = ParseFormat(bytes);
  if (read.formatTag != platform::kWaveFormatPcm) {
    uint8_t extra[2];
    if (formatChunk.size < kFormatWithExtraBytes || file.Read(extra, 2) != 2) return kWaveBadFormat;
    read.extraSize = platform::ReadLE16(extra);
  }
  format = read;
  return kWaveOk;
}

uint32_t DescendFormat(RiffFile& file, WaveFormat& format, RiffChunk& riffChunk) {
  uint32_t result = file.Descend(riffChunk, nullptr, 0);
  if (result != kWaveOk) return result;
  if (riffChunk.id != RiffId("RIFF") || riffChunk.formType != RiffId("WAVE")) return kWaveNotWave;
  RiffChunk formatChunk;
  formatChunk.id = RiffId("fmt ");
  result = file.Descend(formatChunk, &riffChunk, platform::kRiffFindChunk);
  if (result != kWaveOk) return result;
  if (formatChunk.size < kFormatBytes) return kWaveNotWave;
  result = ReadFormat(file, formatChunk, format);
  if (result != kWaveOk) return result;
  return file.Ascend(formatChunk);
}

// The size the chunk's header announces: the reader cuts it to what the file holds.
bool AnnouncedSize(RiffFile& file, const RiffChunk& chunk, uint32_t& size) {
  uint8_t bytes[4];
  if (chunk.dataOffset < 4 || file.Seek(chunk.dataOffset - 4, 0) < 0 || file.Read(bytes, 4) != 4) return false;
  size = platform::ReadLE32(bytes);
  return file.Seek(chunk.dataOffset, 0) >= 0;
}

}  // namespace

uint32_t OpenWaveFile(const std::string& fileName, WaveFileHandle& file, WaveFormat& format, RiffChunk& riffChunk) {
  file = RiffFile::Open(fileName);
  if (!file) return kWaveCannotOpen;
  uint32_t result = DescendFormat(*file, format, riffChunk);
  if (result != kWaveOk) file.reset();
  return result;
}

uint32_t SeekWaveData(RiffFile& file, RiffChunk& dataChunk, const RiffChunk& riffChunk) {
  if (file.Seek(static_cast<int64_t>(riffChunk.dataOffset) + 4, 0) < 0) return platform::kRiffCannotSeek;
  RiffChunk found;
  found.id = RiffId("data");
  uint32_t result = file.Descend(found, &riffChunk, platform::kRiffFindChunk);
  if (result != kWaveOk) return result;
  uint32_t announced = 0;
  if (!AnnouncedSize(file, found, announced)) return platform::kRiffCannotRead;
  if (static_cast<uint64_t>(found.dataOffset) + announced > file.Size()) return kWaveTruncated;
  dataChunk = found;
  return kWaveOk;
}

uint32_t ReadWaveData(RiffFile& file, uint32_t count, uint8_t* destination, RiffChunk& dataChunk,
                      uint32_t& bytesRead) {
  bytesRead = 0;
  uint32_t wanted = count < dataChunk.size ? count : dataChunk.size;
  if (wanted == 0) return kWaveOk;
  int64_t read = file.Read(destination, wanted);
  if (read < 0) return platform::kRiffCannotRead;
  if (read < wanted) return kWaveTruncated;
  dataChunk.size -= wanted;
  bytesRead = wanted;
  return kWaveOk;
}

uint32_t CloseWaveFile(WaveFileHandle& file) {
  file.reset();
  return kWaveOk;
}
