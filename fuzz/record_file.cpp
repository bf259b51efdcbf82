// The record-file reader and the preferences file on arbitrary bytes.
#include <cstdint>
#include <vector>

#include "Drovane/PrefsFile.h"
#include "Drovane/RecordFile.h"
#include "FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = WriteFuzzFile("input.rec", data, size);

  RecordFile file(path.c_str());
  file.GetCreator();
  if (file.OpenForRead()) {
    file.IsComplete();
    std::vector<uint8_t> buffer(64);
    for (bool more = true; more; more = file.NextChunk()) {
      file.ReadChunkData(buffer.data(), buffer.size());
      file.ReadChunkRecord(buffer.data(), buffer.size());
      file.ReadChunkRecord(buffer.data(), 4);
    }
    file.FindChunk(FourCC("HELI"));
    ReadTaggedChunk(file, FourCC("MSSN"), buffer.data(), buffer.size());
    file.GoToChunk(3);
    file.PreviousChunk();
    file.CountChunks();
    file.Close();
  }

  PrefsFile prefs;
  prefs.Load(path);
  for (const PrefsRecord& record : prefs.Records()) prefs.GetData(record.id);
  return 0;
}
