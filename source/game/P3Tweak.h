#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Tuning: any part of the simulation registers the addresses of its tuning variables under
// a section name, and a tuning file (a profile file in the tuning folder) sets them by name
// and number, at world start and again on every live-tuning message.
//
// Per section the file holds "NumCtrl" (the number of values) and, per value i,
// "Ctrl<i>_Value" and "Ctrl<i>_DataType": "fxpt" (16.16 fixed point), "double", or anything
// else for a 32-bit integer. "Redirect" names another tuning file to read the section from.

constexpr int32_t kTweakMaxSections = 200;
constexpr int32_t kTweakMaxValues = 50;
constexpr size_t kTweakMaxNameLength = 49;
constexpr int32_t kTweakTooManySections = -101;
constexpr int32_t kTweakNoSection = -102;
constexpr int32_t kTweakTooManyValues = -103;
constexpr const char* kTweakMessageName = "VELKOTUNEBAY";
constexpr const char* kTweakFileName = "pel3d.twk";

// A registered variable: its address and its size, so a value of a type that needs another
// size is never written through it.
struct TweakVariable {
  void* pointer = nullptr;
  size_t size = 0;
};
// Fixed-point values and integers are 32-bit.
inline TweakVariable TweakVar(int32_t& variable) { return {&variable, sizeof variable}; }
inline TweakVariable TweakVar(double& variable) { return {&variable, sizeof variable}; }

// Registers the live-tuning window message and keeps its id; clears the registry and the
// errors. Called once at start-up before any section is registered. Returns the id.
uint32_t TweakRegisterMessage();
// The live-tuning message's id, for the main window to compare messages with; 0 before
// registration.
uint32_t TweakMessageId();

// Copies the variables and the name (cut to 49 characters) into the next record. Returns
// the new section count, or -101 with 200 sections registered, or -103 with more than 50
// values (nothing is stored then).
int32_t TweakRegisterSection(const TweakVariable* values, int32_t count, const char* name);

// Reads every registered section from the named file of the tuning folder, each from the
// file its "Redirect" key names when it has one. Returns the number of sections the named
// file holds.
size_t TweakReadAllSections(const char* fileName);
// Reads the section of that registry index from the named file. A section without
// "NumCtrl" is recorded as an error; a negative count and values beyond the registered
// ones are ignored.
void TweakReadSection(const char* fileName, const char* sectionName, int32_t index);
// Control-file reading: its [General Administration] "ReadFile" (default "ALL") and
// "ReadSection" may ask for one section from one file, once. Returns -102 when a section is
// asked for but not named, else the error count.
int32_t TweakReadFile(const char* fileName, bool singleSection);

// Sections found without "NumCtrl" since the count was last cleared (at most 200 kept).
int32_t TweakErrorCount();
const std::vector<int32_t>& TweakErrorList();
int32_t TweakSectionCount();

// Called after a live-tuning reload; nothing needs doing then.
void TweakAfterReload();
// What the live-tuning message does: every section from "pel3d.twk", then TweakAfterReload,
// and a console line naming the file and its number of sections. It never waits: while the
// world-loading thread holds its lock, the reload is only marked pending.
void TweakLiveReload();
// Whether a reload waits for a world to finish loading; each frame runs it once it can.
bool TweakReloadPending();

// Copies the source up to (not including) its first carriage return, or its end, into the
// destination of destSize bytes, and ends the copy with a zero. Returns the characters copied.
size_t TweakCopyLine(char* dest, size_t destSize, const char* source);
