#include "prediction/input_check.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

struct Outcome {
  int code;
  int rows;
  std::uint32_t variables;
};

Outcome RunTest(const std::string& bytes, int precision = 10, int trend = 5) {
  WriteFile("input.txt", bytes);
  PredictionState state;
  int rows = 12345;
  int code = TestInputFile({"input.txt", precision, trend}, state, rows);
  return {code, rows, state.VariableCount};
}

std::string Numbers(int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += std::to_string(i % 97) + "\n";
  return s;
}

class InputTestTest : public ::testing::Test {
  ScopedTempDir dir_;
};

TEST_F(InputTestTest, CommentSectionIsRequiredAndPreambleIgnored) {
  EXPECT_EQ(RunTest("no star at all\n1\n1 2 3 4 5\n").code, kInputNoComment);
  EXPECT_EQ(RunTest("one * only\n1\n1 2 3 4 5\n").code, kInputCommentNotClosed);
  EXPECT_EQ(RunTest("free text 9 9 * comment 7 * 1\n1 2 3 4 5\n").code, kInputOk);
}

TEST_F(InputTestTest, MissingFileCannotBeOpened) {
  PredictionState state;
  int rows = 0;
  EXPECT_EQ(TestInputFile({"absent.txt", 10, 5}, state, rows), kInputCannotOpen);
  EXPECT_EQ(rows, -1);
}

TEST_F(InputTestTest, RowsMayBeSpreadOverLinesInAnyWay) {
  for (const char* data : {"1 2\n3 4\n", "1\n2\n3\n4\n", "1\n2 3\n4\n",
                           "1 2 3 4\n"}) {
    Outcome o = RunTest(std::string("*c*2\n") + data, 5, 2);
    EXPECT_EQ(o.code, kInputOk) << data;
    EXPECT_EQ(o.rows, 2) << data;
    EXPECT_EQ(o.variables, 2u);
  }
}

TEST_F(InputTestTest, AcceptedNumberForms) {
  // A sign may stand apart from its digits; it is one number.
  Outcome o = RunTest("*c*1\n1.5 -2 .75 + 3 - 5\n", 10, 5);
  EXPECT_EQ(o.code, kInputOk);
  EXPECT_EQ(o.rows, 5);
}

TEST_F(InputTestTest, InvalidCharacterStopsTheScanAndEndsTheEcho) {
  struct Case {
    const char* data;
    char offending;
  } cases[] = {{"1 2 5. 3\n", ' '}, {"1 1e3 4\n", 'e'}, {"1 3-4\n", '-'},
               {"1 +-2\n", '-'},    {"1 1,5\n", ','},   {"1\v2\n", '\v'}};
  for (const Case& c : cases) {
    Outcome o = RunTest(std::string("*c*1\n") + c.data);
    EXPECT_EQ(o.code, kInputInvalidCharacter) << c.data;
    std::string echo = ReadFile(kEchoFile);
    ASSERT_FALSE(echo.empty());
    EXPECT_EQ(echo.back(), c.offending) << c.data;
  }
}

TEST_F(InputTestTest, EchoHoldsCommentCountAndDataAsRead) {
  RunTest("pre*com*\n 3\r\n1 2 3\n4 5 6\n", 10, 2);
  EXPECT_EQ(ReadFile(kEchoFile), "pre*com*\n\n3\n\n\r\n1 2 3\n4 5 6\n");
}

// A file of several buffers is echoed whole, or up to and with the first
// character not allowed, wherever that falls.
TEST_F(InputTestTest, LongFilesAreEchoedAsRead) {
  const std::string data = Numbers(40000);  // about 130 KiB
  RunTest("*c*1\n" + data, 10, 2);
  EXPECT_EQ(ReadFile(kEchoFile), "*c*\n\n1\n\n\n" + data);
  for (std::size_t at : {std::size_t{65536 - 12}, std::size_t{65536 - 11}, data.size() - 2}) {
    std::string bad = data;
    bad[at] = 'x';
    EXPECT_EQ(RunTest("*c*1\n" + bad).code, kInputInvalidCharacter);
    EXPECT_EQ(ReadFile(kEchoFile), "*c*\n\n1\n\n\n" + bad.substr(0, at + 1)) << at;
  }
}

TEST_F(InputTestTest, NeuronLimits) {
  // P = 10, T = 5: 1,999 variables give 99,950 neurons, 2,000 give 100,000.
  EXPECT_EQ(RunTest("*c*1999\n" + Numbers(1999 * 5)).code, kInputOk);
  EXPECT_EQ(RunTest("*c*2000\n" + Numbers(2000 * 5)).code, kInputNeuronsOutOfRange);
  // P = 2, T = 2: 16 neurons are too few, 20 are enough.
  EXPECT_EQ(RunTest("*c*4\n" + Numbers(8), 2, 2).code, kInputNeuronsOutOfRange);
  EXPECT_EQ(RunTest("*c*5\n" + Numbers(10), 2, 2).code, kInputOk);
}

TEST_F(InputTestTest, LargeSettingsNeverWrapIntoAPass) {
  // 65,537 x 65,536 wraps to 65,536 in 32 bits, which would pass.
  EXPECT_EQ(RunTest("*c*65537\n1\n", 1, 65536).code, kInputNeuronsOutOfRange);
  EXPECT_EQ(RunTest("*c*1\n1 2 3\n", 0, 5).code, kInputNeuronsOutOfRange);
  EXPECT_EQ(RunTest("*c*1\n1 2 3\n", -10, -5).code, kInputNeuronsOutOfRange);
}

TEST_F(InputTestTest, BadVariableCounts) {
  EXPECT_EQ(RunTest("*c*-3\n1 2 3\n").code, kInputNeuronsOutOfRange);
  EXPECT_EQ(RunTest("*c*abc\n1 2 3\n").code, kInputNeuronsOutOfRange);
  EXPECT_EQ(RunTest("*c*0\n1 2 3\n").code, kInputNeuronsOutOfRange);
  EXPECT_EQ(RunTest("*c*99999999999999999999\n1\n").code, kInputNeuronsOutOfRange);
}

TEST_F(InputTestTest, RowCounting) {
  Outcome incomplete = RunTest("*c*2\n" + Numbers(11));
  EXPECT_EQ(incomplete.code, kInputLastRowIncomplete);
  EXPECT_EQ(incomplete.rows, -1);

  Outcome exact = RunTest("*c*2\n" + Numbers(10));
  EXPECT_EQ(exact.code, kInputOk);
  EXPECT_EQ(exact.rows, 5);

  Outcome shortOne = RunTest("*c*2\n" + Numbers(8));
  EXPECT_EQ(shortOne.code, kInputNotEnoughData);
  EXPECT_EQ(shortOne.rows, 4);
}

TEST_F(InputTestTest, NumberAtEndOfFileCountsLikeAnyOther) {
  Outcome one = RunTest("*c*1\n1\n2\n3\n4\n5");
  EXPECT_EQ(one.code, kInputOk);
  EXPECT_EQ(one.rows, 5);
  Outcome two = RunTest("*c*2\n1 2\n3 4\n5 6\n7 8\n9 10");
  EXPECT_EQ(two.code, kInputOk);
  EXPECT_EQ(two.rows, 5);
  Outcome only = RunTest("*c*1\n7", 10, 1);
  EXPECT_EQ(only.code, kInputNeuronsOutOfRange);  // 1 x 1 x 10 < 20 neurons
  Outcome single = RunTest("*c*1\n7", 20, 1);
  EXPECT_EQ(single.code, kInputOk);
  EXPECT_EQ(single.rows, 1);
}

TEST_F(InputTestTest, NoData) {
  EXPECT_EQ(RunTest("*c*3").code, kInputNoData);
  EXPECT_EQ(RunTest("*c*3\n  \n\t\n").code, kInputNoData);
}

TEST_F(InputTestTest, CarriageReturnsReadLikePlainLineEnds) {
  Outcome crlf = RunTest("*c\r\n*\r\n2\r\n1 2\r\n3 4\r\n5 6\r\n7 8\r\n9 10\r\n");
  EXPECT_EQ(crlf.code, kInputOk);
  EXPECT_EQ(crlf.rows, 5);
}

}  // namespace
}  // namespace foresta
