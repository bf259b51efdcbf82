#pragma once
#include <cstdint>

// The loading layer's failure codes. A failing operation stores its code in the engine's
// last-error word and returns 0 or null; nothing clears the word.
enum EngineErrorCode : int32_t {
  kErrorNone = 0,
  kErrorOpenFailed = 1,  // a file could not be opened
  kErrorShortRead = 2,  // a read came short, or a bitmap file is not as required
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

int32_t GetLastResourceError();
void SetLastResourceError(int32_t code);
