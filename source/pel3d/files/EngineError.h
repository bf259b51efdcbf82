#pragma once
#include <cstdint>
#include <string>

// The loading layer's failure codes. A failing operation stores its code in the engine's
// last-error word and returns 0 or null; nothing clears the word.
enum EngineErrorCode : int32_t {
  kErrorNone = 0,
  kErrorOpenFailed = 1,  // a file could not be opened
  kErrorBadContent = 2,  // a file holds fewer bytes than asked for, or bytes not as required
  kErrorSeekFailed = 3,
  kErrorOutOfMemory = 4,
  kErrorNoChunk = 5,  // no chunk with the wanted tag
  kErrorBadTag = 6,  // a chunk's or a face record's tag is wrong
  kErrorNoGroup = 7,  // no group or colour map of that name
  kErrorNoBody = 8,  // no body of that id
  kErrorBodyRegistryFull = 9,
  kErrorGroupTooSmall = 10,  // a group's bodies needed more memory than it announced
  kErrorNotAGroup = 11,  // unknown kind word
  kErrorGroupListFull = 12,
  kErrorTextureIndex = 13,  // a face's texture lies beyond the bitmap group
  kErrorPoolListFull = 14,
};

// Beside the code, where the last failure happened, as far as the failing layers knew it:
// what failed, the file offset, and the group, body and face it was reading.
struct EngineErrorDetail {
  std::string what;  // empty when only the code is known
  int64_t offset = -1;  // -1: no file offset
  std::string group;  // the group's name, or "id N" for a body loaded by id
  int32_t body = -1;  // index in the group
  int32_t face = -1;  // index in the body
};

int32_t GetLastResourceError();
// Stores the code and forgets the detail of any earlier failure.
void SetLastResourceError(int32_t code);
const EngineErrorDetail& GetLastResourceErrorDetail();

// What a failing operation returns: 0, false or null, whichever the operation gives.
struct EngineFailure {
  operator bool() const { return false; }
  operator int() const { return 0; }
  template <class T>
  operator T*() const {
    return nullptr;
  }
};

// Stores the code with what failed (and the file offset, when there is one) and gives the
// failure to return.
EngineFailure EngineFail(int32_t code, const std::string& what, int64_t offset = -1);

// The layers a failure passes through add what they were reading.
void NoteErrorGroup(const std::string& group);
void NoteErrorBody(int32_t body);
void NoteErrorFace(int32_t face);

// A code's meaning in words.
const char* EngineErrorText(int32_t code);
// The last failure in one line: the code, its meaning and every part of the detail known.
std::string DescribeLastResourceError();
