#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/FileHandle.h"

// Files read or saved whole. A save never destroys the file it replaces: it writes a
// temporary sibling, puts its bytes on the disk, renames it over the file only when every
// byte was written, and then puts the folder's new entry on the disk too, so neither a
// failed write nor a power cut leaves a half-written file behind.
namespace platform {

// The name a file is written under before it replaces the file itself.
std::string TemporarySibling(const std::string& gamePath);
// Reads a whole file; false when it cannot be opened or read, or holds more than maxSize bytes.
bool ReadWholeFile(const std::string& gamePath, std::string& contents, size_t maxSize = SIZE_MAX);
// Saves the bytes through a temporary sibling; a new file gets the permission bits, an
// existing one keeps its own.
bool SaveWholeFile(const std::string& gamePath, const void* data, size_t size,
                   int permission = kPermissionReadWrite);
// The last steps of every save: flushes the temporary sibling's open handle and closes it,
// then renames the sibling over the file and flushes the folder. Without success (or when
// the caller's writing failed) the sibling is removed and the file stays as it was.
bool CommitTemporarySibling(int handle, bool written, const std::string& temporary,
                            const std::string& gamePath);

}  // namespace platform
