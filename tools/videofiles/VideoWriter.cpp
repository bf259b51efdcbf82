#include "videofiles/VideoWriter.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>

#include "enginefiles/ByteWriter.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"
#include "videofiles/VideoCodeTree.h"
#include "videofiles/VideoFrameCoder.h"

namespace {

constexpr int kMaxByteTreeDepth = 27;
constexpr int kMaxBigTreeDepth = 500;
constexpr uint32_t kKeyFrame = 0x1;
constexpr uint8_t kFramePalette = 0x1;
constexpr uint8_t kFrameSoundTrack0 = 0x2;
constexpr uint32_t kSoundPresent = 0x40;
constexpr uint32_t kSound16Bit = 0x20;
constexpr uint32_t kSoundStereo = 0x10;
constexpr uint32_t kMaxSampleRate = 0xFFFFFF;
constexpr int kAudioTracks = 7;

size_t PaddedTo4(size_t size) { return (size + 3) & ~size_t{3}; }

uint8_t NearestLevel(uint8_t colour) {
  uint8_t best = 0;
  for (uint8_t level = 1; level < 64; ++level) {
    if (std::abs(VideoColourOfLevel(level) - colour) < std::abs(VideoColourOfLevel(best) - colour)) best = level;
  }
  return best;
}

}  // namespace

// One table's codes: the big tree over its 16-bit values, whose leaves are written as a
// code of the low-byte tree and one of the high-byte tree, and three escape values that
// stand for no leaf, so the decoder's cache of recent values is never used.
class VideoWriter::TableCodes {
public:
  explicit TableCodes(const std::map<uint32_t, uint64_t>& counts)
      : mBig(counts, kMaxBigTreeDepth), mLow(ByteCounts(0), kMaxByteTreeDepth), mHigh(ByteCounts(8), kMaxByteTreeDepth) {}

  void WriteHeader(VideoBitWriter& out) const {
    out.Bit(true);
    for (const VideoCodeTree* bytes : {&mLow, &mHigh}) {
      out.Bit(true);
      bytes->Write(out, [](VideoBitWriter& to, uint32_t value) { to.Bits(value, 8); });
      out.Bit(false);
    }
    for (uint32_t escape : Escapes()) out.Bits(escape, 16);
    mBig.Write(out, [this](VideoBitWriter& to, uint32_t value) {
      mLow.WriteCode(to, value & 0xFF);
      mHigh.WriteCode(to, value >> 8);
    });
    out.Bit(false);
  }
  void WriteCode(VideoBitWriter& out, uint16_t value) const { mBig.WriteCode(out, value); }
  // What the decoder must reserve for the big tree: 4 bytes an entry.
  uint32_t SizeField() const { return static_cast<uint32_t>(4 * mBig.EntryCount()); }

private:
  std::map<uint32_t, uint64_t> ByteCounts(int shift) const {
    std::map<uint32_t, uint64_t> counts;
    for (uint32_t value : mBig.Leaves()) ++counts[(value >> shift) & 0xFF];
    return counts;
  }
  std::vector<uint32_t> Escapes() const {
    std::vector<uint32_t> leaves = mBig.Leaves();
    std::sort(leaves.begin(), leaves.end());
    std::vector<uint32_t> escapes;
    for (uint32_t value = 0; escapes.size() < 3; ++value) {
      if (!std::binary_search(leaves.begin(), leaves.end(), value)) escapes.push_back(value);
    }
    return escapes;
  }

  VideoCodeTree mBig;
  VideoCodeTree mLow;
  VideoCodeTree mHigh;
};

VideoWriter::VideoWriter(int32_t width, int32_t height, uint32_t frameMicroseconds)
    : mWidth(width), mHeight(height), mFrameMicroseconds(frameMicroseconds) {}

VideoColours VideoWriter::SetPalette(const VideoColours& colours) {
  VideoColours shown{};
  for (size_t i = 0; i < colours.size(); ++i) {
    mLevels[i] = {NearestLevel(colours[i].red), NearestLevel(colours[i].green), NearestLevel(colours[i].blue)};
    shown[i] = {VideoColourOfLevel(mLevels[i][0]), VideoColourOfLevel(mLevels[i][1]),
                VideoColourOfLevel(mLevels[i][2])};
  }
  return shown;
}

void VideoWriter::AddFrame(std::vector<uint8_t> pixels) { mFrames.push_back(std::move(pixels)); }

void VideoWriter::SetSound(uint16_t channels, uint32_t samplesPerSecond, std::vector<int16_t> samples) {
  mChannels = channels;
  mSamplesPerSecond = samplesPerSecond;
  mSamples = std::move(samples);
}

bool VideoWriter::Check(std::string& error) const {
  if (mWidth < 4 || mHeight < 4 || mWidth > kMaxSide || mHeight > kMaxSide || mWidth % 4 || mHeight % 4) {
    error = "the width and height must be multiples of 4 from 4 to 4096";
  } else if (mFrameMicroseconds == 0 || (mFrameMicroseconds % 1000 != 0 && mFrameMicroseconds % 10 != 0)) {
    error = "the frame time must be whole milliseconds or a multiple of 10 microseconds";
  } else if (mFrames.empty()) {
    error = "a clip needs a frame";
  } else if (std::any_of(mFrames.begin(), mFrames.end(), [this](const std::vector<uint8_t>& frame) {
               return frame.size() != static_cast<size_t>(mWidth) * static_cast<size_t>(mHeight);
             })) {
    error = "every frame must hold width x height pixels";
  } else if (!mSamples.empty() && (mChannels < 1 || mChannels > 2 || mSamplesPerSecond < 1 ||
                                   mSamplesPerSecond > kMaxSampleRate || mSamples.size() % mChannels)) {
    error = "the sound must be whole frames of 1 or 2 channels at a rate up to 16777215";
  } else {
    return true;
  }
  return false;
}

// Positive: milliseconds a frame; negative: tens of microseconds.
int32_t VideoWriter::FrameRateField() const {
  if (mFrameMicroseconds % 1000 == 0) return static_cast<int32_t>(mFrameMicroseconds / 1000);
  return -static_cast<int32_t>(mFrameMicroseconds / 10);
}

// Every colour given as a new entry: 256 commands of three 6-bit levels after the length byte.
std::vector<uint8_t> VideoWriter::PaletteChunk() const {
  std::vector<uint8_t> chunk{0};
  for (const auto& levels : mLevels) chunk.insert(chunk.end(), levels.begin(), levels.end());
  chunk.resize(PaddedTo4(chunk.size()));
  chunk[0] = static_cast<uint8_t>(chunk.size() / 4);
  return chunk;
}

// The frame's share of the sound, led by the chunk's length; empty when it has none.
std::vector<uint8_t> VideoWriter::SoundChunk(size_t frame) const {
  const size_t soundFrames = mSamples.size() / std::max<size_t>(mChannels, 1);
  const size_t first = soundFrames * frame / mFrames.size();
  const size_t end = soundFrames * (frame + 1) / mFrames.size();
  if (end == first) return {};
  ByteWriter out;
  out.U32(static_cast<uint32_t>(4 + (end - first) * mChannels * 2));
  for (size_t i = first * mChannels; i < end * mChannels; ++i) out.U16(static_cast<uint16_t>(mSamples[i]));
  return out.Result();
}

bool VideoWriter::Build(std::vector<uint8_t>& bytes, std::string& error) const {
  if (!Check(error)) return false;
  std::vector<std::vector<VideoSymbol>> coded;
  std::array<std::map<uint32_t, uint64_t>, kVideoTableCount> counts;
  for (size_t i = 0; i < mFrames.size(); ++i) {
    coded.push_back(CodeVideoFrame(mFrames[i].data(), i ? mFrames[i - 1].data() : nullptr, mWidth, mHeight));
    for (const VideoSymbol& symbol : coded.back()) ++counts[symbol.table][symbol.value];
  }

  // Tables no frame uses are left out of the file.
  Tables tables;
  VideoBitWriter trees;
  for (size_t table = 0; table < tables.size(); ++table) {
    if (counts[table].empty()) {
      trees.Bit(false);
      continue;
    }
    tables[table] = std::make_unique<TableCodes>(counts[table]);
    tables[table]->WriteHeader(trees);
  }

  std::vector<std::vector<uint8_t>> frames;
  std::vector<uint8_t> types;
  uint32_t largestSound = 0;
  for (size_t i = 0; i < coded.size(); ++i) {
    const std::vector<uint8_t> sound = SoundChunk(i);
    largestSound = std::max(largestSound, static_cast<uint32_t>(sound.size()));
    types.push_back(static_cast<uint8_t>((i == 0 ? kFramePalette : 0) | (sound.empty() ? 0 : kFrameSoundTrack0)));
    frames.push_back(FrameBytes(i == 0 ? PaletteChunk() : std::vector<uint8_t>{}, sound, coded[i], tables));
  }

  ByteWriter out;
  WriteHeader(out, tables, static_cast<uint32_t>(trees.Bytes().size()), largestSound);
  for (size_t i = 0; i < frames.size(); ++i) out.U32(static_cast<uint32_t>(frames[i].size()) | (i == 0 ? kKeyFrame : 0));
  out.Bytes(types);
  out.Bytes(trees.Bytes());
  for (const auto& frame : frames) out.Bytes(frame);
  bytes = out.Result();
  return true;
}

// The palette, the sound, then the picture's codes, padded to a multiple of 4 bytes.
std::vector<uint8_t> VideoWriter::FrameBytes(std::vector<uint8_t> frame, const std::vector<uint8_t>& sound,
                                             const std::vector<VideoSymbol>& symbols, const Tables& tables) {
  frame.insert(frame.end(), sound.begin(), sound.end());
  VideoBitWriter video;
  for (const VideoSymbol& symbol : symbols) tables[symbol.table]->WriteCode(video, symbol.value);
  frame.insert(frame.end(), video.Bytes().begin(), video.Bytes().end());
  // The reader refuses a frame without a byte of picture.
  if (video.Bytes().empty()) frame.push_back(0);
  frame.resize(PaddedTo4(frame.size()));
  return frame;
}

void VideoWriter::WriteHeader(ByteWriter& out, const Tables& tables, uint32_t treeBytes, uint32_t largestSound) const {
  out.Text("SMK2", 4);
  out.U32(static_cast<uint32_t>(mWidth));
  out.U32(static_cast<uint32_t>(mHeight));
  out.U32(static_cast<uint32_t>(mFrames.size()));
  out.U32(static_cast<uint32_t>(FrameRateField()));
  out.U32(0);
  for (int track = 0; track < kAudioTracks; ++track) out.U32(track == 0 ? largestSound : 0);
  out.U32(treeBytes);
  for (const auto& table : tables) out.U32(table ? table->SizeField() : 0);
  const uint32_t soundFlags = kSoundPresent | kSound16Bit | (mChannels == 2 ? kSoundStereo : 0);
  for (int track = 0; track < kAudioTracks; ++track) {
    out.U32(track == 0 && !mSamples.empty() ? mSamplesPerSecond | soundFlags << 24 : 0);
  }
  out.U32(0);
}

bool VideoWriter::Save(const std::string& gamePath, std::string& error) const {
  std::vector<uint8_t> bytes;
  if (!Build(bytes, error)) return false;
  if (platform::SaveWholeFile(gamePath, bytes.data(), bytes.size(), platform::kPermissionReadableByAll)) return true;
  error = "cannot write " + gamePath;
  return false;
}
