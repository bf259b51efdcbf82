#include "platform/DataRoots.h"

#include <cstdlib>

#include "platform/Process.h"

#ifndef HALVORINE_DEFAULT_DATA_DIR
#define HALVORINE_DEFAULT_DATA_DIR "data"
#endif

namespace platform {

std::string SecondDataRoot() {
  const char* chosen = std::getenv("HALVORINE_DATA");
  std::string root = ToGamePath(chosen && chosen[0] ? chosen : HALVORINE_DEFAULT_DATA_DIR);
  if (root.back() != '\\') root += '\\';
  return root;
}

}  // namespace platform
