#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "Drovane/DebugLog.h"
#include "Drovane/FourCharCode.h"
#include "game/world/ByteRunCoding.h"
#include "game/world/CityArrays.h"
#include "game/world/CityChunks.h"
#include "game/world/CityFile.h"
#include "game/world/CityMiscWords.h"
#include "platform/BigEndian.h"

using platform::ReadBE32;

namespace {

constexpr size_t kHeaderSize = 12;
constexpr size_t kChunkHeaderSize = 8;
constexpr int32_t kLabelLongest = 23;

// An open file, closed when it goes.
class OpenCityFile {
public:
  explicit OpenCityFile(const std::string& path) : mHandle(platform::OpenFile(path, platform::kFileRead)) {}
  ~OpenCityFile() {
    if (mHandle >= 0) platform::CloseFile(mHandle);
  }
  OpenCityFile(const OpenCityFile&) = delete;
  OpenCityFile& operator=(const OpenCityFile&) = delete;

  bool IsOpen() const { return mHandle >= 0; }
  int64_t Length() const { return platform::FileLength(mHandle); }
  bool Read(void* bytes, size_t size) { return platform::ReadFile(mHandle, bytes, size) == static_cast<int64_t>(size); }
  bool Skip(uint64_t size) { return platform::SeekFile(mHandle, static_cast<int64_t>(size), 1) >= 0; }

private:
  int mHandle;
};

// The FORM length of the header, or a reason; the header must fit the file.
std::string ReadHeader(OpenCityFile& file, int64_t fileLength, uint64_t& formLength) {
  uint8_t header[kHeaderSize];
  if (!file.Read(header, sizeof header)) return "header: cut short";
  if (ReadBE32(header) != FourCC("FORM")) return "header: no FORM tag";
  if (ReadBE32(header + 8) != FourCC("MVDH")) return "header: no MVDH tag";
  formLength = ReadBE32(header + 4);
  if (formLength < 4) return "FORM: length " + std::to_string(formLength) + " leaves no room for MVDH";
  if (formLength + 8 > static_cast<uint64_t>(fileLength)) {
    return "FORM: length " + std::to_string(formLength) + " runs past the end of the file (" +
           std::to_string(fileLength) + " bytes)";
  }
  return {};
}

// Walks the chunks of a city file and fills the arrays from them.
class CityFileReader {
public:
  CityFileReader(OpenCityFile& file, CityArrays& city) : mFile(file), mCity(city) {}

  std::string Read(uint64_t formLength) {
    for (uint64_t counter = 4; counter < formLength;) {
      uint8_t header[kChunkHeaderSize];
      if (!mFile.Read(header, sizeof header)) return "chunk header at byte " + std::to_string(counter + 8) + " cut short";
      uint32_t tag = ReadBE32(header);
      uint64_t length = ReadBE32(header + 4);
      counter += kChunkHeaderSize + length;
      std::string fault = counter > formLength ? "length " + std::to_string(length) + " runs past the end of the FORM"
                                               : ReadChunk(tag, length);
      if (!fault.empty()) return CityChunkName(tag) + ": " + fault;
    }
    if (!mMiscRead) return "MISC: missing";
    return {};
  }

  bool LabelsRead() const { return mLabelsRead; }
  bool NameRead() const { return mNameRead; }

private:
  std::string ReadChunk(uint32_t tag, uint64_t length) {
    const CityChunk* chunk = FindCityChunk(tag);
    if (!chunk) return mFile.Skip(length) ? "" : "cannot skip its data";
    std::memset(mDecoded, 0, sizeof mDecoded);
    std::string fault = chunk->runCoded ? ReadRuns(*chunk, length) : ReadStored(*chunk, length);
    if (!fault.empty()) return fault;
    StoreCityChunk(mCity, *chunk, mDecoded);
    if (tag == FourCC("MISC")) return TakeMiscWords();
    if (tag == FourCC("XLAB")) mLabelsRead = true;
    if (tag == FourCC("CNAM")) TakeName(length);
    return {};
  }

  // A stored chunk fills its array as far as it goes; bytes beyond the array are skipped.
  std::string ReadStored(const CityChunk& chunk, uint64_t length) {
    size_t kept = static_cast<size_t>(std::min<uint64_t>(length, chunk.size));
    if (!mFile.Read(mDecoded, kept)) return "data cut short";
    return mFile.Skip(length - kept) ? "" : "cannot skip its data";
  }

  // The header check keeps every length inside the file, so the coded bytes take no more
  // memory than the file's size.
  std::string ReadRuns(const CityChunk& chunk, uint64_t length) {
    std::vector<uint8_t> coded(static_cast<size_t>(length));
    if (!mFile.Read(coded.data(), coded.size())) return "data cut short";
    return DecodeByteRuns(coded.data(), coded.size(), mDecoded, chunk.size);
  }

  // The length byte is trusted only as far as the chunk and the name's 31 characters go.
  void TakeName(uint64_t length) {
    uint64_t characters = std::min<uint64_t>(length, kCityNameSize) - (length > 0 ? 1 : 0);
    mCity.CityStr[0] = static_cast<uint8_t>(std::min<uint64_t>(mCity.CityStr[0], characters));
    mNameRead = true;
  }

  std::string TakeMiscWords() {
    int32_t format = mCity.MiscInfo[kMiscFormatWord];
    if (format != kCityFormatNumber) return "format number " + std::to_string(format) + " is not 290";
    for (int word = 0; word < kMiscWordCount; ++word) mCity.MiscInfo[word] = KeepMiscWidth(word, mCity.MiscInfo[word]);
    SpreadMiscWords(mCity);
    mMiscRead = true;
    return {};
  }

  OpenCityFile& mFile;
  CityArrays& mCity;
  uint8_t mDecoded[kLargestCityChunk];
  bool mMiscRead = false;
  bool mLabelsRead = false;
  bool mNameRead = false;
};

// The file's name without folder and extension, cut to a city name's 31 characters.
std::string NameFromPath(const std::string& path) {
  size_t start = path.find_last_of("\\/");
  std::string name = path.substr(start == std::string::npos ? 0 : start + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return name;
}

void SetGraphMaxima(CityArrays& city) {
  for (int g = 0; g < kGraphCount; ++g) {
    city.GraphVod[g] = std::max(0, *std::max_element(city.GraphData[g], city.GraphData[g] + kGraphLength));
  }
  for (int g = 1; g <= 3; ++g) city.GraphVod[g] = city.GraphVod[0];
}

// Each label is cut to 23 characters and ended by a zero byte.
void EndLabels(CityArrays& city) {
  for (uint8_t* label : city.auxPtr6) {
    label[0] = static_cast<uint8_t>(std::min<int32_t>(label[0], kLabelLongest));
    label[1 + label[0]] = 0;
  }
}

std::string ReadCity(const std::string& path, CityArrays& city) {
  if (IsNetworkCityFile(path)) return "network city files are not supported";
  OpenCityFile file(path);
  if (!file.IsOpen()) return "cannot open: " + platform::LastFileFailure();
  uint64_t formLength = 0;
  std::string fault = ReadHeader(file, file.Length(), formLength);
  if (!fault.empty()) return fault;
  auto reader = std::make_unique<CityFileReader>(file, city);
  fault = reader->Read(formLength);
  if (!fault.empty()) return fault;
  if (!reader->NameRead() || city.CityStr[0] == 0) SetCityName(city.CityStr, NameFromPath(path));
  SetCityName(city.CityStr, CityNameText(city.CityStr));
  SetGraphMaxima(city);
  if (reader->LabelsRead()) {
    EndLabels(city);
  } else {
    std::memset(city.auxPtr6, 0, sizeof city.auxPtr6);
  }
  return {};
}

std::string ProbeCity(const std::string& path) {
  OpenCityFile file(path);
  if (!file.IsOpen()) return "cannot open: " + platform::LastFileFailure();
  int64_t fileLength = file.Length();
  uint64_t formLength = 0;
  std::string fault = ReadHeader(file, fileLength, formLength);
  if (!fault.empty()) return fault;
  for (uint64_t counter = 4; counter < formLength;) {
    uint8_t header[kChunkHeaderSize];
    if (!file.Read(header, sizeof header)) return "chunk header at byte " + std::to_string(counter + 8) + " cut short";
    uint64_t length = ReadBE32(header + 4);
    counter += kChunkHeaderSize + length;
    std::string name = CityChunkName(ReadBE32(header));
    if (counter > formLength) return name + ": length " + std::to_string(length) + " runs past the end of the FORM";
    if (!file.Skip(length)) return name + ": cannot skip its data";
  }
  return {};
}

bool Report(const std::string& path, const std::string& fault, std::string* reason) {
  if (reason) *reason = fault;
  if (fault.empty()) return true;
  DebugPrintf("City file %s: %s", path.c_str(), fault.c_str());
  return false;
}

}  // namespace

bool CityFileRead(const std::string& path, CityArrays& city, std::string* reason) {
  std::memset(&city, 0, sizeof city);
  return Report(path, ReadCity(path, city), reason);
}

bool CityFileProbe(const std::string& path, std::string* reason) { return Report(path, ProbeCity(path), reason); }

bool IsNetworkCityFile(const std::string& path) {
  OpenCityFile file(path);
  uint8_t tag[4];
  return file.IsOpen() && file.Read(tag, sizeof tag) && ReadBE32(tag) == FourCC("MVX ");
}
