#include "engine/pattern_file_check.h"

#include <string>

#include "engine/distribution_table.h"
#include "engine/test_files.h"

namespace foresta {
namespace {

class PatternFileTest : public TempDirTest {
 protected:
  int Training(const std::string& text) { return TestTrainingFile(Write("t.trn", text), &n_); }
  int Retraining(const std::string& text, uint32_t n) {
    return TestRetrainingFile(Write("t.rtn", text), n);
  }
  int Recognition(const std::string& text, uint32_t n) {
    return TestRecognitionFile(Write("t.rec", text), n);
  }
  int Distribution(const std::string& text) { return TestDistributionFile(Write("t.usd", text)); }

  uint32_t n_ = 0;
};

std::string Bits(int count, char c = '1') { return std::string(static_cast<size_t>(count), c); }

TEST_F(PatternFileTest, TrainingFileCodes) {
  EXPECT_EQ(TestTrainingFile(Path("missing.trn"), &n_), kFileCannotOpen);
  EXPECT_EQ(Training("no star at all 20 0101"), kFileMissingComment);
  EXPECT_EQ(Training("*open comment 20 0101"), kFileCommentNotClosed);
  EXPECT_EQ(Training("*c*19\n" + Bits(19)), kFileNeuronsOutOfRange);
  EXPECT_EQ(n_, 19u);  // the count is kept even when refused
  EXPECT_EQ(Training("*c*20\n"), kFileNoData);
  EXPECT_EQ(Training("*c*20\n" + Bits(10) + "2" + Bits(9)), kFileInvalidCharacter);
  EXPECT_EQ(Training("*c*20\n" + Bits(41)), kFileIncompleteVector);
  EXPECT_EQ(Training("text before * comment *20\n" + Bits(40, '0')), kFileOk);
  EXPECT_EQ(n_, 20u);
}

TEST_F(PatternFileTest, TrainingVectorsMayBeSplitAnyhow) {
  EXPECT_EQ(Training("*c*\r\n  20 \t0101 0101\n\n01\t01\r\n0101\v0101\f0101 0101010101010101"),
            kFileOk);
  EXPECT_EQ(Training("*c* 100000 01"), kFileIncompleteVector);
  EXPECT_EQ(n_, 100000u);
  EXPECT_EQ(Training("*c* 100001 01"), kFileNeuronsOutOfRange);
}

TEST_F(PatternFileTest, TrainingCountThatIsNotANumber) {
  n_ = 30;
  EXPECT_EQ(Training("*c* abc 0101"), kFileInvalidCharacter);
  EXPECT_EQ(n_, 30u);
  n_ = 5;
  EXPECT_EQ(Training("*c* abc 0101"), kFileNeuronsOutOfRange);
  EXPECT_EQ(Training("*c* -20 " + Bits(20)), kFileNeuronsOutOfRange);
  EXPECT_EQ(Training("*c* 99999999999999999999999 " + Bits(20)), kFileNeuronsOutOfRange);
}

TEST_F(PatternFileTest, RetrainingFileCodes) {
  EXPECT_EQ(TestRetrainingFile(Path("missing.rtn"), 20), kFileCannotOpen);
  EXPECT_EQ(Retraining("20 " + Bits(20), 20), kFileMissingComment);
  EXPECT_EQ(Retraining("* 20 " + Bits(20), 20), kFileCommentNotClosed);
  EXPECT_EQ(Retraining("*c* 30 " + Bits(30), 20), kFileNotConsistent);
  EXPECT_EQ(Retraining("*c* 1 1", 20), kFileNeuronsOutOfRange);
  EXPECT_EQ(Retraining("*c* x", 20), kFileNeuronsOutOfRange);
  EXPECT_EQ(Retraining("*c* 20 ", 20), kFileNoData);
  EXPECT_EQ(Retraining("*c* 20 " + Bits(19) + "x", 20), kFileInvalidCharacter);
  EXPECT_EQ(Retraining("*c* 20 " + Bits(21), 20), kFileIncompleteVector);
  EXPECT_EQ(Retraining("*c* 20 " + Bits(40), 20), kFileOk);
  // The retraining file may have fewer neurons than training allows.
  EXPECT_EQ(Retraining("*c* 4 0110", 4), kFileOk);
}

TEST_F(PatternFileTest, RecognitionFileCodes) {
  EXPECT_EQ(TestRecognitionFile(Path("missing.rec"), 4), kFileCannotOpen);
  EXPECT_EQ(Recognition("0xx1", 4), kFileMissingComment);
  EXPECT_EQ(Recognition("* 0xx1", 4), kFileCommentNotClosed);
  EXPECT_EQ(Recognition("*c* 0xx1", 0), kFileTrainingNotTested);
  EXPECT_EQ(Recognition("*c* 0xx1", 1), kFileNeuronsOutOfRange);
  EXPECT_EQ(Recognition("*c* 0xx1", 100001), kFileNeuronsOutOfRange);
  EXPECT_EQ(Recognition("*c* \n\n", 4), kFileNoData);
  EXPECT_EQ(Recognition("*c* 0xx1 xxxx 0110 0111", 4), kFileOk);
  EXPECT_EQ(Recognition("*c* x0x1", 4), kFileTwoUnknownSections);
  EXPECT_EQ(Recognition("*c* 0x21", 4), kFileInvalidCharacter);
  EXPECT_EQ(Recognition("*c* 0xx1 011", 4), kFileRecognitionIncomplete);
  // The x run state starts afresh with each vector, even on one line.
  EXPECT_EQ(Recognition("*c* 01xx xx10", 4), kFileOk);
  EXPECT_EQ(Recognition("*c* 0 x\n x 1", 4), kFileOk);
}

TEST_F(PatternFileTest, RecognitionSkipsTextBeforeTheFirstVector) {
  // "N = 4" is skipped up to the first vector character.
  EXPECT_EQ(Recognition("*c*\nN = 4\n0xx1", 4), kFileOk);
  // A 0 or 1 in such text is vector data.
  EXPECT_EQ(Recognition("*c*\n20\n0xx1", 4), kFileRecognitionIncomplete);
}

TEST_F(PatternFileTest, DistributionFileCodes) {
  EXPECT_EQ(TestDistributionFile(Path("missing.usd")), kFileCannotOpen);
  EXPECT_EQ(Distribution("6 9"), kFileMissingComment);
  EXPECT_EQ(Distribution("* 6 9"), kFileCommentNotClosed);
  EXPECT_EQ(Distribution("*c* 1 9 " + Bits(9)), kFileNeuronsOutOfRange);
  EXPECT_EQ(Distribution("*c* 100001 1 " + Bits(9)), kFileNeuronsOutOfRange);
  EXPECT_EQ(Distribution("*c* 2 100000 " + Bits(200000)), kFileOk);
  EXPECT_EQ(Distribution("*c* 2 100001 " + Bits(200002)), kFilePatternsOutOfRange);
  EXPECT_EQ(Distribution("*c* 2 -1 11"), kFilePatternsOutOfRange);
  EXPECT_EQ(Distribution("*c* 6 9 "), kFileNoData);
  EXPECT_EQ(Distribution("*c* 6 9 " + Bits(53) + "x"), kFileInvalidCharacter);
  EXPECT_EQ(Distribution("*c* 6 9 " + Bits(54)), kFileOk);
  EXPECT_EQ(Distribution("*c* 6 9 " + Bits(53)), kFileNotEnoughData);
  EXPECT_EQ(Distribution("*c* 6 9 " + Bits(60)), kFileOk);
}

TEST_F(PatternFileTest, DistributionLoadsRowsWithTheTest) {
  DistributionTable table;
  ASSERT_EQ(TestDistributionFile(Write("d.usd", "*c* 3 4\n100 010\n001\n010 111111"), &table),
            kFileOk);
  ASSERT_TRUE(table.loaded());
  EXPECT_EQ(table.rowLength(), 3);
  EXPECT_EQ(table.rowCount(), 4);
  std::string row;
  table.AppendRow(3, &row);
  EXPECT_EQ(row, "010");
  uint64_t key = 0b010;  // characters "010": bit 1 set
  EXPECT_EQ(table.Find(&key), 1);  // the first of the two equal rows
  key = 0b111;
  EXPECT_EQ(table.Find(&key), -1);  // beyond the rows the file declares
  key = 0b100;
  EXPECT_EQ(table.Find(&key), 2);
}

TEST_F(PatternFileTest, DeclaredSizeAloneReservesNothing) {
  // 100,000 rows of 100,000 characters would need over a gigabyte; a file
  // that only declares them is refused without reserving that memory.
  DistributionTable table;
  EXPECT_EQ(TestDistributionFile(Write("d.usd", "*c* 100000 100000 0101"), &table),
            kFileNotEnoughData);
  EXPECT_FALSE(table.loaded());
}

}  // namespace
}  // namespace foresta
