#include <gtest/gtest.h>

#include "Drovane/ByteList.h"
#include "Drovane/SmallValues.h"

namespace {

std::vector<int> Values(const ByteList& list) {
  std::vector<int> values;
  for (ByteList::Node* node = list.Head(); node; node = node->next) values.push_back(node->value);
  return values;
}

TEST(ByteList, RemovingAValueTakesOnlyTheFirst) {
  ByteList list;
  list.Append(1);
  list.Append(2);
  list.Append(1);
  list.RemoveValue(1);
  EXPECT_EQ(Values(list), (std::vector<int>{2, 1}));
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Tail()->previous, list.Head());
  list.RemoveValue(9);
  EXPECT_EQ(list.Count(), 2);
}

TEST(ByteList, IndexAndCursor) {
  ByteList list;
  for (uint8_t v : {10, 20, 30}) list.Append(v);
  EXPECT_EQ(list.NodeAt(3), nullptr);
  EXPECT_EQ(list.NodeAt(-1), nullptr);
  EXPECT_EQ(list.NodeAt(1)->value, 20);
  EXPECT_EQ(list.Cursor()->value, 20);
  list.RemoveAt(1);
  EXPECT_EQ(list.Cursor(), nullptr);
  EXPECT_EQ(Values(list), (std::vector<int>{10, 30}));
  list.RemoveAt(1);
  EXPECT_EQ(list.Tail()->value, 10);
  EXPECT_EQ(list.FindValue(30), nullptr);
  EXPECT_EQ(list.Cursor(), nullptr);
}

TEST(ByteList, ClearAndOnlyNode) {
  ByteList list;
  list.Append(7);
  list.RemoveValue(7);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Head(), nullptr);
  EXPECT_EQ(list.Tail(), nullptr);
  for (uint8_t v = 0; v < 5; ++v) list.Append(v);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Head(), nullptr);
  EXPECT_EQ(list.Tail(), nullptr);
  list.Append(3);  // usable again after clearing; the destructor frees it
  EXPECT_EQ(Values(list), (std::vector<int>{3}));
}

TEST(SmallValues, CompareByValue) {
  EXPECT_EQ(WordPair(), WordPair(0, 0));
  EXPECT_EQ(WordPair(1, 2), WordPair(1, 2));
  EXPECT_FALSE(WordPair(1, 2) == WordPair(2, 1));
  EXPECT_EQ(ScreenModeId(), ScreenModeId(0));
  EXPECT_FALSE(ScreenModeId(4) == ScreenModeId(6));
}

}  // namespace
