#pragma once
#include <cstdint>
#include <list>
#include <memory>

#include "X/File/ResFile.h"
#include "X/Y/XAssert.h"

// One list of loaded items (bodies, or private animations), newest first, with the resource
// file they load from and the resource type they are.
template <typename Item>
class cBList {
public:
  cBList() = default;
  ~cBList() {
    if (mCount != 0) X_ASSERT("count not 0 in cBList destructor!");
    for (Item* item : mItems) delete item;
  }
  cBList(const cBList&) = delete;
  cBList& operator=(const cBList&) = delete;

  // Puts the item at the front. Refused (false, reported) when an item of the list has the
  // same first three name characters; an item already in the list is not added again.
  bool Add(Item* item) {
    for (Item* other : mItems) {
      if (other == item) return true;
      if (other->NameCode() >> 8 != item->NameCode() >> 8) continue;
      X_ASSERT("the first 3 letters of a body's name must be unique");
      return false;
    }
    mItems.push_front(item);
    ++mCount;
    return true;
  }

  // Unlinks and deletes every item.
  void DeleteItems() {
    while (!mItems.empty()) {
      Item* item = mItems.front();
      mItems.pop_front();
      if (--mCount < 0) X_ASSERT("whoops");
      delete item;
    }
    if (mCount != 0) X_ASSERT("count not 0 in cBList delete!");
    mCount = 0;
  }

  // The item whose name code is code; null when none.
  Item* FindByCode(uint32_t code) const {
    for (Item* item : mItems)
      if (item->NameCode() == code) return item;
    return nullptr;
  }

  const std::list<Item*>& Items() const { return mItems; }
  int16_t Count() const { return mCount; }

  std::unique_ptr<ResFile> file;
  uint32_t type = 0;

private:
  std::list<Item*> mItems;
  int16_t mCount = 0;
};
