#include "engine/dchar_list.h"

#include <gtest/gtest.h>

namespace foresta {
namespace {

TEST(DCharListTest, EntriesCrossChunkBoundaries) {
  DCharList list;
  EXPECT_TRUE(list.isEmpty());
  EXPECT_EQ(list.cursor(), -1);
  for (int32_t i = 0; i < 2 * DCharList::kChunkSize + 5; ++i) list.append(i * 3);
  EXPECT_EQ(list.last(), 2 * DCharList::kChunkSize + 4);
  EXPECT_EQ(list.at(DCharList::kChunkSize), DCharList::kChunkSize * 3);
  EXPECT_EQ(list.at(DCharList::kChunkSize - 1), (DCharList::kChunkSize - 1) * 3);
  list.rewind();
  list.advance(DCharList::kChunkSize);
  EXPECT_EQ(list.current(), DCharList::kChunkSize * 3);

  DCharList::Reader reader(list, DCharList::kChunkSize - 2);
  EXPECT_EQ(reader.Next(), (DCharList::kChunkSize - 2) * 3);
  EXPECT_EQ(reader.Next(), (DCharList::kChunkSize - 1) * 3);
  EXPECT_EQ(reader.Next(), DCharList::kChunkSize * 3);
  reader.Skip(DCharList::kChunkSize);
  EXPECT_EQ(reader.Next(), (2 * DCharList::kChunkSize + 1) * 3);
}

TEST(DCharListTest, AppendWritesBehindTheCursorAndKeepsLast) {
  DCharList list;
  for (int32_t v : {10, 20, 30, 40}) list.append(v);
  list.rewind();
  list.advance();
  list.append(99);  // replaces the entry at index 2
  EXPECT_EQ(list.cursor(), 2);
  EXPECT_EQ(list.last(), 3);
  EXPECT_EQ(list.at(1), 20);
  EXPECT_EQ(list.at(2), 99);
  EXPECT_EQ(list.at(3), 40);
  list.stepBack(2);
  EXPECT_EQ(list.current(), 10);
}

TEST(DCharListTest, ClearFreesEverything) {
  DCharList list;
  for (int i = 0; i < 20000; ++i) list.append(i);
  EXPECT_GE(list.MemoryBytes(), 2u * DCharList::kChunkSize * sizeof(int32_t));
  list.clear();
  EXPECT_TRUE(list.isEmpty());
  EXPECT_EQ(list.cursor(), -1);
  EXPECT_EQ(list.MemoryBytes(), 0u);
  list.append(7);
  EXPECT_EQ(list.at(0), 7);
}

TEST(DCharListTest, ExhaustionThrowsAndLeavesTheListIntact) {
  DCharList list;
  list.SetChunkLimit(1);
  for (int i = 0; i < DCharList::kChunkSize; ++i) list.append(i);
  EXPECT_THROW(list.append(1), std::bad_alloc);
  EXPECT_EQ(list.last(), DCharList::kChunkSize - 1);
  EXPECT_EQ(list.cursor(), DCharList::kChunkSize - 1);
  EXPECT_EQ(list.at(DCharList::kChunkSize - 1), DCharList::kChunkSize - 1);
}

}  // namespace
}  // namespace foresta
