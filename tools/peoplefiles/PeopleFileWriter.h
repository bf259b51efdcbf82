#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Builds a people resource file ("People.df", "PrivAnim.df"): the header, each resource's
// length and bytes from offset 256, then the map with its type list (types in the order
// first added), the reference lists (resources in the order added) and the name list.
// Every number is written big-endian byte by byte.
class PeopleFileWriter {
public:
  // type: four characters; name: up to 255 characters, empty for a nameless resource.
  // False for a bad type or name.
  bool AddResource(const std::string& type, int16_t id, const std::string& name, const std::vector<uint8_t>& bytes,
                   uint8_t attributes = 0);
  // A named array: its header (entry size, rows, columns, a pad word), a zero slot per row,
  // then the entries, which must be rows x columns x entry size bytes, each already in the
  // file's byte order. False when the entries do not fit the dimensions.
  bool AddArray(const std::string& type, int16_t id, const std::string& name, uint16_t entrySize, uint16_t rows,
                uint16_t columns, const std::vector<uint8_t>& entries);

  // The file's bytes; empty when there is no resource or the resources outgrow the
  // format's offsets.
  std::vector<uint8_t> Build() const;
  // Writes the file at a game path; false when it cannot be built or written.
  bool Save(const std::string& gamePath) const;

  // The bytes of an array resource, for tests that alter one.
  static std::vector<uint8_t> ArrayBytes(uint16_t entrySize, uint16_t rows, uint16_t columns,
                                         const std::vector<uint8_t>& entries);

private:
  struct Resource {
    uint32_t type;
    int16_t id;
    std::string name;
    uint8_t attributes;
    std::vector<uint8_t> bytes;
  };

  std::vector<uint32_t> Types() const;

  std::vector<Resource> mResources;
};
