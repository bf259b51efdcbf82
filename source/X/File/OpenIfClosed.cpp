#include "X/File/OpenIfClosed.h"

#include <cstring>

#include "X/Y/XAssert.h"

bool OpenIfClosed(FlatResFile* file) {
  if (file->IsOpen()) return false;
  uint8_t name[kPStrBufferSize];
  std::memcpy(name, file->Name(), file->Name()[0] + 1u);
  if (file->Open(name) != 0) {
    X_ASSERT("couldn't open file");
    return false;
  }
  return true;
}
