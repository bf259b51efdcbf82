#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include "Drovane/RecordFile.h"
#include "support/TempFolder.h"

namespace {

// Little-endian words as they stand on disk.
std::string Le(uint32_t value) {
  return std::string{static_cast<char>(value), static_cast<char>(value >> 8),
                     static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
}

std::string Header(uint32_t length) {
  return "VIFF" + Le(2) + "TRVD" + "PREF" + Le(0x10000) + Le(length) + Le(1);
}

std::string Chunk(const std::string& tagOnDisk, const std::string& data) {
  return tagOnDisk + Le(static_cast<uint32_t>(data.size() + 8)) + data;
}

constexpr uint32_t kCreator = FourCC("DVRT");
constexpr uint32_t kType = FourCC("FERP");

class RecordFileTest : public testing::Test {
protected:
  std::string Path(const char* name = "test.rec") const { return folder.Game(name); }
  TempFolder folder;
};

TEST_F(RecordFileTest, HeaderOnlyFileIsTwentyEightExactBytes) {
  RecordFile file(Path().c_str());
  ASSERT_EQ(file.OpenForWrite(kCreator, kType, 0x10000), 1);
  EXPECT_EQ(file.Close(), 1);
  EXPECT_EQ(folder.Read("test.rec"), Header(28));
}

TEST_F(RecordFileTest, ChunksAreWrittenByteExactWithTheTotalLength) {
  std::string hundred(100, 'h'), twenty(20, 't');
  RecordFile file(Path().c_str());
  ASSERT_EQ(file.OpenForWrite(kCreator, kType, 0x10000), 1);
  EXPECT_EQ(file.WriteChunk(FourCC("HELI"), hundred.data(), hundred.size()), 1);
  EXPECT_EQ(WriteTaggedChunk(file, FourCC("MSSN"), twenty.data(), twenty.size()), 1);
  EXPECT_EQ(file.WriteChunk(FourCC("NONE"), nullptr, 0), 1);  // an empty chunk is a success
  EXPECT_EQ(file.Close(), 1);
  EXPECT_EQ(folder.Read("test.rec"),
            Header(172) + Chunk("ILEH", hundred) + Chunk("NSSM", twenty) + Chunk("ENON", ""));
}

TEST_F(RecordFileTest, WrittenFileReadsBack) {
  {
    RecordFile file(Path().c_str());
    file.OpenForWrite(kCreator, kType, 7);
    file.WriteChunk(1, "first", 5);
    file.WriteChunk(2, "second", 6);
  }  // the destructor closes and finishes
  RecordFile file(Path().c_str());
  EXPECT_EQ(file.GetCreator(), kCreator);
  EXPECT_FALSE(file.IsOpen());
  ASSERT_EQ(file.OpenForRead(), 1);
  EXPECT_EQ(file.GetFileType(), kType);
  EXPECT_EQ(file.GetTypeVersion(), 7u);
  EXPECT_EQ(file.IsComplete(), 1);
  EXPECT_EQ(file.GetChunkTag(), 1u);
  EXPECT_EQ(file.GetChunkLength(), 13);
  char buffer[16] = {};
  EXPECT_EQ(file.ReadChunkData(buffer, sizeof buffer), 1);  // only the data is read
  EXPECT_STREQ(buffer, "first");
  ASSERT_EQ(file.NextChunk(), 1);
  EXPECT_EQ(file.GetChunkIndex(), 1u);
  std::memset(buffer, 0, sizeof buffer);
  EXPECT_EQ(file.ReadChunkData(buffer, 3), 1);
  EXPECT_STREQ(buffer, "sec");
  EXPECT_EQ(file.NextChunk(), 0);
  EXPECT_FALSE(file.HasError());
  EXPECT_EQ(file.PreviousChunk(), 0u);
  EXPECT_EQ(file.GetChunkTag(), 1u);
  EXPECT_EQ(file.CountChunks(), 2u);
}

TEST_F(RecordFileTest, HeaderOnlyFileHasNoChunks) {
  folder.Write("test.rec", Header(28));
  RecordFile file(Path().c_str());
  ASSERT_EQ(file.OpenForRead(), 1);
  EXPECT_EQ(file.FirstChunk(), 1);
  EXPECT_EQ(file.GetChunkDataSize(), 0);
  EXPECT_EQ(file.NextChunk(), 0);
  EXPECT_EQ(file.FindChunk(0), 0);
  char buffer[4];
  EXPECT_EQ(file.ReadChunkData(buffer, sizeof buffer), 0);
  EXPECT_FALSE(file.HasError());
  EXPECT_EQ(file.CountChunks(), 0u);
}

TEST_F(RecordFileTest, RewritingAShorterFileLeavesNoTraceOfTheOldTail) {
  folder.Write("test.rec", Header(236) + Chunk("AAAA", std::string(200, 'a')));
  RecordFile file(Path().c_str());
  ASSERT_EQ(file.OpenForWrite(kCreator, kType, 0x10000), 1);
  file.WriteChunk(FourCC("BBBB"), "b", 1);
  ASSERT_EQ(file.Close(), 1);
  EXPECT_EQ(folder.Read("test.rec"), Header(37) + Chunk("BBBB", "b"));
  EXPECT_FALSE(folder.Exists("test.rec.tmp"));
}

TEST_F(RecordFileTest, WritingKeepsTheNameOfTheFileOnDisk) {
  folder.Write("Tarvid.CFG", Header(28));
  RecordFile file(Path("tarvid.cfg").c_str());
  ASSERT_EQ(file.OpenForWrite(kCreator, kType, 0x10000), 1);
  file.WriteChunk(5, "x", 1);
  ASSERT_EQ(file.Close(), 1);
  EXPECT_EQ(folder.Read("Tarvid.CFG"), Header(37) + Chunk(Le(5), "x"));
  EXPECT_FALSE(folder.Exists("tarvid.cfg"));
}

TEST_F(RecordFileTest, FailedSaveKeepsThePreviousFile) {
  std::string previous = Header(37) + Chunk("KEEP", "k");
  folder.Write("game.hvu", previous);
  // Writes beyond 4096 bytes fail; the signal that would end the process is ignored.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit;
  getrlimit(RLIMIT_FSIZE, &limit);
  rlimit small = limit;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);

  RecordFile file(Path("game.hvu").c_str());
  ASSERT_EQ(file.OpenForWrite(kCreator, kType, 0x100), 1);
  std::string big(8000, 'x');
  EXPECT_EQ(file.WriteChunk(FourCC("HELI"), big.data(), big.size()), 0);
  EXPECT_EQ(file.Close(), 0);

  setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_EQ(folder.Read("game.hvu"), previous);
  EXPECT_FALSE(folder.Exists("game.hvu.tmp"));
}

TEST_F(RecordFileTest, SaveThatCannotStartKeepsThePreviousFile) {
  folder.Write("game.hvu", "old");
  folder.MakeFolder("game.hvu.tmp/x");
  RecordFile file(Path("game.hvu").c_str());
  EXPECT_EQ(file.OpenForWrite(kCreator, kType, 0x100), 0);
  EXPECT_EQ(folder.Read("game.hvu"), "old");
}

TEST_F(RecordFileTest, AppendWritesInPlaceAndPatchesTheLength) {
  folder.Write("test.rec", Header(37) + Chunk("AAAA", "a"));
  RecordFile file(Path().c_str());
  ASSERT_EQ(file.OpenForAppend(), 1);
  file.WriteChunk(FourCC("BBBB"), "bb", 2);
  ASSERT_EQ(file.Close(), 1);
  EXPECT_EQ(folder.Read("test.rec"), Header(47) + Chunk("AAAA", "a") + Chunk("BBBB", "bb"));

  folder.Write("other.rec", "not a record file");
  RecordFile other(Path("other.rec").c_str());
  ASSERT_EQ(other.OpenForAppend(), 1);
  ASSERT_EQ(other.Close(), 1);
  EXPECT_EQ(folder.Read("other.rec"), "VIFF" + Le(2) + Le(1) + Le(1) + Le(1) + Le(28) + Le(1));
}

TEST_F(RecordFileTest, BigChunksAreSteppedOver) {
  std::string big(40000, 'b');
  folder.Write("test.rec", Header(28 + 40008 + 9) + Chunk("BIGG", big) + Chunk("NEXT", "n"));
  RecordFile file(Path().c_str());
  ASSERT_EQ(file.OpenForRead(), 1);
  EXPECT_EQ(file.GetChunkDataSize(), 40000);
  ASSERT_EQ(file.NextChunk(), 1);
  EXPECT_EQ(file.GetChunkTag(), FourCC("TXEN"));
  EXPECT_EQ(file.GetChunkDataSize(), 1);
}

TEST_F(RecordFileTest, HeaderCutShortFailsToOpen) {
  folder.Write("test.rec", Header(28).substr(0, 20));
  RecordFile file(Path().c_str());
  EXPECT_EQ(file.OpenForRead(), 0);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.GetCreator(), 0u);
  EXPECT_EQ(file.IsComplete(), 0);
}

struct DamageCase {
  std::string what;
  std::string secondChunk;  // follows a good first chunk
};

class RecordFileDamageTest : public testing::TestWithParam<DamageCase> {};

TEST_P(RecordFileDamageTest, BadSecondChunkSetsTheErrorFlagForGood) {
  TempFolder folder;
  std::string image = Header(0) + Chunk("GOOD", "g") + GetParam().secondChunk;
  folder.Write("test.rec", image);
  RecordFile file(folder.Game("test.rec").c_str());
  ASSERT_EQ(file.OpenForRead(), 1);
  EXPECT_EQ(file.GetChunkTag(), FourCC("DOOG"));
  EXPECT_EQ(file.NextChunk(), 0);
  EXPECT_TRUE(file.HasError());
  EXPECT_EQ(file.NextChunk(), 0);
  EXPECT_EQ(file.FirstChunk(), 0);
  char record[16];
  EXPECT_EQ(file.ReadChunkData(record, sizeof record), 0);
  EXPECT_EQ(file.Close(), 1);
  ASSERT_EQ(file.OpenForRead(), 1);  // the flag outlives closing
  EXPECT_EQ(file.FirstChunk(), 0);
  EXPECT_EQ(file.CountChunks(), 0u);
}

std::vector<DamageCase> DamageCases() {
  std::vector<DamageCase> cases;
  for (uint32_t length = 0; length < 8; ++length)
    cases.push_back({"length " + std::to_string(length), "BADL" + Le(length) + "12345678"});
  cases.push_back({"negative length", "BADN" + Le(0xFFFFFFF0) + "12345678"});
  cases.push_back({"past the end", "BADE" + Le(100) + "12345678"});
  for (size_t left = 1; left < 8; ++left)
    cases.push_back({std::to_string(left) + " bytes of header", std::string("BAD7\x09\x00\x00", left)});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Damage, RecordFileDamageTest, testing::ValuesIn(DamageCases()),
                         [](const testing::TestParamInfo<DamageCase>& info) {
                           std::string name = info.param.what;
                           for (char& c : name)
                             if (c == ' ') c = '_';
                           return name;
                         });

TEST_F(RecordFileTest, ChunkRecordsCarryTagAndLength) {
  folder.Write("test.rec", Header(0) + Chunk("ABCD", "0123456789"));
  struct {
    uint32_t tag;
    int32_t length;
    char data[4];
  } record{};
  RecordFile file(Path().c_str());
  ASSERT_EQ(file.OpenForRead(), 1);
  EXPECT_EQ(file.ReadChunkRecord(&record, 7), 0);  // too small for tag and length
  EXPECT_EQ(record.tag, 0u);
  ASSERT_EQ(file.ReadChunkRecord(&record, sizeof record), 1);
  EXPECT_EQ(record.tag, FourCC("DCBA"));
  EXPECT_EQ(record.length, 18);
  EXPECT_EQ(std::string(record.data, 4), "0123");
}

TEST_F(RecordFileTest, WriteChunkRecordSetsItsLength) {
  struct {
    uint32_t tag;
    int32_t length;
    char data[3];
  } record{FourCC("RECD"), 0, {'a', 'b', 'c'}};
  RecordFile file(Path().c_str());
  ASSERT_EQ(file.OpenForWrite(kCreator, kType, 1), 1);
  EXPECT_EQ(file.WriteChunkRecord(&record, 3), 1);
  EXPECT_EQ(record.length, 11);
  ASSERT_EQ(file.Close(), 1);
  EXPECT_EQ(folder.Read("test.rec").substr(28), Chunk("DCER", "abc"));
}

TEST_F(RecordFileTest, TaggedChunkSearchStartsAfterTheFirstChunk) {
  folder.Write("test.rec",
               Header(0) + Chunk("AAAA", "1") + Chunk("BBBB", "2") + Chunk("AAAA", "3") + Chunk("AAAA", "4"));
  RecordFile file(Path().c_str());
  ASSERT_EQ(file.OpenForRead(), 1);
  char value = 0;
  EXPECT_EQ(ReadTaggedChunk(file, FourCC("AAAA"), &value, 1), 1);
  EXPECT_EQ(value, '3');
  EXPECT_EQ(ReadNextTaggedChunk(file, FourCC("AAAA"), &value, 1), 1);
  EXPECT_EQ(value, '4');
  EXPECT_EQ(ReadNextTaggedChunk(file, FourCC("AAAA"), &value, 1), 0);
  EXPECT_EQ(file.FindChunk(FourCC("AAAA")), 1);
  EXPECT_EQ(file.GetChunkIndex(), 0u);
  EXPECT_EQ(file.FindChunk(FourCC("BBBB")), 1);
  EXPECT_EQ(file.GetChunkIndex(), 1u);
  EXPECT_EQ(file.GoToChunk(3), 1);
  EXPECT_EQ(file.GetChunkIndex(), 3u);
  EXPECT_EQ(file.GoToChunk(9), 1);  // steps past the end fail and leave the last chunk
  EXPECT_EQ(file.GetChunkIndex(), 3u);
}

TEST_F(RecordFileTest, IncompleteFileIsDetected) {
  folder.Write("test.rec", Header(28) + Chunk("AAAA", "1"));  // length field never patched
  RecordFile file(Path().c_str());
  EXPECT_EQ(file.IsComplete(), 0);
  EXPECT_TRUE(file.IsOpen());
}

TEST_F(RecordFileTest, MisuseIsRefused) {
  RecordFile unnamed;
  EXPECT_EQ(unnamed.OpenForWrite(1, 1, 1), 0);
  EXPECT_EQ(unnamed.OpenForRead(), 0);
  EXPECT_EQ(unnamed.Close(), 0);
  folder.Write("test.rec", Header(28));
  RecordFile file(Path().c_str());
  ASSERT_EQ(file.OpenForRead(), 1);
  EXPECT_EQ(file.OpenForRead(), 0);
  EXPECT_EQ(file.WriteChunk(1, "x", 1), 0);  // not open for writing
  EXPECT_EQ(file.FinishWrite(), 0);
}

}  // namespace
