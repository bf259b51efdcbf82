#pragma once
#include <cstdint>
#include <string>

namespace platform {

// Registered window messages: every name gets an id of its own from 0xC000 on, and the same
// name (ignoring letter case) always gives the same id. 0 when the ids are used up or the
// name is empty.
uint32_t RegisterWindowMessage(const std::string& name);

}  // namespace platform
