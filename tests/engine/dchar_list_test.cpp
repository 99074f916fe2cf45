#include "engine/dchar_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

// appendAll is a run of append calls: across chunk boundaries, behind a
// rewound cursor, and up to the chunk that cannot be had.
TEST(DCharListTest, AppendAllIsAppendOneByOne) {
  DCharList one, all;
  std::vector<int32_t> values(2 * DCharList::kChunkSize + 17);
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<int32_t>(i * 7 % 1001);
  for (int32_t v : values) one.append(v);
  for (std::size_t at = 0; at < values.size(); at += 61) {
    all.appendAll(&values[at], std::min<int64_t>(61, static_cast<int64_t>(values.size() - at)));
  }
  ASSERT_EQ(all.last(), one.last());
  EXPECT_EQ(all.cursor(), one.cursor());
  for (int64_t i = 0; i <= one.last(); ++i) ASSERT_EQ(all.at(i), one.at(i)) << i;

  all.rewind();
  const int32_t two[] = {-1, -2};
  all.appendAll(two, 2);  // indexes 1 and 2
  EXPECT_EQ(all.cursor(), 2);
  EXPECT_EQ(all.last(), one.last());
  EXPECT_EQ(all.at(0), values[0]);
  EXPECT_EQ(all.at(2), -2);
  EXPECT_EQ(all.at(3), values[3]);

  DCharList limited;
  limited.SetChunkLimit(1);
  EXPECT_THROW(limited.appendAll(values.data(), DCharList::kChunkSize + 3), std::bad_alloc);
  EXPECT_EQ(limited.last(), DCharList::kChunkSize - 1);
  EXPECT_EQ(limited.at(DCharList::kChunkSize - 1), values[DCharList::kChunkSize - 1]);
}

}  // namespace
}  // namespace foresta
