#pragma once
#include <cstdint>
#include <functional>
#include <string>

// The people library's assertion report. Every cannot-happen condition of the library goes
// through it; the user may answer Ignore, and the failing operation then returns its error.

// The code that callers pass when the assertion carries no code of its own.
constexpr int32_t kNoAssertCode = 573573;

// What a handler is told of one assertion: the parts and the text as the box shows it.
struct XAssertReport {
  std::string file;
  int32_t line;
  std::string message;
  int32_t code;
  std::string text;
};

// Formats the report, writes it to the debug log and asks the handler for an answer
// (platform::IDABORT, IDRETRY or IDIGNORE). Abort ends the program with status 3, Retry
// breaks into an attached debugger; both Retry and Ignore return to the caller.
void XAssert(const char* file, int32_t line, const char* message, int32_t code = kNoAssertCode);

// The text of the box: "failure in file F, line L: M", the message cut to 175 characters,
// then " (C)" when the code is not kNoAssertCode.
std::string FormatXAssert(const char* file, int32_t line, const char* message, int32_t code);

// The default handler shows an Abort/Retry/Ignore box captioned "ASSERT"; tests install one
// that records the report, fuzz targets one that answers Ignore. An empty handler restores
// the box.
using XAssertHandler = std::function<int(const XAssertReport& report)>;
void SetXAssertHandler(XAssertHandler handler);

#define X_ASSERT(message) XAssert(__FILE__, __LINE__, (message))
#define X_ASSERT_CODE(message, code) XAssert(__FILE__, __LINE__, (message), (code))
