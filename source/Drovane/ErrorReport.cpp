#include "Drovane/ErrorReport.h"

#include <cstdio>

#include "Drovane/DebugLog.h"
#include "platform/Debugger.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"

namespace {

ErrorTextLookup& TextLookup() {
  static ErrorTextLookup lookup;
  return lookup;
}

std::string ErrorText(uint32_t id, const std::string& fallback) {
  std::string text;
  if (TextLookup() && TextLookup()(id, text)) return text.substr(0, 255);
  return fallback;
}

constexpr uint32_t kCaptionStringId = 666;

}  // namespace

void SetErrorTextLookup(ErrorTextLookup lookup) { TextLookup() = std::move(lookup); }

void ReportError(uint32_t code, bool fatal) {
  if (code == kNoError) {
    DebugPrintf("Assertion failed: Error != kNoError");
    return;
  }
  if ((code & 0x80000000u) == 0) return;
  uint32_t number = code & 0x7FFFFFFFu;
  char numeric[32];
  std::snprintf(numeric, sizeof numeric, "Error Code: %lu", static_cast<unsigned long>(number));
  std::string text = ErrorText(number, numeric);
  std::string caption = ErrorText(kCaptionStringId, "Error!");
  platform::ShowMessageBox(text, caption,
                           platform::MB_OK | platform::MB_ICONEXCLAMATION | platform::MB_TASKMODAL);
  DebugPrintf("%s\n", text.c_str());
  if (fatal) platform::TerminateAbnormally();
}

void ShowProgramError() {
  int answer = platform::ShowMessageBox(
      "Unrecoverable Program Error. Select 'Retry' to debug the application.", "Program Error",
      platform::MB_ABORTRETRYIGNORE);
  if (answer == platform::IDABORT) platform::TerminateAbnormally();
  if (answer == platform::IDRETRY) platform::DebugBreak();
}
