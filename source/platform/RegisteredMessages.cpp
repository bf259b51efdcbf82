#include "platform/RegisteredMessages.h"

#include <map>
#include <mutex>

#include "platform/FilePath.h"

namespace platform {
namespace {

constexpr uint32_t kFirstRegisteredMessage = 0xC000;
constexpr uint32_t kLastRegisteredMessage = 0xFFFF;

std::mutex gMessagesMutex;
std::map<std::string, uint32_t> gMessages;  // by lower-case name

}  // namespace

uint32_t RegisterWindowMessage(const std::string& name) {
  if (name.empty()) return 0;
  std::string key = name;
  for (char& c : key) c = ToLowerAscii(c);
  std::lock_guard lock(gMessagesMutex);
  auto found = gMessages.find(key);
  if (found != gMessages.end()) return found->second;
  uint32_t id = kFirstRegisteredMessage + static_cast<uint32_t>(gMessages.size());
  if (id > kLastRegisteredMessage) return 0;
  gMessages.emplace(key, id);
  return id;
}

}  // namespace platform
