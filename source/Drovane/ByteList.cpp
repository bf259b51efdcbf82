#include "Drovane/ByteList.h"

void ByteList::Append(uint8_t value) {
  Node* node = new Node{value, mTail, nullptr};
  if (mTail) {
    mTail->next = node;
  } else {
    mHead = node;
    mCursor = node;
  }
  mTail = node;
  ++mCount;
}

ByteList::Node* ByteList::FindValue(uint8_t value) {
  for (mCursor = mHead; mCursor; mCursor = mCursor->next) {
    if (mCursor->value == value) return mCursor;
  }
  return nullptr;
}

ByteList::Node* ByteList::NodeAt(int32_t index) {
  if (index < 0 || index >= mCount) return nullptr;
  mCursor = mHead;
  for (int32_t step = 0; step < index; ++step) mCursor = mCursor->next;
  return mCursor;
}

void ByteList::RemoveNode(Node* node) {
  if (!node) return;
  if (node->previous) node->previous->next = node->next;
  else mHead = node->next;
  if (node->next) node->next->previous = node->previous;
  else mTail = node->previous;
  if (mCursor == node) mCursor = nullptr;
  --mCount;
  delete node;
}

void ByteList::RemoveValue(uint8_t value) { RemoveNode(FindValue(value)); }

void ByteList::RemoveAt(int32_t index) { RemoveNode(NodeAt(index)); }

void ByteList::Clear() {
  while (mHead) RemoveNode(mHead);
}

void ByteList::FreeAll() {
  Node* node = mHead;
  while (node) {
    Node* next = node->next;
    delete node;
    node = next;
  }
}
