#include "Drovane/JoystickSetRecord.h"

#include <algorithm>
#include <cstring>

#include "platform/ByteOrder.h"

namespace {

constexpr uint32_t kMaxJoysticks = 16;
constexpr size_t kNameSize = 32;
constexpr size_t kCountSize = 4;

}  // namespace

std::vector<uint8_t> EncodeJoystickSet(const std::vector<std::string>& names) {
  uint32_t count = static_cast<uint32_t>(std::min<size_t>(names.size(), kMaxJoysticks));
  std::vector<uint8_t> bytes(kCountSize + count * kNameSize, 0);
  platform::WriteLE32(bytes.data(), count);
  for (uint32_t index = 0; index < count; ++index) {
    const std::string& name = names[index];
    std::memcpy(&bytes[kCountSize + index * kNameSize], name.data(), std::min(name.size(), kNameSize - 1));
  }
  return bytes;
}

bool DecodeJoystickSet(const void* data, uint32_t size, std::vector<std::string>& names) {
  names.clear();
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  if (!bytes || size < kCountSize) return false;
  uint32_t count = platform::ReadLE32(bytes);
  if (count > kMaxJoysticks || size != kCountSize + count * kNameSize) return false;
  for (uint32_t index = 0; index < count; ++index) {
    const uint8_t* field = bytes + kCountSize + index * kNameSize;
    const void* end = std::memchr(field, 0, kNameSize);
    if (!end) {
      names.clear();
      return false;
    }
    names.emplace_back(reinterpret_cast<const char*>(field), static_cast<const uint8_t*>(end) - field);
  }
  return true;
}
