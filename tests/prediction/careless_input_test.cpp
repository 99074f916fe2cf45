// Input files that used to pass and then gave reports of infinities, lost
// the data or wrote gigabytes for nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "prediction/encoders.h"
#include "prediction/input_check.h"
#include "state/message_texts.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

constexpr const char* kSeries =
    "*c*\n1\n1 2 3 4 5 6 7 8 9 10 9 8 7 6 5 4 3 2 1 2 3 4 5 6\n";

class CarelessInputTest : public ::testing::Test {
 protected:
  int Test(const std::string& file, int precision = 10, int trend = 2) {
    InputTestRequest request{file, precision, trend};
    request.particulars = &particulars_;
    return TestInputFile(request, state_, rows_);
  }
  ScopedTempDir dir_;
  PredictionState state_;
  int rows_ = -1;
  std::string particulars_;
};

TEST_F(CarelessInputTest, NewCodesShowTheirOwnMessages) {
  for (int code : {kInputReadFailed, kInputValueTooLarge, kInputIsEchoFile}) {
    EXPECT_GE(kMsgInputTestBase + code, 800);
    EXPECT_LE(kMsgInputTestBase + code, 819);
    EXPECT_TRUE(InformationText(kMsgInputTestBase + code).has_value()) << code;
  }
}

TEST_F(CarelessInputTest, ValuesBeyondSinglePrecisionAreRefusedWithRowAndValue) {
  WriteFile("in.txt", "*c*\n2\n1 2\n3 4\n5 10000000000000000000000000000000000000000\n");
  EXPECT_EQ(Test("in.txt"), kInputValueTooLarge);
  EXPECT_EQ(particulars_,
            "row 3, variable 2: the value 10000000000000000000000000000000000000000 is "
            "beyond single precision");
  WriteFile("in.txt", "*c*\n2\n1 -\n" + std::string(60, '9') + ".5 4\n");
  EXPECT_EQ(Test("in.txt"), kInputValueTooLarge);
  EXPECT_EQ(particulars_, "row 1, variable 2: the value -" + std::string(48, '9') +
                              "... (62 digits) is beyond single precision");
  // The largest values single precision holds, and tiny ones, still pass.
  WriteFile("in.txt", "*c*\n2\n340000000000000000000000000000000000000 1\n"
                      "0.0000000000000000000000000000000000000000000000001 2\n");
  EXPECT_EQ(Test("in.txt"), kInputOk);
  EXPECT_EQ(particulars_, "");
  // The same in memory.
  int rows = -1;
  EXPECT_EQ(TestInputBytes("*c*\n1\n1 2 1e3 4", 10, 2, state_, rows), kInputInvalidCharacter);
  EXPECT_EQ(TestInputBytes("*c*\n1\n1 2 " + std::string(50, '7') + " 4", 10, 2, state_, rows),
            kInputValueTooLarge);
}

TEST_F(CarelessInputTest, TheEchoFileIsNeverTheInput) {
  WriteFile("error.tmp", kSeries);
  fs::create_symlink("error.tmp", "link.txt");
  for (const char* name : {"error.tmp", "./error.tmp", "link.txt"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Test(name), kInputIsEchoFile);
    EXPECT_EQ(ReadFile("error.tmp"), kSeries);
  }
  // An echo elsewhere is fine.
  InputTestRequest request{"error.tmp", 10, 2, "echo.txt"};
  EXPECT_EQ(TestInputFile(request, state_, rows_), kInputOk);
}

TEST_F(CarelessInputTest, AReadErrorIsNotTheEndOfTheFile) {
  if (!fs::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
  EXPECT_EQ(Test("/proc/self/mem"), kInputReadFailed);
  EXPECT_EQ(rows_, -1);
}

TEST_F(CarelessInputTest, ParticularsNameTheLimitsAndTheEchoThatFailed) {
  WriteFile("in.txt", kSeries);
  EXPECT_EQ(Test("in.txt", 2, 2), kInputNeuronsOutOfRange);
  EXPECT_NE(particulars_.find("N x T x P = 1 x 2 x 2 = 4"), std::string::npos) << particulars_;
  EXPECT_NE(particulars_.find("at least 20 and below 100,000"), std::string::npos);
  fs::remove("error.tmp");
  fs::create_directory("error.tmp");
  EXPECT_EQ(Test("in.txt"), kInputCannotOpen);
  EXPECT_EQ(particulars_, "the echo file error.tmp could not be written");
  // The particulars of an earlier refusal never stay behind.
  fs::remove("error.tmp");
  EXPECT_EQ(Test("in.txt"), kInputOk);
  EXPECT_EQ(particulars_, "");
}

class EncoderLimitsTest : public CarelessInputTest {
 protected:
  EncodeRequest Request(std::int64_t maxRows) {
    EncodeRequest r;
    r.inputFile = "in.txt";
    r.precision = 10;
    r.trend = 2;
    r.maxDistributionRows = maxRows;
    r.particulars = &particulars_;
    return r;
  }
};

TEST_F(EncoderLimitsTest, TooManyDistributionRowsAreRefusedBeforeAnyFileIsWritten) {
  WriteFile("in.txt", kSeries);  // 24 rows
  EXPECT_EQ(EncodeLinear(Request(23), 1, state_), kEncodeTooManyRows);
  EXPECT_EQ(particulars_, "in.txt has 24 rows; this code can use at most 23 of them");
  EXPECT_EQ(EncodeGrowth(Request(22), 1, state_), kEncodeTooManyRows);
  EXPECT_FALSE(fs::exists("example1.trn"));
  EXPECT_FALSE(fs::exists("example1.usd"));
  // The growth encoder lists one rate fewer than the rows; the enumerative
  // listing does not depend on the rows.
  EXPECT_EQ(EncodeGrowth(Request(23), 1, state_), kEncodeOk);
  EXPECT_EQ(EncodeEnumerative(Request(2), 1, state_), kEncodeOk);
  EXPECT_EQ(EncodeLinear(Request(24), 1, state_), kEncodeOk);
  EXPECT_EQ(UsableRows(EncoderKind::kLinear, 100000), 100000);
  EXPECT_EQ(UsableRows(EncoderKind::kGrowth, 100000), 100001);
  EXPECT_EQ(UsableRows(EncoderKind::kEnumerative, 100000), INT64_MAX);
}

// Encoding the newest rows of a file writes exactly what encoding a file of
// those rows alone writes, and leaves the file alone.
TEST_F(EncoderLimitsTest, NewestRowsEncodeAsAFileOfThoseRows) {
  const std::string newest = "*c*\n1\n7 6 5 4 3 2 1 2 3 4 5 6\n";
  for (EncoderKind kind : {EncoderKind::kLinear, EncoderKind::kGrowth}) {
    SCOPED_TRACE(static_cast<int>(kind));
    WriteFile("in.txt", newest);
    EncodeRequest whole = Request(0);
    ASSERT_EQ(kind == EncoderKind::kLinear ? EncodeLinear(whole, 2, state_)
                                           : EncodeGrowth(whole, 2, state_),
              kEncodeOk);
    std::string expected[4];
    const char* files[4] = {"example1.trn", "example1.rtn", "example1.rec", "example1.usd"};
    for (int i = 0; i < 4; ++i) expected[i] = ReadFile(files[i]);

    WriteFile("in.txt", kSeries);
    EncodeRequest last = Request(12);
    last.newestRows = 12;
    ASSERT_EQ(kind == EncoderKind::kLinear ? EncodeLinear(last, 2, state_)
                                           : EncodeGrowth(last, 2, state_),
              kEncodeOk);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ReadFile(files[i]), expected[i]) << files[i];
    EXPECT_EQ(ReadFile("in.txt"), kSeries);
  }
  // Fewer newest rows than the trend cannot be predicted.
  EncodeRequest tooFew = Request(0);
  tooFew.newestRows = 1;
  EXPECT_EQ(EncodeLinear(tooFew, 1, state_), kEncodeInputRefused);
}

TEST_F(EncoderLimitsTest, ValuesTooFarApartForTheReportAreRefused) {
  WriteFile("in.txt", "*c*\n1\n1 2 3 4 5 6 7 8 9 300000000000000000000000000000000000000 "
                      "-300000000000000000000000000000000000000 3 2 1\n");
  EXPECT_EQ(EncodeLinear(Request(0), 1, state_), kEncodeInputRefused);
  EXPECT_NE(particulars_.find("variable 1: its values lie too far apart"), std::string::npos);
  EXPECT_EQ(EncodeGrowth(Request(0), 1, state_), kEncodeInputRefused);
  // Large values that decode within range are kept.
  WriteFile("in.txt", "*c*\n1\n1 2 3 4 5 6 7 8 9 100000000000000000000000000000000000000 "
                      "3 2 1 4 5 6 7 8 9 10\n");
  EXPECT_EQ(EncodeLinear(Request(0), 1, state_), kEncodeOk);
}

}  // namespace
}  // namespace foresta
