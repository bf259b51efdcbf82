#pragma once

namespace platform {

// Starts the TrueType library once for the process; false when it cannot start.
bool StartTrueType();

}  // namespace platform
