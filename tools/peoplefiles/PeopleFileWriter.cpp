#include "peoplefiles/PeopleFileWriter.h"

#include <algorithm>

#include "X/File/ResMap.h"
#include "peoplefiles/BigEndianWriter.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"

namespace {

constexpr uint32_t kLargestDataOffset = 0xFFFFFF;
constexpr uint32_t kLargestListOffset = 0xFFFF;
constexpr uint32_t kLargestNameOffset = 0x7FFF;

uint32_t TypeCode(const std::string& type) {
  uint32_t code = 0;
  for (char c : type) code = code << 8 | static_cast<uint8_t>(c);
  return code;
}

}  // namespace

bool PeopleFileWriter::AddResource(const std::string& type, int16_t id, const std::string& name,
                                   const std::vector<uint8_t>& bytes, uint8_t attributes) {
  if (type.size() != 4 || name.size() > 255) return false;
  mResources.push_back({TypeCode(type), id, name, attributes, bytes});
  return true;
}

std::vector<uint8_t> PeopleFileWriter::ArrayBytes(uint16_t entrySize, uint16_t rows, uint16_t columns,
                                                  const std::vector<uint8_t>& entries) {
  BigEndianWriter out;
  out.U16(entrySize);
  out.U16(rows);
  out.U16(columns);
  out.U16(0);
  out.Zeros(4u * rows);
  out.Bytes(entries);
  return out.Result();
}

bool PeopleFileWriter::AddArray(const std::string& type, int16_t id, const std::string& name, uint16_t entrySize,
                                uint16_t rows, uint16_t columns, const std::vector<uint8_t>& entries) {
  if (entries.size() != static_cast<size_t>(rows) * columns * entrySize) return false;
  return AddResource(type, id, name, ArrayBytes(entrySize, rows, columns, entries));
}

std::vector<uint32_t> PeopleFileWriter::Types() const {
  std::vector<uint32_t> types;
  for (const Resource& resource : mResources)
    if (std::find(types.begin(), types.end(), resource.type) == types.end()) types.push_back(resource.type);
  return types;
}

std::vector<uint8_t> PeopleFileWriter::Build() const {
  // The map must lie past the data, so a file holds at least one resource.
  if (mResources.empty()) return {};
  std::vector<uint32_t> types = Types();
  BigEndianWriter data;
  BigEndianWriter references;
  BigEndianWriter names;
  BigEndianWriter typeList;
  uint32_t referencesBefore = 0;
  for (uint32_t type : types) {
    uint32_t count = 0;
    for (const Resource& resource : mResources) {
      if (resource.type != type) continue;
      if (data.Size() > kLargestDataOffset || names.Size() > kLargestNameOffset) return {};
      references.U16(static_cast<uint16_t>(resource.id));
      references.U16(resource.name.empty() ? 0xFFFF : static_cast<uint16_t>(names.Size()));
      references.U8(resource.attributes);
      references.U24(data.Size());
      references.U32(0);
      if (!resource.name.empty()) names.PString(resource.name);
      data.U32(static_cast<uint32_t>(resource.bytes.size()));
      data.Bytes(resource.bytes);
      ++count;
    }
    uint32_t listOffset = 2 + kResTypeEntrySize * static_cast<uint32_t>(types.size()) + kResReferenceSize * referencesBefore;
    if (listOffset > kLargestListOffset) return {};
    typeList.U32(type);
    typeList.U16(static_cast<uint16_t>(count - 1));
    typeList.U16(static_cast<uint16_t>(listOffset));
    referencesBefore += count;
  }
  uint32_t mapOffset = kResDataOffset + data.Size();
  uint32_t mapLength = kResMapBytesStart + typeList.Size() + references.Size() + names.Size();
  if (mapOffset + mapLength >= kResFileLimit) return {};

  BigEndianWriter header;
  header.U32(kResDataOffset);
  header.U32(mapOffset);
  header.U32(data.Size());
  header.U32(mapLength);

  BigEndianWriter file;
  file.Bytes(header.Result());
  file.Zeros(kResDataOffset - header.Size());
  file.Bytes(data.Result());
  file.Bytes(header.Result());
  file.U32(0);  // next map
  file.U16(0);  // file reference
  file.U16(0);  // attributes
  file.U16(static_cast<uint16_t>(kResMapHeaderSize));
  file.U16(static_cast<uint16_t>(kResMapBytesStart + typeList.Size() + references.Size()));
  file.U16(static_cast<uint16_t>(types.size() - 1));
  file.Bytes(typeList.Result());
  file.Bytes(references.Result());
  file.Bytes(names.Result());
  return file.Result();
}

bool PeopleFileWriter::Save(const std::string& gamePath) const {
  std::vector<uint8_t> bytes = Build();
  return !bytes.empty() && platform::SaveWholeFile(gamePath, bytes.data(), bytes.size(),
                                                     platform::kPermissionReadableByAll);
}
