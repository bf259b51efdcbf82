#pragma once
#include <cstdint>
#include <string>

#include "Drovane/PrefsFile.h"

// The bytes of preferences files, good and damaged, for the tests that read them.
namespace prefsbytes {

inline std::string Le(uint32_t value) {
  return std::string{static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                     static_cast<char>(value >> 24)};
}

// The record file's header with the codes as they are on disk.
inline std::string Header(const std::string& creator, const std::string& type, uint32_t version, uint32_t length) {
  return "VIFF" + Le(2) + creator + type + Le(version) + Le(length) + Le(1);
}

inline const std::string kWarningChunk = Le(0) + Le(49) + std::string(PrefsFile::kWarning, 41);

// A file of the warning and one record of the given data.
inline std::string WithRecord(uint32_t id, const std::string& data, uint32_t version = PrefsFile::kTypeVersion) {
  std::string chunks = kWarningChunk + Le(id) + Le(static_cast<uint32_t>(8 + data.size())) + data;
  return Header("TRVD", "PREF", version, static_cast<uint32_t>(28 + chunks.size())) + chunks;
}

}  // namespace prefsbytes
