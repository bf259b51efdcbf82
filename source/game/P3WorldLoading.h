#pragma once
#include <mutex>

// Held by the world-loading thread for as long as it builds a world. Work on the main thread
// that must not meet a half-built world (the live-tuning reload) takes it too, and so waits
// until loading has finished.
std::mutex& WorldLoadingMutex();
