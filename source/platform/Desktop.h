#pragma once

namespace platform {

// True when a desktop display can be reached: a graphical session is named in the
// environment and SDL is not told to use its headless drivers.
bool HasDesktopDisplay();

}  // namespace platform
