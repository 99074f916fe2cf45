#include "prediction/average_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "prediction/interval_code.h"
#include "prediction/run_code.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;

class AverageTableTest : public ::testing::Test {
 protected:
  AverageTableTest() {
    // One variable over [0, 10], P = 5 (w = 2.4), trend 3: observed rows 0
    // and 1 hold 1 and 10.
    state_.VariableCount = 1;
    state_.ValueMinima[0] = 0.0f;
    state_.ValueMaxima[0] = 10.0f;
    state_.Table(0, 0) = 1.0f;
    state_.Table(1, 0) = 10.0f;
    request_.precision = 5;
    request_.trend = 3;
    request_.style = kStyleZero;
  }
  ScopedTempDir dir_;
  PredictionState state_;
  AverageTableRequest request_;
};

TEST_F(AverageTableTest, PredictedStepWritesNextRecognitionAndTable) {
  state_.Table(2, 0) = 4.8f;  // step 0's average, weight 7
  state_.Table(2, 1) = 7.0f;
  request_.step = 0;
  AverageTableOutcome out = WriteAverageTable(request_, state_);
  EXPECT_TRUE(out.predicted);
  EXPECT_TRUE(out.written);
  // Rows 1 and 2: 10 -> index 4, 4.8 -> index 2; then the unknown row.
  EXPECT_EQ(ReadFile("example1.rec"), " * \n * \n00001 \n00100 \nxxxxx ");
  EXPECT_EQ(ReadFile("example2b.txt"), "4.8  7  \n");

  state_.Table(3, 0) = 2.5f;
  state_.Table(3, 1) = 3.0f;
  request_.step = 1;
  EXPECT_TRUE(WriteAverageTable(request_, state_).predicted);
  EXPECT_EQ(ReadFile("example1.rec"), " * \n * \n00100 \n01000 \nxxxxx ");
  EXPECT_EQ(ReadFile("example2b.txt"), "4.8  7  \n2.5  3  \n");
}

TEST_F(AverageTableTest, ImpossibleStepKeepsEarlierRowsAndEmptiesRecognition) {
  state_.Table(2, 0) = 4.8f;
  state_.Table(2, 1) = 7.0f;
  request_.step = 1;  // row 3 is all zero: no prediction
  AverageTableOutcome out = WriteAverageTable(request_, state_);
  EXPECT_FALSE(out.predicted);
  EXPECT_EQ(ReadFile("example1.rec"), "");
  EXPECT_EQ(ReadFile("example2b.txt"), "4.8  7  \n");

  request_.step = 0;
  state_.Table(2, 1) = 0.0f;
  EXPECT_FALSE(WriteAverageTable(request_, state_).predicted);
  EXPECT_EQ(ReadFile("example2b.txt"), "");
}

TEST_F(AverageTableTest, GrowthClampsRatesAndWritesPredictedValues) {
  request_.flow = AverageFlow::kGrowth;
  state_.ValueMinima[0] = -0.5f;  // rates over [-0.5, 1]
  state_.ValueMaxima[0] = 1.0f;
  state_.Table(0, 0) = 0.2f;
  state_.Table(1, 0) = 0.9f;
  state_.Table(2, 0) = 3.0f;  // beyond the maximum: quantised as 1
  state_.Table(2, 1) = 2.0f;
  state_.Table(kGrowthLastRow, 0) = 50.0f;
  request_.step = 0;
  ASSERT_TRUE(WriteAverageTable(request_, state_).predicted);
  // w = 1.8 / 5 = 0.36: 0.9 -> index 3, 1 -> index 4.
  EXPECT_EQ(ReadFile("example1.rec"), " * \n * \n00010 \n00001 \nxxxxx ");
  EXPECT_EQ(ReadFile("example2b.txt"), "200  2  \n");
}

TEST_F(AverageTableTest, CollectiveWritesOnlyWhenAsked) {
  state_.Table(2, 0) = 4.8f;
  state_.Table(2, 1) = 7.0f;
  request_.predictionInputFile = "series.txt";
  TextOutput collective;
  ASSERT_TRUE(collective.Open("all.txt"));
  request_.step = 0;
  EXPECT_TRUE(WriteAverageTable(request_, state_, &collective, false).predicted);
  EXPECT_TRUE(WriteAverageTable(request_, state_, &collective, true).predicted);
  ASSERT_TRUE(collective.Close());
  EXPECT_EQ(ReadFile("all.txt"),
            "\n" + std::string(44, '*') + "\nInput file: series.txt\n\n4.8  7  \n");
  EXPECT_FALSE(std::filesystem::exists("example2b.txt"));
}

TEST(RunCodeTest, GroupsOfThree) {
  auto info = DecodeRunCode(20);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->encoder, EncoderKind::kGrowth);
  EXPECT_EQ(info->style, 2);
  EXPECT_EQ(info->mode, kModeRealSummary);
  info = DecodeRunCode(15);
  EXPECT_EQ(info->encoder, EncoderKind::kEnumerative);
  EXPECT_EQ(info->style, 3);
  EXPECT_EQ(info->mode, kModeInteger);
  EXPECT_FALSE(DecodeRunCode(0));
  EXPECT_FALSE(DecodeRunCode(28));
  EXPECT_EQ(AverageFlowOf(11), AverageFlow::kValue);
  EXPECT_EQ(AverageFlowOf(5), AverageFlow::kGrowth);
  EXPECT_FALSE(AverageFlowOf(7));
  EXPECT_FALSE(AverageFlowOf(16));
}

}  // namespace
}  // namespace foresta
