#include "pel3d/files/ResourceFileFormat.h"

#include <cstring>

#include "platform/FilePath.h"

std::string StoredGroupName(const char* stored) {
  return std::string(stored, strnlen(stored, kGroupNameSize));
}

bool GroupNameEquals(const char* stored, const std::string& name) {
  return platform::EqualIgnoringCase(StoredGroupName(stored), name);
}
