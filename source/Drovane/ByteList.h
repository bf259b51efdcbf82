#pragma once
#include <cstdint>

// An ordered list of byte values, such as the held keys in the order they were pressed.
// The cursor is the node most recently visited by a search.
class ByteList {
public:
  struct Node {
    uint8_t value;
    Node* previous;
    Node* next;
  };

  ByteList() = default;
  ~ByteList() { FreeAll(); }
  ByteList(const ByteList&) = delete;
  ByteList& operator=(const ByteList&) = delete;

  void Append(uint8_t value);
  // The first node holding the value, or null; the search leaves the cursor on it.
  Node* FindValue(uint8_t value);
  // The node at the index, or null when the index is past the end.
  Node* NodeAt(int32_t index);
  void RemoveNode(Node* node);
  // Removes the first node holding the value, when there is one.
  void RemoveValue(uint8_t value);
  void RemoveAt(int32_t index);
  void Clear();

  int32_t Count() const { return mCount; }
  Node* Head() const { return mHead; }
  Node* Tail() const { return mTail; }
  Node* Cursor() const { return mCursor; }

private:
  void FreeAll();

  int32_t mCount = 0;
  Node* mHead = nullptr;
  Node* mTail = nullptr;
  Node* mCursor = nullptr;
};
