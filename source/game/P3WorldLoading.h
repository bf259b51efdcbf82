#pragma once
#include <mutex>

// Held by the world-loading thread for as long as it builds a world. Work on the main thread
// that must not meet a half-built world (the live-tuning reload) takes it with try_lock
// and, while a world loads, puts itself off instead of holding up the frame.
std::mutex& WorldLoadingMutex();
