#include "Drovane/toolkit/DisplayResolution.h"

int32_t gResolution = 1;

platform::Rect RootRectForResolution(int32_t resolution) {
  switch (resolution) {
    case 2: return {0, 0, 800, 600};
    case 3: return {0, 0, 1024, 768};
    default: return {0, 0, 640, 480};
  }
}
