#pragma once
#include <cstdint>
#include <string>

// Where the program's resources (raw data by numeric id) are: "halvorine.res" beside the
// program, a record file whose chunks each hold one resource, tagged with its id. The
// framework reads it with its record-file reader.
namespace platform {

constexpr const char* kResourceFileName = "halvorine.res";
// The codes of the resource file's header, as the record file stores them.
constexpr uint32_t kResourceCreator = 0x484C5652;  // "HLVR"
constexpr uint32_t kResourceFileType = 0x52535243;  // "RSRC"
constexpr uint32_t kResourceTypeVersion = 1;

// The resource file in the program's folder (game form); empty when the program's own path
// is unknown.
std::string ProgramResourceFilePath();

}  // namespace platform
