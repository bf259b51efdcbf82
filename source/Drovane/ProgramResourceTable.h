#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The program's resources in memory, read once from the resource file with the record-file
// reader.
using ResourceTable = std::map<uint32_t, std::vector<uint8_t>>;

// Reads a resource file into the table. Every header and length is checked; on any fault
// the table is left empty and the reason is given. Of two resources with the same id the
// first is kept.
bool ReadResourceFile(const std::string& path, ResourceTable& table, std::string& error);

// The resource of that id, or null. The file is read on the first call, from the program's
// folder unless SetResourceFile named another.
const std::vector<uint8_t>* FindProgramResource(uint32_t id);
// Names the resource file to read (game form; empty for the program's own) and forgets what
// was read before.
void SetResourceFile(const std::string& path);
