#include "prediction/encoders.h"
#include "prediction/interval_code.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

class EncodersTest : public ::testing::Test {
 protected:
  EncodeRequest Request(int precision, int trend) {
    EncodeRequest r;
    r.inputFile = "input.txt";
    r.precision = precision;
    r.trend = trend;
    return r;
  }
  ScopedTempDir dir_;
  PredictionState state_;
};

// The small examples below have fewer than 20 neurons, which the input test
// refuses; they go through the stage after the test.
int Tested(EncoderKind kind, const EncodeRequest& request, int style,
           PredictionState& state, int rows) {
  return EncodeTestedInput(kind, request, style, state, rows);
}

TEST_F(EncodersTest, LinearWorkedExampleByteForByte) {
  WriteFile("input.txt", "*test*\n1\n1\n2\n3\n");
  EXPECT_EQ(EncodeLinear(Request(3, 2), kStyleZero, state_), kEncodeInputRefused);
  ASSERT_EQ(Tested(EncoderKind::kLinear, Request(3, 2), kStyleZero, state_, 3),
            kEncodeOk);
  EXPECT_EQ(ReadFile("example1.trn"), "*test*\n6\n100 010 \n010 001 \n\n");
  EXPECT_EQ(ReadFile("example1.rtn"), "*test*\n6\n100 010 ");
  EXPECT_EQ(ReadFile("example1.rec"), "*test*\n001 xxx ");
  EXPECT_EQ(ReadFile("example1.usd"), "*test*\n3   3\n100\n 010\n 001\n ");
  EXPECT_FLOAT_EQ(state_.ValueMaxima[0], 3.0f);
  EXPECT_FLOAT_EQ(state_.ValueMinima[0], 1.0f);
  EXPECT_FLOAT_EQ(state_.Table(0, 0), 3.0f);
}

TEST_F(EncodersTest, PreambleAndCommentAreCopiedVerbatim) {
  WriteFile("input.txt", "head\r\nline *a\tcomment\n*\n1\n1\n2\n3\n");
  ASSERT_EQ(Tested(EncoderKind::kLinear, Request(3, 2), kStylePlus, state_, 3),
            kEncodeOk);
  for (const char* name : {"example1.trn", "example1.rtn", "example1.rec", "example1.usd"}) {
    EXPECT_EQ(ReadFile(name).rfind("head\r\nline *a\tcomment\n*", 0), 0u) << name;
  }
}

TEST_F(EncodersTest, TwoVariablesInterleaveInRowOrder) {
  // Variable 2 is constant: its index is the value itself, whatever P is.
  WriteFile("input.txt", "**2\n0 1\n10 1\n4.7 1\n");
  ASSERT_EQ(EncodeLinear(Request(5, 2), kStylePlus, state_), kEncodeOk);
  // 0 -> 0, 10 -> 4 (10 / 2.4 = 4.17), 4.7 -> 1; the constant 1 -> index 1.
  EXPECT_EQ(ReadFile("example1.trn"),
            "**\n20\n00001 00011 11111 00011 \n11111 00011 00011 00011 \n\n");
  EXPECT_EQ(ReadFile("example1.usd"),
            "**\n10   3\n00001 00011\n 11111 00011\n 00011 00011\n ");
  EXPECT_EQ(ReadFile("example1.rec"), "**\n00011 00011 xxxxx xxxxx ");
  EXPECT_FLOAT_EQ(state_.Table(0, 0), 4.7f);
  EXPECT_FLOAT_EQ(state_.Table(0, 1), 1.0f);
}

TEST_F(EncodersTest, GrowthClampsAndEncodesRates) {
  // 0 -> 0.1, so 0.1 -> 5 is a rate of 49; 5 -> 10 is 1; 10 -> 5 is -0.5.
  WriteFile("input.txt", "**1\n0\n5\n10\n5\n");
  ASSERT_EQ(Tested(EncoderKind::kGrowth, Request(5, 2), kStyleZero, state_, 4),
            kEncodeOk);
  EXPECT_FLOAT_EQ(state_.ValueMaxima[0], 49.0f);
  EXPECT_FLOAT_EQ(state_.ValueMinima[0], -0.5f);
  EXPECT_FLOAT_EQ(state_.ValueMinima[1], 5.0f);  // the last value
  EXPECT_FLOAT_EQ(state_.Table(0, 0), -0.5f);
  // w = (49.5 + 9.9) / 5 = 11.88: 49 -> 4, 1 -> 0, -0.5 -> 0.
  EXPECT_EQ(ReadFile("example1.usd"), "**\n5   3\n00001\n 10000\n 10000\n ");
  EXPECT_EQ(ReadFile("example1.trn"), "**\n10\n00001 10000 \n10000 10000 \n\n");
  EXPECT_EQ(ReadFile("example1.rtn"), "**\n10\n00001 10000 ");
  EXPECT_EQ(ReadFile("example1.rec"), "**\n10000 xxxxx ");
}

TEST_F(EncodersTest, GrowthWithExactlyTrendRowsWritesNoTrainingVector) {
  WriteFile("input.txt", "**1\n1\n2\n3\n4\n5\n");
  ASSERT_EQ(EncodeGrowth(Request(4, 5), kStylePlus, state_), kEncodeOk);
  EXPECT_EQ(ReadFile("example1.trn"), "**\n20\n\n");
  ASSERT_EQ(EncodeLinear(Request(4, 5), kStylePlus, state_), kEncodeOk);
  std::string training = ReadFile("example1.trn");
  EXPECT_EQ(std::count(training.begin(), training.end(), '\n'), 4);
}

TEST_F(EncodersTest, EnumerativeListsEveryCombinationFirstVariableFastest) {
  WriteFile("input.txt", "**2\n1 1\n2 2\n3 3\n3 3\n");
  ASSERT_EQ(EncodeEnumerative(Request(3, 4), kStyleZero, state_), kEncodeOk);
  std::string usd = ReadFile("example1.usd");
  EXPECT_EQ(usd.rfind("**\n6   9\n100 100 \n010 100 \n001 100 \n100 010 \n", 0), 0u);
  EXPECT_EQ(std::count(usd.begin(), usd.end(), '\n'), 11);
  EXPECT_EQ(ReadFile("example1.rec"), "**\n010 010 001 001 001 001 xxx xxx ");
}

TEST_F(EncodersTest, EnumerativeRefusesTooManyCombinationsAfterExactHeader) {
  std::string input = "**20\n";
  for (int r = 0; r < 2; ++r) {
    for (int j = 0; j < 20; ++j) input += std::to_string(r + j) + " ";
    input += "\n";
  }
  WriteFile("input.txt", input);
  // 2^20 = 1,048,576 rows: refused, but the header states the count.
  EXPECT_EQ(EncodeEnumerative(Request(2, 1), kStylePlus, state_),
            kEncodeTooManyCombinations);
  EXPECT_EQ(ReadFile("example1.usd"), "**\n40   1048576\n");
}

TEST_F(EncodersTest, FailingInputTestWritesNoPatternFile) {
  WriteFile("input.txt", "**1\n1\n2\n");  // fewer rows than the trend
  EXPECT_EQ(EncodeLinear(Request(10, 5), kStylePlus, state_), kEncodeInputRefused);
  EXPECT_FALSE(std::filesystem::exists("example1.trn"));
}

TEST_F(EncodersTest, InputsBeyondTheBuffersAreRefusedBeforeWriting) {
  // 1,001 variables pass the input test (P = 2, T = 1) but not the table of
  // the averages; 5,001 do not fit the growth encoder's last values.
  auto input = [](int n, int rows) {
    std::string s = "**" + std::to_string(n) + "\n";
    for (int r = 0; r < rows; ++r) {
      for (int j = 0; j < n; ++j) s += std::to_string((r + j) % 7) + " ";
      s += "\n";
    }
    return s;
  };
  WriteFile("input.txt", input(1001, 2));
  EncodeRequest table = Request(2, 1);
  table.forTable = true;
  EXPECT_EQ(EncodeLinear(table, kStylePlus, state_), kEncodeInputRefused);
  EXPECT_FALSE(std::filesystem::exists("example1.trn"));
  EXPECT_EQ(EncodeLinear(Request(2, 1), kStylePlus, state_), kEncodeOk);

  WriteFile("input.txt", input(5001, 2));
  std::filesystem::remove("example1.trn");
  EXPECT_EQ(EncodeGrowth(Request(2, 1), kStylePlus, state_), kEncodeInputRefused);
  EXPECT_FALSE(std::filesystem::exists("example1.trn"));

  // A window of 2 x 5,001 values exceeds the ring.
  WriteFile("input.txt", input(5001, 3));
  EXPECT_EQ(EncodeLinear(Request(2, 2), kStylePlus, state_), kEncodeInputRefused);
  EXPECT_FALSE(std::filesystem::exists("example1.trn"));

  // A trend of 132 leaves more observed rows than the table holds.
  WriteFile("input.txt", input(1, 140));
  EXPECT_EQ(EncodeLinear(Request(1, 132), kStylePlus, state_), kEncodeInputRefused);
  EXPECT_EQ(EncodeLinear(Request(1, 131), kStylePlus, state_), kEncodeOk);
}

TEST_F(EncodersTest, UnwritablePatternFileGives3) {
  WriteFile("input.txt", "**1\n1\n2\n3\n");
  EncodeRequest r = Request(10, 2);
  r.recognitionFile = "no-such-dir/x.rec";
  EXPECT_EQ(EncodeLinear(r, kStylePlus, state_), kEncodeCannotWrite);
}

TEST(PowerTest, ExactAndBounded) {
  EXPECT_EQ(PowerText(10, 0), "1");
  EXPECT_EQ(PowerText(3, 2), "9");
  EXPECT_EQ(PowerText(2, 64), "18446744073709551616");
  EXPECT_EQ(PowerText(10, 20), "100000000000000000000");
  EXPECT_EQ(PowerUpTo(500, 2, 250000), 250000u);
  EXPECT_EQ(PowerUpTo(499, 2, 250000), 249001u);
  EXPECT_EQ(PowerUpTo(99999, 9999, 250000), 250000u);
  EXPECT_EQ(PowerUpTo(1, 4000000000u, 250000), 1u);
}

}  // namespace
}  // namespace foresta
