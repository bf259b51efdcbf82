#include "X/File/ArrayTable.h"

#include <array>
#include <memory>

#include "X/File/Array2D.h"
#include "X/Y/XAssert.h"

namespace {

using Slots = std::array<Array2D*, sArrayTable::kSlots>;

// Made, all empty, when first needed.
Slots& TheSlots() {
  static std::unique_ptr<Slots> slots;
  if (!slots) slots = std::make_unique<Slots>(Slots{});
  return *slots;
}

}  // namespace

Array2D* sArrayTable::Find(uint32_t code, int32_t characters) {
  int32_t shift = characters == -1 ? 0 : (4 - characters) * 8;
  if (shift < 0 || shift > 31) {
    X_ASSERT("weird number of characters shifting?");
    return nullptr;
  }
  for (Array2D* array : TheSlots())
    if (array && array->NameCode() >> shift == code >> shift) return array;
  return nullptr;
}

bool sArrayTable::Register(Array2D* array) {
  if (Find(array->NameCode())) X_ASSERT("4-char array naming conflict");
  for (Array2D*& slot : TheSlots()) {
    if (slot) continue;
    slot = array;
    return true;
  }
  X_ASSERT("apparently no non-zero arrays left in sArrayTable");
  return false;
}

void sArrayTable::Unregister(const Array2D* array) {
  for (Array2D*& slot : TheSlots())
    if (slot == array) slot = nullptr;
}

int32_t sArrayTable::CountOthersNamed(const Array2D* array) {
  int32_t count = 0;
  for (Array2D* other : TheSlots())
    if (other && other != array && other->NameCode() == array->NameCode()) ++count;
  return count;
}

int32_t sArrayTable::Count() {
  int32_t count = 0;
  for (Array2D* array : TheSlots())
    if (array) ++count;
  return count;
}
