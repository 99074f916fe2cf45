#include "prediction/interval_code.h"

#include <gtest/gtest.h>

#include <limits>

namespace foresta {
namespace {

std::string Code(std::int64_t index, int p, int style) {
  std::string s;
  AppendIntervalCode(index, p, style, s);
  return s;
}

TEST(IntervalCodeTest, WidthAndIndexInSinglePrecision) {
  float w = IntervalWidth(10.0f, 0.0f, 5);
  EXPECT_FLOAT_EQ(w, 2.4f);
  EXPECT_EQ(IntervalIndex(10.0f, 0.0f, w), 4);
  EXPECT_EQ(IntervalIndex(4.7f, 0.0f, w), 1);
  EXPECT_EQ(IntervalWidth(3.0f, 1.0f, 3), 0.8888889f);
  // A constant variable: the value itself, truncated toward zero.
  EXPECT_EQ(IntervalIndex(-2.7f, -2.7f, IntervalWidth(-2.7f, -2.7f, 5)), -2);
  // Infinities and NaN never reach an undefined conversion.
  EXPECT_EQ(IntervalIndex(std::numeric_limits<float>::infinity(), 0.0f, 0.0f),
            2147483647);
  EXPECT_EQ(TruncateTowardZero(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(IntervalCodeTest, ThreeStylesAndTheirDecoding) {
  EXPECT_EQ(Code(1, 5, kStylePlus), "00011");
  EXPECT_EQ(Code(1, 5, kStyleMinus), "11110");
  EXPECT_EQ(Code(1, 5, kStyleZero), "01000");
  EXPECT_EQ(Code(4, 5, kStylePlus), "11111");
  EXPECT_EQ(Code(4, 5, kStyleMinus), "10000");
  EXPECT_EQ(DecodedIndex(5, kStylePlus, 2, 4), 1);
  EXPECT_EQ(DecodedIndex(5, kStyleMinus, 4, 3), 1);
  EXPECT_EQ(DecodedIndex(5, kStyleZero, 1, 1), 1);
  EXPECT_EQ(DecodedIndex(5, kStyleZero, 0, -1), 0);
  // Indices outside the intervals give all or no ones, never a bad write.
  EXPECT_EQ(Code(7, 5, kStylePlus), "11111");
  EXPECT_EQ(Code(-3, 5, kStylePlus), "00000");
  EXPECT_EQ(Code(9, 5, kStyleMinus), "00000");
  EXPECT_EQ(Code(-1, 5, kStyleMinus), "11111");
  EXPECT_EQ(Code(5, 5, kStyleZero), "00000");
}

}  // namespace
}  // namespace foresta
