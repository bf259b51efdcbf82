#pragma once
#include <cstdint>

class Array2D;

// Every named array, found by its four-character name code. An array takes a slot from its
// construction (or load) to its destruction.
class sArrayTable {
public:
  static constexpr int kSlots = 1024;

  // The first array whose code equals code (characters -1) or whose first characters
  // characters equal those of code; null when none.
  static Array2D* Find(uint32_t code, int32_t characters = -1);
  // Takes the first free slot; false when none is left.
  static bool Register(Array2D* array);
  // Empties the array's own slot.
  static void Unregister(const Array2D* array);
  // Other registered arrays with the array's name code.
  static int32_t CountOthersNamed(const Array2D* array);
  static int32_t Count();
};
