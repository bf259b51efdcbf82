#include "platform/ProgramResources.h"

#include "platform/Process.h"

namespace platform {

std::string ProgramResourceFilePath() {
  std::string module = GetModuleFileName();
  size_t slash = module.rfind('\\');
  return slash == std::string::npos ? std::string() : module.substr(0, slash + 1) + kResourceFileName;
}

}  // namespace platform
