#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "interchange/date_text.h"
#include "interchange/number_text.h"

namespace foresta {
namespace {

float Value(std::string_view text, bool decimalComma = false) {
  CellValue cell = ReadCell(text, decimalComma);
  EXPECT_EQ(cell.kind, CellKind::kNumber) << text;
  return cell.value;
}

CellKind KindOf(std::string_view text, bool decimalComma = false) {
  return ReadCell(text, decimalComma).kind;
}

TEST(ReadCellTest, ReadsTheNumbersSpreadsheetsWrite) {
  EXPECT_EQ(Value("150"), 150.0f);
  EXPECT_EQ(Value("1.5e2"), 150.0f);
  EXPECT_EQ(Value("1.5E+2"), 150.0f);
  EXPECT_EQ(Value("-2.5e-3"), -0.0025f);
  EXPECT_EQ(Value("+7"), 7.0f);
  EXPECT_EQ(Value(".5"), 0.5f);
  EXPECT_EQ(Value("5."), 5.0f);
  EXPECT_EQ(Value("  42 \t"), 42.0f);
  EXPECT_EQ(Value("1,25", true), 1.25f);
  EXPECT_EQ(Value("-3,5e1", true), -35.0f);
}

TEST(ReadCellTest, TellsMissingFromText) {
  for (const char* missing : {"", "  ", "NA", "na", "N/A", "#N/A", "NaN", "null", "None", "-"}) {
    EXPECT_EQ(KindOf(missing), CellKind::kMissing) << missing;
  }
  for (const char* text : {"abc", "1.2.3", "1,5", "e5", "1e", "1e+", "inf", "Infinity",
                           "0x10", "--1", "1 2", "12%", "$5", "+"}) {
    EXPECT_EQ(KindOf(text), CellKind::kText) << text;
  }
  // With decimal commas a point is not a separator.
  EXPECT_EQ(KindOf("1.5", true), CellKind::kText);
}

TEST(ReadCellTest, RefusesWhatSinglePrecisionCannotHold) {
  EXPECT_EQ(KindOf("1e39"), CellKind::kOutOfRange);
  EXPECT_EQ(KindOf("-3.5e38"), CellKind::kOutOfRange);
  EXPECT_EQ(KindOf("1e-50"), CellKind::kOutOfRange);
  EXPECT_EQ(KindOf("3.4e38"), CellKind::kNumber);
  EXPECT_EQ(KindOf("1e-40"), CellKind::kNumber);  // subnormal, still held
  EXPECT_EQ(KindOf("0e-99"), CellKind::kNumber);  // zero is zero
}

TEST(PlainDecimalTest, WritesWithoutExponent) {
  EXPECT_EQ(PlainDecimal(150.0f), "150");
  EXPECT_EQ(PlainDecimal(1e-7f), "0.0000001");
  EXPECT_EQ(PlainDecimal(0.1f), "0.1");
  EXPECT_EQ(PlainDecimal(-2.5f), "-2.5");
  EXPECT_EQ(PlainDecimal(0.0f), "0");
  EXPECT_EQ(PlainDecimal(-0.0f), "0");
  EXPECT_EQ(PlainDecimal(123456789.0f), "123456790");
  EXPECT_EQ(PlainDecimal(1e30f), "1000000000000000000000000000000");
  EXPECT_EQ(PlainDecimal(96.27f), "96.27");
}

// Every kind of float, from subnormals to the largest, reads back exactly
// from its plain decimal, through the same reader the input test uses.
TEST(PlainDecimalTest, ReadsBackToTheSameFloat) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<std::uint32_t> bits;
  int checked = 0;
  while (checked < 200000) {
    const std::uint32_t b = bits(random);
    float f;
    std::memcpy(&f, &b, sizeof f);
    if (!std::isfinite(f)) continue;
    const std::string text = PlainDecimal(f);
    ASSERT_EQ(text.find_first_not_of("-.0123456789"), std::string::npos) << text;
    float back = 0.0f;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), back,
                                     std::chars_format::fixed);
    ASSERT_EQ(ec, std::errc()) << text;
    ASSERT_EQ(back, f) << text;
    ++checked;
  }
  EXPECT_EQ(PlainDecimal(std::numeric_limits<float>::denorm_min()).size(), 47u);
}

TEST(DateTextTest, KnowsIsoAndDayMonthYearDates) {
  for (const char* date : {"2024-03-31", "2024/03/31", "2024-03", "2024-03-31T12:00:00Z",
                           "2024-03-31 08:15", "31/03/2024", "31.03.2024", "1-3-24",
                           "03/31/2024"}) {
    EXPECT_TRUE(IsDateText(date)) << date;
  }
  for (const char* other : {"2024", "2024-13-01", "2024-03-32", "31/13/2024", "13/13/2024",
                            "1.5", "12-05", "2024-03-31x", "31/03/202", "abc"}) {
    EXPECT_FALSE(IsDateText(other)) << other;
  }
  EXPECT_EQ(WholeYear("1999"), 1999);
  EXPECT_EQ(WholeYear("999"), 0);
  EXPECT_EQ(WholeYear("3000"), 0);
  EXPECT_EQ(WholeYear("2000.5"), 0);
}

}  // namespace
}  // namespace foresta
