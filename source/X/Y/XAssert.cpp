#include "X/Y/XAssert.h"

#include <cstdio>
#include <mutex>

#include "Drovane/DebugLog.h"
#include "platform/Debugger.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"

namespace {

constexpr size_t kLongestMessage = 175;

// Assertions come from the loading thread as well as the main thread.
std::mutex gHandlerLock;

XAssertHandler& Handler() {
  static XAssertHandler handler;
  return handler;
}

int ShowAssertBox(const XAssertReport& report) {
  return platform::ShowMessageBox(report.text, "ASSERT", platform::MB_ABORTRETRYIGNORE);
}

XAssertHandler CurrentHandler() {
  std::lock_guard<std::mutex> hold(gHandlerLock);
  return Handler();
}

}  // namespace

std::string FormatXAssert(const char* file, int32_t line, const char* message, int32_t code) {
  std::string cut = std::string(message ? message : "").substr(0, kLongestMessage);
  std::string text = "failure in file " + std::string(file ? file : "") + ", line " + std::to_string(line) +
                     ": " + cut;
  if (code != kNoAssertCode) text += " (" + std::to_string(code) + ")";
  return text;
}

void SetXAssertHandler(XAssertHandler handler) {
  std::lock_guard<std::mutex> hold(gHandlerLock);
  Handler() = std::move(handler);
}

void XAssert(const char* file, int32_t line, const char* message, int32_t code) {
  XAssertReport report{file ? file : "", line, message ? message : "", code,
                       FormatXAssert(file, line, message, code)};
  DebugPrintf("%s\n", report.text.c_str());
  XAssertHandler handler = CurrentHandler();
  int answer = handler ? handler(report) : ShowAssertBox(report);
  if (answer == platform::IDABORT) platform::TerminateAbnormally();
  if (answer == platform::IDRETRY) platform::DebugBreak();
}
