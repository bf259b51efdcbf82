#pragma once

namespace platform {

// True while a debugger is attached to the process.
bool IsDebuggerPresent();

// Breaks into the attached debugger; without one it does nothing, so a "Retry" answered
// on a machine without a debugger goes on as "Ignore".
void DebugBreak();

}  // namespace platform
