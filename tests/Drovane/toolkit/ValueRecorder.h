#pragma once
#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

#include "Drovane/toolkit/CommandReceiver.h"

// Records each command's code and the value its address points to at the time, since the
// sender may be gone once the dispatch is over. It may run an action on each command.
class ValueRecorder : public CommandReceiver {
public:
  struct Entry {
    int32_t code;
    int32_t value;
    bool operator==(const Entry&) const = default;
  };

  int32_t DoCommand(GraphicWindow* sender, int32_t, int32_t code, intptr_t value) override {
    entries.push_back({code, value ? *reinterpret_cast<const int32_t*>(value) : kNoValue});
    if (action) action(sender);
    return 0;
  }

  // The entries so far, and a fresh start.
  std::vector<Entry> Take() {
    std::vector<Entry> taken = std::move(entries);
    entries.clear();
    return taken;
  }

  static constexpr int32_t kNoValue = INT32_MIN;
  std::vector<Entry> entries;
  std::function<void(GraphicWindow*)> action;
};

inline std::ostream& operator<<(std::ostream& out, const ValueRecorder::Entry& entry) {
  return out << "{0x" << std::hex << entry.code << std::dec << ", " << entry.value << "}";
}
