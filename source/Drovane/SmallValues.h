#pragma once
#include <cstdint>

// A pair of 32-bit words.
struct WordPair {
  uint32_t first = 0;
  uint32_t second = 0;

  WordPair() = default;
  WordPair(uint32_t a, uint32_t b) : first(a), second(b) {}
  bool operator==(const WordPair&) const = default;
};

// A mode code of the application's mode stack.
struct ScreenModeId {
  uint32_t mode = 0;

  ScreenModeId() = default;
  explicit ScreenModeId(uint32_t code) : mode(code) {}
  bool operator==(const ScreenModeId&) const = default;
};

// The deleter handed on as a function pointer: destroys the object through its virtual
// destructor, when there is one.
template <class T>
void DeleteObject(T* object) {
  delete object;
}
