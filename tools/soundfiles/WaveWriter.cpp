#include "soundfiles/WaveWriter.h"

#include "enginefiles/ByteWriter.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"

namespace {

constexpr uint16_t kPcm = 1;
constexpr uint32_t kExtraClaimed = 4096;
constexpr size_t kShortFormatSize = 14;

// Returns where the chunk's size field stands, for damage that rewrites it.
size_t WriteChunk(ByteWriter& out, const std::string& tag, const std::vector<uint8_t>& bytes) {
  out.Text(tag, 4);
  size_t sizeField = out.Size();
  out.U32(static_cast<uint32_t>(bytes.size()));
  out.Bytes(bytes);
  if (bytes.size() % 2 != 0) out.U8(0);
  return sizeField;
}

}  // namespace

WaveWriter::WaveWriter(uint16_t channels, uint16_t bitsPerSample, uint32_t samplesPerSecond)
    : mChannels(channels), mBitsPerSample(bitsPerSample), mSamplesPerSecond(samplesPerSecond) {}

void WaveWriter::SetSampleBytes(std::vector<uint8_t> bytes) { mSamples = std::move(bytes); }

void WaveWriter::SetSamples16(const std::vector<int16_t>& samples) {
  ByteWriter out;
  for (int16_t sample : samples) out.U16(static_cast<uint16_t>(sample));
  mSamples = out.Result();
}

bool WaveWriter::AddChunkBefore(const std::string& tag, const std::vector<uint8_t>& bytes) {
  return AddChunk(mBefore, tag, bytes);
}

bool WaveWriter::AddChunkAfter(const std::string& tag, const std::vector<uint8_t>& bytes) {
  return AddChunk(mAfter, tag, bytes);
}

bool WaveWriter::AddChunk(std::vector<Chunk>& chunks, const std::string& tag, const std::vector<uint8_t>& bytes) {
  if (tag.size() != 4) return false;
  chunks.push_back({tag, bytes});
  return true;
}

std::vector<uint8_t> WaveWriter::FormatBytes() const {
  uint16_t blockAlign = static_cast<uint16_t>(mChannels * mBitsPerSample / 8);
  ByteWriter out;
  out.U16(kPcm);
  out.U16(mChannels);
  out.U32(mSamplesPerSecond);
  out.U32(mSamplesPerSecond * blockAlign);
  out.U16(blockAlign);
  out.U16(mBitsPerSample);
  std::vector<uint8_t> bytes = out.Result();
  if (mDamage & kWaveShortFormat) bytes.resize(kShortFormatSize);
  return bytes;
}

std::vector<uint8_t> WaveWriter::Build() const {
  ByteWriter out;
  out.Text("RIFF", 4);
  out.U32(0);
  out.Text("WAVE", 4);
  for (const Chunk& chunk : mBefore) WriteChunk(out, chunk.tag, chunk.bytes);
  WriteChunk(out, "fmt ", FormatBytes());
  size_t dataSizeField = 0;
  size_t dataEnd = 0;
  if (!(mDamage & kWaveNoData)) {
    dataSizeField = WriteChunk(out, "data", mSamples);
    dataEnd = dataSizeField + 4 + mSamples.size();
  }
  for (const Chunk& chunk : mAfter) WriteChunk(out, chunk.tag, chunk.bytes);
  out.PatchU32(4, out.Size() - 8);

  if (dataSizeField && (mDamage & kWaveSizesPastEnd)) {
    out.PatchU32(4, out.Size() - 8 + kExtraClaimed);
    out.PatchU32(dataSizeField, static_cast<uint32_t>(mSamples.size()) + kExtraClaimed);
  }
  std::vector<uint8_t> bytes = out.Result();
  if (dataSizeField && (mDamage & kWaveCutData)) bytes.resize(dataEnd - mSamples.size() / 2);
  return bytes;
}

bool WaveWriter::Save(const std::string& gamePath) const {
  std::vector<uint8_t> bytes = Build();
  return platform::SaveWholeFile(gamePath, bytes.data(), bytes.size(), platform::kPermissionReadableByAll);
}
