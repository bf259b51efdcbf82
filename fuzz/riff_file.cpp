// The RIFF reader on arbitrary bytes, from memory and through the file layer: every chunk
// walked and read, then a WAVE file's format and samples found and read as sounds read them.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "FuzzFolder.h"
#include "platform/RiffFile.h"

using namespace platform;

namespace {

constexpr int kMaxDepth = 32;

void Check(bool condition) {
  if (!condition) std::abort();
}

// Reads the chunk's data 256 bytes at a time, as far as it goes; a chunk never reaches past the file.
void ReadChunk(RiffFile& file, const RiffChunk& chunk) {
  Check(static_cast<uint64_t>(chunk.dataOffset) + chunk.size <= file.Size());
  std::vector<uint8_t> portion(256);
  for (uint32_t left = chunk.size; left > 0;) {
    uint32_t count = left < portion.size() ? left : static_cast<uint32_t>(portion.size());
    int64_t read = file.Read(portion.data(), count);
    if (read <= 0) return;
    left -= static_cast<uint32_t>(read);
  }
}

void Walk(RiffFile& file, const RiffChunk* parent, int depth) {
  RiffChunk chunk;
  while (file.Descend(chunk, parent, 0) == kResultOk) {
    if (parent) Check(chunk.dataOffset + chunk.size <= parent->dataOffset + parent->size);
    bool container = chunk.id == RiffId("RIFF") || chunk.id == RiffId("LIST");
    if (container && depth < kMaxDepth) {
      Walk(file, &chunk, depth + 1);
    } else {
      ReadChunk(file, chunk);
    }
    if (file.Ascend(chunk) != kResultOk) return;
  }
}

void ReadWave(RiffFile& file) {
  RiffChunk riff;
  riff.formType = RiffId("WAVE");
  if (file.Seek(0, 0) != 0 || file.Descend(riff, nullptr, kRiffFindRiff) != kResultOk) return;
  RiffChunk format;
  format.id = RiffId("fmt ");
  if (file.Descend(format, &riff, kRiffFindChunk) == kResultOk) {
    uint8_t fields[16];
    file.Read(fields, sizeof fields);
    file.Ascend(format);
  }
  RiffChunk data;
  data.id = RiffId("data");
  if (file.Seek(riff.dataOffset + 4, 0) < 0 || file.Descend(data, &riff, kRiffFindChunk) != kResultOk) return;
  ReadChunk(file, data);
}

void Exercise(RiffFile& file) {
  Walk(file, nullptr, 0);
  ReadWave(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<RiffFile> memory = RiffFile::FromMemory(data, size);
  Exercise(*memory);

  std::string path = WriteFuzzFile("input.wav", data, size);
  if (std::unique_ptr<RiffFile> file = RiffFile::Open(path)) Exercise(*file);
  return 0;
}
