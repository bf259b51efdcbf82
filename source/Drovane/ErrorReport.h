#pragma once
#include <cstdint>
#include <functional>
#include <string>

// Framework error codes: 0 is no error; a reportable error has the top bit set and its low
// 31 bits are its number, which doubles as the id of its text in the string table.
constexpr uint32_t kNoError = 0;
constexpr uint32_t kErrorFailure = 0x80000000;
constexpr uint32_t kErrorMemoryPool = 0x80000001;
constexpr uint32_t kErrorCursor = 0x80000007;

// Shows a framework error to the user in a message box and logs its text; a fatal error
// then ends the program with status 3. Codes without the top bit are not reported.
void ReportError(uint32_t code, bool fatal);

// The fixed box shown when one of the game's large allocations fails: Abort ends the
// program, Retry breaks into a debugger when one is attached, Ignore returns.
void ShowProgramError();

// Where ReportError finds its texts: the string table once the languages are loaded.
// A lookup answers false when it has no text of that id.
using ErrorTextLookup = std::function<bool(uint32_t id, std::string& text)>;
void SetErrorTextLookup(ErrorTextLookup lookup);

// Names of the display and sound result codes for the debug log: " Error = NAME\n"
// ("(unknown)" for a code outside the tables) followed by the caller's message.
std::string GetDirectDrawErrorName(uint32_t result, const char* message);
std::string GetDirectSoundErrorName(uint32_t result, const char* message);
void ReportDirectDrawError(uint32_t result, const char* message);
void ReportDirectSoundError(uint32_t result, const char* message);
