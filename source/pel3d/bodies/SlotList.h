#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

// A fixed-capacity list of object pointers in which every listed object keeps the address
// of its own entry (the member Slot), so that adding and removing take constant time.
// Removing moves the last entry into the hole, so the order is not kept.
template <class T, std::size_t Capacity, T** T::*Slot>
class SlotList {
public:
  // Appends the object and stores its entry in it; null when the list is full.
  T* Add(T* item) {
    if (mCount == Capacity) return nullptr;
    mEntries[mCount] = item;
    item->*Slot = &mEntries[mCount];
    ++mCount;
    return item;
  }

  // Removes the object when its slot is a listed entry that holds it; otherwise does
  // nothing. The vacated last entry and the removed object's slot are cleared, so a second
  // removal finds nothing.
  bool Remove(T* item) {
    T** slot = item->*Slot;
    if (!IsListedEntry(slot) || *slot != item) return false;
    T* last = mEntries[mCount - 1];
    *slot = last;
    last->*Slot = slot;
    mEntries[mCount - 1] = nullptr;
    --mCount;
    item->*Slot = nullptr;
    return true;
  }

  std::size_t Count() const { return mCount; }
  // The object in entry index, or null at or beyond the count.
  T* At(std::size_t index) const { return index < mCount ? mEntries[index] : nullptr; }

private:
  bool IsListedEntry(T** slot) const {
    const std::less<T* const*> before;
    return slot && !before(slot, mEntries.data()) && before(slot, mEntries.data() + mCount);
  }

  std::array<T*, Capacity> mEntries{};
  std::size_t mCount = 0;
};
