#include "platform/SystemVersion.h"

namespace platform {

uint32_t GetVersion() { return 0x00000004; }

}  // namespace platform
