#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/RiffFile.h"
#include "soundfiles/WaveWriter.h"
#include "support/TempFolder.h"

using namespace platform;

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// A chunk as the reader found it: its id, its size and its data (for chunks that are not
// containers), or its form type and children.
struct Found {
  std::string id;
  uint32_t size;
  std::string contents;
  bool operator==(const Found&) const = default;
};

void PrintTo(const Found& found, std::ostream* out) {
  *out << found.id << " " << found.size << " \"" << found.contents << "\"";
}

std::string IdText(uint32_t id) {
  std::string text;
  for (int i = 0; i < 4; ++i) text += static_cast<char>(id >> (8 * i));
  return text;
}

// Walks every chunk inside the parent (the whole file when null), children after their container.
void Walk(RiffFile& file, const RiffChunk* parent, std::vector<Found>& found) {
  RiffChunk chunk;
  while (file.Descend(chunk, parent, 0) == kResultOk) {
    if (chunk.id == RiffId("RIFF") || chunk.id == RiffId("LIST")) {
      found.push_back({IdText(chunk.id), chunk.size, IdText(chunk.formType)});
      Walk(file, &chunk, found);
    } else {
      std::string contents(chunk.size, '\0');
      EXPECT_EQ(file.Read(contents.data(), chunk.size), static_cast<int64_t>(chunk.size));
      found.push_back({IdText(chunk.id), chunk.size, contents});
    }
    ASSERT_EQ(file.Ascend(chunk), kResultOk);
  }
}

std::vector<Found> WalkAll(RiffFile& file) {
  std::vector<Found> found;
  Walk(file, nullptr, found);
  return found;
}

std::string FormatText(uint16_t channels, uint16_t bits, uint32_t rate) {
  uint16_t align = static_cast<uint16_t>(channels * bits / 8);
  uint32_t perSecond = rate * align;
  std::vector<uint8_t> bytes = {1, 0, static_cast<uint8_t>(channels), 0};
  for (uint32_t value : {rate, perSecond})
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
  bytes.insert(bytes.end(), {static_cast<uint8_t>(align), 0, static_cast<uint8_t>(bits), 0});
  return {bytes.begin(), bytes.end()};
}

WaveWriter WriterWithChunks() {
  WaveWriter writer(2, 16, 22050);
  writer.SetSamples16({1, -1, 300, -300, 32767, -32768});
  std::vector<uint8_t> list = Bytes("INFOINAM");
  list.insert(list.end(), {3, 0, 0, 0, 'a', 'b', 'c', 0});
  writer.AddChunkBefore("LIST", list);
  writer.AddChunkBefore("odd ", Bytes("x"));
  writer.AddChunkAfter("cue ", Bytes("12345"));
  writer.AddChunkAfter("note", Bytes("ok"));
  return writer;
}

const std::vector<Found> kChunksOfWriterWithChunks = {
    {"RIFF", 4 + 24 + 10 + 24 + 20 + 14 + 10, "WAVE"},
    {"LIST", 16, "INFO"},
    {"INAM", 3, "abc"},
    {"odd ", 1, "x"},
    {"fmt ", 16, FormatText(2, 16, 22050)},
    {"data", 12, std::string("\x01\x00\xff\xff\x2c\x01\xd4\xfe\xff\x7f\x00\x80", 12)},
    {"cue ", 5, "12345"},
    {"note", 2, "ok"},
};

TEST(RiffFileTest, WrittenFilesReadBackChunkForChunkFromMemory) {
  std::vector<uint8_t> bytes = WriterWithChunks().Build();
  std::unique_ptr<RiffFile> file = RiffFile::FromMemory(bytes.data(), bytes.size());
  EXPECT_EQ(WalkAll(*file), kChunksOfWriterWithChunks);
  EXPECT_EQ(file->Size(), bytes.size());
}

TEST(RiffFileTest, WrittenFilesReadBackChunkForChunkThroughTheFileLayer) {
  TempFolder folder;
  folder.MakeFolder("Sounds");
  ASSERT_TRUE(WriterWithChunks().Save(folder.Game("Sounds\\Chunks.wav")));
  std::unique_ptr<RiffFile> file = RiffFile::Open(folder.Game("SOUNDS\\chunks.WAV"));
  ASSERT_TRUE(file);
  EXPECT_EQ(WalkAll(*file), kChunksOfWriterWithChunks);
  EXPECT_FALSE(RiffFile::Open(folder.Game("missing.wav")));
}

TEST(RiffFileTest, SearchesFindChunksByIdInsideTheirParent) {
  std::vector<uint8_t> bytes = WriterWithChunks().Build();
  std::unique_ptr<RiffFile> file = RiffFile::FromMemory(bytes.data(), bytes.size());
  RiffChunk riff;
  riff.formType = RiffId("WAVE");
  ASSERT_EQ(file->Descend(riff, nullptr, kRiffFindRiff), kResultOk);
  EXPECT_EQ(riff.dataOffset, 8u);

  RiffChunk data;
  data.id = RiffId("data");
  ASSERT_EQ(file->Descend(data, &riff, kRiffFindChunk), kResultOk);
  EXPECT_EQ(data.size, 12u);
  int16_t first = 0;
  ASSERT_EQ(file->Read(&first, 2), 2);
  EXPECT_EQ(first, 1);

  RiffChunk format;
  format.id = RiffId("fmt ");
  EXPECT_EQ(file->Descend(format, &riff, kRiffFindChunk), kRiffChunkNotFound) << "searches go forward only";
  ASSERT_EQ(file->Seek(riff.dataOffset + 4, 0), riff.dataOffset + 4);
  ASSERT_EQ(file->Descend(format, &riff, kRiffFindChunk), kResultOk);
  EXPECT_EQ(format.size, 16u);

  ASSERT_EQ(file->Seek(riff.dataOffset + 4, 0), riff.dataOffset + 4);
  RiffChunk list;
  list.formType = RiffId("INFO");
  ASSERT_EQ(file->Descend(list, &riff, kRiffFindList), kResultOk);
  RiffChunk name;
  name.id = RiffId("INAM");
  ASSERT_EQ(file->Descend(name, &list, kRiffFindChunk), kResultOk);
  ASSERT_EQ(file->Ascend(name), kResultOk);
  RiffChunk beyond;
  beyond.id = RiffId("odd ");
  RiffChunk before = beyond;
  EXPECT_EQ(file->Descend(beyond, &list, kRiffFindChunk), kRiffChunkNotFound) << "the search stays in its parent";
  EXPECT_EQ(beyond.id, before.id);
  EXPECT_EQ(beyond.size, before.size);
}

TEST(RiffFileTest, DamagedFilesReadAsFarAsTheyGo) {
  const struct {
    const char* name;
    uint32_t damage;
    uint32_t formatSize;
    uint32_t dataSize;
    bool hasData;
  } cases[] = {
      {"intact", kWaveIntact, 16, 40, true},
      {"cut data", kWaveCutData, 16, 20, true},
      {"sizes past the end", kWaveSizesPastEnd, 16, 40, true},
      {"short format", kWaveShortFormat, 14, 40, true},
      {"no data", kWaveNoData, 16, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WaveWriter writer(1, 8, 11025);
    writer.SetSampleBytes(std::vector<uint8_t>(40, 0x80));
    writer.SetDamage(c.damage);
    std::vector<uint8_t> bytes = writer.Build();
    std::unique_ptr<RiffFile> file = RiffFile::FromMemory(bytes.data(), bytes.size());

    RiffChunk riff;
    riff.formType = RiffId("WAVE");
    ASSERT_EQ(file->Descend(riff, nullptr, kRiffFindRiff), kResultOk);
    EXPECT_EQ(riff.dataOffset + riff.size, bytes.size()) << "never past the end of the file";
    RiffChunk format;
    format.id = RiffId("fmt ");
    ASSERT_EQ(file->Descend(format, &riff, kRiffFindChunk), kResultOk);
    EXPECT_EQ(format.size, c.formatSize);
    ASSERT_EQ(file->Ascend(format), kResultOk);
    RiffChunk data;
    data.id = RiffId("data");
    ASSERT_EQ(file->Descend(data, &riff, kRiffFindChunk), c.hasData ? kResultOk : kRiffChunkNotFound);
    if (c.hasData) {
      EXPECT_EQ(data.size, c.dataSize);
    }
  }
}

// Chunks of odd size are followed by a pad byte, which the walk steps over.
TEST(RiffFileTest, OddSizedDataIsPaddedAndSteppedOver) {
  WaveWriter writer(1, 8, 8000);
  writer.SetSampleBytes(Bytes("abc"));
  writer.AddChunkAfter("tail", Bytes("z"));
  std::vector<uint8_t> bytes = writer.Build();
  ASSERT_EQ(bytes.size(), 12u + 24u + 12u + 10u);
  std::unique_ptr<RiffFile> file = RiffFile::FromMemory(bytes.data(), bytes.size());
  std::vector<Found> found = WalkAll(*file);
  ASSERT_EQ(found.size(), 4u);
  EXPECT_EQ(found[2], (Found{"data", 3, "abc"}));
  EXPECT_EQ(found[3], (Found{"tail", 1, "z"}));
}

TEST(RiffFileTest, AChildNeverReachesPastItsParent) {
  // "RIFF" of 16 bytes: the form type, then a chunk that claims 100 bytes; after the
  // parent's end stands a chunk that a search inside the parent must not find.
  std::vector<uint8_t> bytes = Bytes("RIFF");
  bytes.insert(bytes.end(), {16, 0, 0, 0});
  for (const char* part : {"WAVE", "big "}) bytes.insert(bytes.end(), part, part + 4);
  bytes.insert(bytes.end(), {100, 0, 0, 0, 1, 2, 3, 4});
  for (const char* part : {"late"}) bytes.insert(bytes.end(), part, part + 4);
  bytes.insert(bytes.end(), {0, 0, 0, 0});

  std::unique_ptr<RiffFile> file = RiffFile::FromMemory(bytes.data(), bytes.size());
  RiffChunk riff;
  ASSERT_EQ(file->Descend(riff, nullptr, 0), kResultOk);
  RiffChunk big;
  ASSERT_EQ(file->Descend(big, &riff, 0), kResultOk);
  EXPECT_EQ(big.size, 4u);
  ASSERT_EQ(file->Seek(riff.dataOffset + 4, 0), 12);
  RiffChunk late;
  late.id = RiffId("late");
  EXPECT_EQ(file->Descend(late, &riff, kRiffFindChunk), kRiffChunkNotFound);
  ASSERT_EQ(file->Seek(0, 0), 0);
  EXPECT_EQ(file->Descend(big, &riff, 0), kRiffChunkNotFound) << "a child starts inside its parent";
  ASSERT_EQ(file->Seek(24, 0), 24);
  EXPECT_EQ(file->Descend(late, nullptr, kRiffFindChunk), kResultOk);
}

TEST(RiffFileTest, TooShortInputsHoldNoChunks) {
  for (const std::string& text : {std::string(), std::string("RIFF"), std::string("RIFF\x02\0\0\0WA", 10)}) {
    std::unique_ptr<RiffFile> file =
        RiffFile::FromMemory(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    RiffChunk chunk;
    EXPECT_EQ(file->Descend(chunk, nullptr, 0), kRiffChunkNotFound) << text.size();
  }
  std::unique_ptr<RiffFile> file = RiffFile::FromMemory(nullptr, 0);
  EXPECT_EQ(file->Seek(-1, 0), -1);
  EXPECT_EQ(file->Seek(5, 3), -1);
  EXPECT_EQ(file->Seek(5, 0), 5);
  uint8_t byte = 0;
  EXPECT_EQ(file->Read(&byte, 1), 0);
}

}  // namespace
