#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The program's resources (raw data by numeric id), kept in "halvorine.res" beside the
// program: a record file whose chunks each hold one resource, tagged with its id.
namespace platform {

using ResourceTable = std::map<uint32_t, std::vector<uint8_t>>;

constexpr const char* kResourceFileName = "halvorine.res";
// The codes of the resource file's header, as the record file stores them.
constexpr uint32_t kResourceCreator = 0x484C5652;  // "HLVR"
constexpr uint32_t kResourceFileType = 0x52535243;  // "RSRC"
constexpr uint32_t kResourceTypeVersion = 1;

// Reads a resource file's image into the table. Every length is checked against the image;
// on any fault the table is left empty and the reason is given. Of two resources with the
// same id the first is kept.
bool ParseResourceFile(const uint8_t* data, size_t size, ResourceTable& table,
                       std::string& error);

// The resource of that id, or null. The file is read on the first call, from the program's
// folder unless SetResourceFile named another.
const std::vector<uint8_t>* FindProgramResource(uint32_t id);
// Names the resource file to read (game form) and forgets what was read before.
void SetResourceFile(const std::string& gamePath);

}  // namespace platform
