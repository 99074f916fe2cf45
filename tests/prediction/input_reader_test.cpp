#include "prediction/input_reader.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ScopedTempDir;
using testing::WriteFile;

// Every number of a file several buffers long, in every form the reader
// takes, comes back with the value its text has, wherever the buffer ends.
TEST(InputReaderTest, NumbersReadTheSameAcrossBufferEnds) {
  ScopedTempDir dir;
  std::mt19937 rng(3);
  std::string text = "*numbers*\n1\n";
  std::vector<float> expected;
  const char* blanks[] = {"\n", " ", "\t", "\r\n", "  \n "};
  while (text.size() < 3 * 65536) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.*f", static_cast<int>(rng() % 4),
                  static_cast<double>(rng() % 1000000) / 7.0);
    float value = 0;
    std::from_chars(digits, digits + std::string(digits).size(), value, std::chars_format::fixed);
    switch (rng() % 5) {
      case 0: text += "-"; value = -value; break;
      case 1: text += "- "; value = -value; break;
      case 2: text += "+"; break;
      default: break;
    }
    text += digits;
    text += blanks[rng() % 5];
    expected.push_back(value);
  }
  text += "1e";  // a malformed last item, cut by the end of the file
  WriteFile("numbers.txt", text);

  InputReader reader;
  ASSERT_TRUE(reader.Open("numbers.txt"));
  ASSERT_EQ(reader.SkipComment(), 0);
  std::uint32_t count = 0;
  ASSERT_TRUE(reader.ReadCount(count));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    float value = std::numeric_limits<float>::quiet_NaN();
    ASSERT_EQ(reader.NextNumber(value), InputReader::Item::kNumber) << i;
    ASSERT_EQ(value, expected[i]) << i;
  }
  float value = 0;
  EXPECT_EQ(reader.NextNumber(value), InputReader::Item::kInvalid);
  EXPECT_EQ(reader.NextNumber(value), InputReader::Item::kEnd);
}

TEST(InputReaderTest, ValuesBeyondSinglePrecisionAndBadTokens) {
  ScopedTempDir dir;
  WriteFile("edge.txt", "*e*\n1\n" + std::string("1") + std::string(45, '0') + "\n0." +
                            std::string(50, '0') + "1\n12a4\n1.2.3\n7\n");
  InputReader reader;
  ASSERT_TRUE(reader.Open("edge.txt"));
  ASSERT_EQ(reader.SkipComment(), 0);
  std::uint32_t count = 0;
  ASSERT_TRUE(reader.ReadCount(count));
  float value = 0;
  ASSERT_EQ(reader.NextNumber(value), InputReader::Item::kNumber);
  EXPECT_EQ(value, std::numeric_limits<float>::infinity());
  ASSERT_EQ(reader.NextNumber(value), InputReader::Item::kNumber);
  EXPECT_EQ(value, 0.0f);
  EXPECT_EQ(reader.NextNumber(value), InputReader::Item::kInvalid);
  EXPECT_EQ(reader.NextNumber(value), InputReader::Item::kInvalid);
  ASSERT_EQ(reader.NextNumber(value), InputReader::Item::kNumber);
  EXPECT_EQ(value, 7.0f);
  EXPECT_EQ(reader.NextNumber(value), InputReader::Item::kEnd);
}

}  // namespace
}  // namespace foresta
