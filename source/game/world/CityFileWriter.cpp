#include <memory>
#include <vector>

#include "Drovane/FourCharCode.h"
#include "game/world/ByteRunCoding.h"
#include "game/world/CityArrays.h"
#include "game/world/CityChunks.h"
#include "game/world/CityFile.h"
#include "game/world/CityMiscWords.h"
#include "platform/BigEndian.h"
#include "platform/WholeFile.h"

namespace {

void AppendBE32(std::vector<uint8_t>& bytes, uint32_t value) {
  uint8_t field[4];
  platform::WriteBE32(field, value);
  bytes.insert(bytes.end(), field, field + 4);
}

void AppendChunk(std::vector<uint8_t>& file, const CityArrays& city, const CityChunk& chunk) {
  uint8_t decoded[kLargestCityChunk];
  LoadCityChunk(city, chunk, decoded);
  std::vector<uint8_t> data = chunk.runCoded ? EncodeByteRuns(decoded, chunk.size)
                                             : std::vector<uint8_t>(decoded, decoded + chunk.size);
  AppendBE32(file, chunk.tag);
  AppendBE32(file, static_cast<uint32_t>(data.size()));
  file.insert(file.end(), data.begin(), data.end());
}

std::vector<uint8_t> CityFileBytes(const CityArrays& city) {
  auto written = std::make_unique<CityArrays>(city);
  CollectMiscWords(city, written->MiscInfo);
  std::vector<uint8_t> file;
  AppendBE32(file, FourCC("FORM"));
  AppendBE32(file, 0);
  AppendBE32(file, FourCC("MVDH"));
  for (const CityChunk& chunk : CityChunks()) AppendChunk(file, *written, chunk);
  platform::WriteBE32(file.data() + 4, static_cast<uint32_t>(file.size() - 8));
  return file;
}

}  // namespace

bool CityFileWrite(const std::string& path, const CityArrays& city, int permission) {
  std::vector<uint8_t> file = CityFileBytes(city);
  return platform::SaveWholeFile(path, file.data(), file.size(), permission);
}
