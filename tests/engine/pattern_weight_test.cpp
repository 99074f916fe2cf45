#include "engine/pattern_weight.h"

#include <gtest/gtest.h>

namespace foresta {
namespace {

struct Expect {
  uint32_t n;
  int64_t d;
  uint32_t w;
};

// Values at the joints of every band: where listed values end, where each
// line starts and ends, and the first d that weighs nothing.
TEST(PatternWeightTest, JointsOfEveryBand) {
  const Expect cases[] = {
      {1, 0, 16},          {23, 4, 1},           {23, 5, 0},          {24, 0, 1024},
      {43, 10, 1},         {43, 11, 0},          {44, 13, 1},         {65, 14, 0},
      {66, 7, 256},        {66, 8, 237},         {100, 20, 9},        {100, 21, 0},
      {101, 15, 670},      {101, 16, 500},       {150, 30, 24},       {150, 31, 0},
      {151, 29, 560},      {151, 30, 470},       {225, 45, 20},       {225, 46, 0},
      {226, 33, 560},      {226, 34, 500},       {340, 58, 44},       {340, 59, 0},
      {341, 39, 6700},     {341, 40, 2400},      {510, 99, 40},       {510, 100, 0},
      {511, 15, 190000},   {511, 16, 256000},    {511, 67, 2080},     {511, 68, 2000},
      {1000, 150, 32},     {1000, 151, 0},       {1001, 0, 8000000},  {1001, 1, 5000000},
      {1001, 7, 4400000},  {1001, 8, 2800000},   {1001, 16, 700000},  {1001, 24, 350000},
      {1001, 32, 140000},  {1001, 37, 90000},    {1001, 38, 89000},   {1001, 39, 88000},
      {1001, 40, 80000},   {2000, 230, 4000},    {2000, 231, 0},      {2001, 12, 8000000},
      {2001, 24, 4000000}, {2001, 144, 16000},   {2001, 145, 15920},  {3400, 343, 80},
      {3400, 344, 0},      {3401, 4, 21000000},  {3401, 16, 16000000}, {3401, 164, 64000},
      {5100, 500, 160},    {5100, 501, 0},       {5101, 1, 62000000}, {5101, 15, 34000000},
      {5101, 256, 64000},  {7000, 700, 64},      {7000, 701, 0},      {7001, 224, 128000},
      {9300, 923, 2180},   {9300, 924, 0},       {9301, 32, 32000000}, {9301, 47, 30500000},
      {14000, 1323, 128},  {14000, 1324, 0},     {14001, 31, 66000000}, {21000, 320, 1000000},
      {21000, 1783, 100},  {21000, 1784, 0},     {21001, 0, 256000000}, {31000, 3083, 150},
      {31000, 3084, 0},    {31501, 0, 512000000}, {47000, 4883, 200},  {47000, 4884, 0},
      {47001, 0, 1024000000}, {70000, 6383, 100}, {70000, 6384, 0},   {70001, 0, 2048000000},
      {99999, 31, 1056000000}, {99999, 5584, 1000000}, {99999, 9585, 0},
  };
  for (const Expect& e : cases) {
    EXPECT_EQ(PatternWeight(e.d, e.n), e.w) << "n=" << e.n << " d=" << e.d;
  }
}

TEST(PatternWeightTest, OutsideTheDomainWeighsNothing) {
  EXPECT_EQ(PatternWeight(-1, 50), 0u);
  EXPECT_EQ(PatternWeight(0, 0), 0u);
  EXPECT_EQ(PatternWeight(0, 100000), 0u);
}

TEST(PatternWeightTest, LengthsJustAbove31000TakeTheBandBelow) {
  for (int64_t d : {0, 1, 100, 1084, 3083, 3084}) {
    EXPECT_EQ(PatternWeight(d, 31001), PatternWeight(d, 31000)) << d;
    EXPECT_EQ(PatternWeight(d, 31500), PatternWeight(d, 31000)) << d;
  }
}

TEST(PatternWeightTest, InterpolatedBandsDescendThroughTheirAnchors) {
  for (uint32_t n : {2001u, 3401u}) {
    for (int64_t d = 1; d < 600; ++d) {
      EXPECT_LT(PatternWeight(d, n), PatternWeight(d - 1, n) + (PatternWeight(d - 1, n) == 0))
          << "n=" << n << " d=" << d;
    }
  }
  // Halfway between 4000000 (d = 24) and 2000000 (d = 36).
  EXPECT_EQ(PatternWeight(30, 2001), 3000000u);
  // A third of the way from 8000000 (d = 12) to 4000000 (d = 24), truncated.
  EXPECT_EQ(PatternWeight(16, 2001), 8000000u - 4000000u * 4 / 12);
  EXPECT_EQ(PatternWeight(10, 3401), 18500000u);
}

TEST(PatternWeightTest, TableMatchesFunction) {
  for (uint32_t n : {20u, 50u, 333u, 2500u, 31200u, 99999u}) {
    const std::vector<uint32_t> table = PatternWeightTable(n);
    ASSERT_EQ(table.size(), n + 1u);
    for (uint32_t d = 0; d <= n; d += 1 + d / 7) EXPECT_EQ(table[d], PatternWeight(d, n));
  }
}

}  // namespace
}  // namespace foresta
