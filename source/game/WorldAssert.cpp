#include "game/WorldAssert.h"

#include <utility>

#include "Drovane/DebugLog.h"
#include "platform/Debugger.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"

namespace {

WorldAssertRecorder& Recorder() {
  static WorldAssertRecorder recorder;
  return recorder;
}

std::string BaseName(const char* path) {
  std::string name(path);
  size_t slash = name.find_last_of("/\\");
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

void ShowAssertionBox(const WorldAssertion& assertion) {
  std::string text = "failure in file " + assertion.file + ", line " + std::to_string(assertion.line) + ": " +
                     assertion.expression;
  int answer = platform::ShowMessageBox(text, "ASSERT", platform::MB_ABORTRETRYIGNORE);
  if (answer == platform::IDABORT) platform::TerminateAbnormally(text.c_str());
  if (answer == platform::IDRETRY) platform::DebugBreak();
}

}  // namespace

bool WorldCheck(bool condition, const char* expression, const char* file, int line) {
  if (condition) return true;
  WorldAssertion assertion{expression, BaseName(file), line};
  DebugPrintf("Assertion failed: %s, file %s, line %d\n", expression, assertion.file.c_str(), line);
  if (Recorder()) {
    Recorder()(assertion);
  } else {
    ShowAssertionBox(assertion);
  }
  return false;
}

void SetWorldAssertRecorder(WorldAssertRecorder recorder) { Recorder() = std::move(recorder); }
