#include "game/P3WorldLoading.h"

std::mutex& WorldLoadingMutex() {
  static std::mutex mutex;
  return mutex;
}
