#include "pel3d/files/EngineError.h"

namespace {

int32_t gLastResourceError = kErrorNone;

}  // namespace

int32_t GetLastResourceError() { return gLastResourceError; }

void SetLastResourceError(int32_t code) { gLastResourceError = code; }
