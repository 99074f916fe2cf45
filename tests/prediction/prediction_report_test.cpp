#include "prediction/prediction_report.h"
#include "prediction/interval_code.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

// A recognition output as the engine writes it, listing `rows`.
std::string RecognitionOutput(const std::string& rows) {
  return "\n ---------------------------- \n001xxx\n"
         " User defined output neural patterns: \n" +
         rows + " End of the Distribution \n001001  5  1\n\n\n";
}

const std::string kDashes(51, '-');

class PredictionReportTest : public ::testing::Test {
 protected:
  void SetUpVariable(float minimum, float maximum, std::uint32_t n = 1) {
    state_.VariableCount = n;
    for (std::uint32_t j = 0; j < n; ++j) {
      state_.ValueMinima[j] = minimum;
      state_.ValueMaxima[j] = maximum;
    }
  }
  ReportRequest Request(int precision, int style, int mode) {
    ReportRequest r;
    r.precision = precision;
    r.style = style;
    r.mode = mode;
    return r;
  }
  ScopedTempDir dir_;
  PredictionState state_;
};

TEST_F(PredictionReportTest, ValueWorkedExampleByteForByte) {
  SetUpVariable(1.0f, 3.0f);
  WriteFile("example1.dat", RecognitionOutput("001     5\n010     1\n"));
  ASSERT_EQ(WritePredictionReport(ReportKind::kValue, Request(3, 3, kModeReal),
                                  ReportTarget::kFile, state_),
            kReportOk);
  EXPECT_EQ(ReadFile("example2b.txt"),
            "Possibility              Confidence*Probability  \n"
            "3.22222       5\n"
            "2.33333       1\n" +
                kDashes +
                "\nWeighted Average\n3.07407  \n"
                "Highest Probability\n3.22222  5\n"
                "Error of each number\n0.444444  \n");
}

TEST_F(PredictionReportTest, IntegerModeRoundsOnceAndKeepsFirstBest) {
  // P = 5 over [0, 10]: w = 2.4. Index 1 is 3.6 (integer 4); index 0 is 1.2
  // (integer 1). Equal weights: the first listed row stays the best.
  SetUpVariable(0.0f, 10.0f);
  WriteFile("example1.dat", RecognitionOutput("00011     3\n00001     3\n"));
  ASSERT_EQ(WritePredictionReport(ReportKind::kValue, Request(5, 1, kModeInteger),
                                  ReportTarget::kFile, state_),
            kReportOk);
  EXPECT_EQ(ReadFile("example2b.txt"),
            "Possibility              Confidence*Probability  \n"
            "4       3\n1       3\n" +
                kDashes +
                "\nWeighted Average\n3  \n"
                "Highest Probability\n4  3\n"
                "Error of each number\n1.2  \n");
}

TEST_F(PredictionReportTest, NegativeNumbersRoundTowardZeroAfterAddingHalf) {
  // [-3, -2], P = 2: w = 0.75, index 0 centre -2.625 -> trunc(-2.125) = -2.
  // The average of the rounded numbers is rounded by the same rule, so -2
  // becomes trunc(-1.5) = -1; the best row is written as listed.
  SetUpVariable(-3.0f, -2.0f);
  WriteFile("example1.dat", RecognitionOutput("10     2\n"));
  ASSERT_EQ(WritePredictionReport(ReportKind::kValue, Request(2, 3, kModeIntegerSummary),
                                  ReportTarget::kFile, state_),
            kReportOk);
  EXPECT_EQ(ReadFile("example2b.txt"),
            "Weighted Average\n-1  \nHighest Probability\n-2  2\n"
            "Error of each number\n0.375  \n");
}

TEST_F(PredictionReportTest, EmptyListExplainsInEveryMode) {
  SetUpVariable(1.0f, 3.0f);
  WriteFile("example1.dat", RecognitionOutput(""));
  ASSERT_EQ(WritePredictionReport(ReportKind::kValue, Request(3, 3, kModeReal),
                                  ReportTarget::kFile, state_),
            kReportOk);
  EXPECT_EQ(ReadFile("example2b.txt"),
            std::string("Possibility              Confidence*Probability  \n") +
                kNoPredictionText + kDashes + "\n");
  ASSERT_EQ(WritePredictionReport(ReportKind::kValue, Request(3, 3, kModeRealSummary),
                                  ReportTarget::kFile, state_),
            kReportOk);
  EXPECT_EQ(ReadFile("example2b.txt"), kNoPredictionText);
}

TEST_F(PredictionReportTest, GrowthDecodesRatesOnTheLastValue) {
  // Rates over [0, 1/12] with P = 5 give w = 0.02; index 1 is the rate
  // interval [0.02, 0.04): 100 x 1.03 = 103, error 100 x 0.02 / 2 = 1.
  SetUpVariable(0.0f, 0.0833333f);
  state_.ValueMinima[1] = 100.0f;
  WriteFile("example1.dat", RecognitionOutput("01000     4\n"));
  ReportRequest r = Request(5, 3, kModeReal);
  r.averageIndex = 0;
  r.trend = 3;
  ASSERT_EQ(WritePredictionReport(ReportKind::kGrowth, r, ReportTarget::kFile, state_),
            kReportOk);
  EXPECT_EQ(ReadFile("example2b.txt"),
            "Possibility              Confidence*Probability  \n"
            "103       4\n" +
                kDashes +
                "\nWeighted Average\n103  \nHighest Probability\n103  4\n"
                "Error of each number\n1  \n");
  // The step moves on from the predicted value and records the rate.
  EXPECT_FLOAT_EQ(state_.ValueMinima[1], 103.0f);
  EXPECT_FLOAT_EQ(state_.Table(110, 0), 100.0f);
  EXPECT_NEAR(state_.Table(2, 0), 0.03f, 1e-6);
  EXPECT_FLOAT_EQ(state_.Table(2, 1), 4.0f);
}

TEST_F(PredictionReportTest, ValueStepFillsItsTableRowOrZeroes) {
  SetUpVariable(0.0f, 10.0f);
  WriteFile("example1.dat", RecognitionOutput("00011     3\n00111     1\n"));
  ReportRequest r = Request(5, 1, kModeReal);
  r.trend = 2;
  r.averageIndex = 1;
  ASSERT_EQ(WritePredictionReport(ReportKind::kValue, r, ReportTarget::kSilent, state_),
            kReportOk);
  // (3 x 3.6 + 1 x 6) / 4 = 4.2
  EXPECT_FLOAT_EQ(state_.Table(2, 0), 4.2f);
  EXPECT_FLOAT_EQ(state_.Table(2, 1), 3.0f);
  EXPECT_FALSE(std::filesystem::exists("example2b.txt"));

  WriteFile("example1.dat", RecognitionOutput(""));
  ASSERT_EQ(WritePredictionReport(ReportKind::kValue, r, ReportTarget::kSilent, state_),
            kReportOk);
  EXPECT_EQ(state_.Table(2, 0), 0.0f);
  EXPECT_EQ(state_.Table(2, 1), 0.0f);
}

TEST_F(PredictionReportTest, MissingInputsAndOutputs) {
  SetUpVariable(1.0f, 3.0f);
  ReportRequest r = Request(3, 3, kModeReal);
  WriteFile("example2b.txt", "old report");
  EXPECT_EQ(WritePredictionReport(ReportKind::kValue, r, ReportTarget::kFile, state_),
            kReportNoRecognitionOutput);
  EXPECT_EQ(ReadFile("example2b.txt"), "");  // emptied all the same

  WriteFile("example1.dat", "no colon here");
  EXPECT_EQ(WritePredictionReport(ReportKind::kGrowth, r, ReportTarget::kFile, state_),
            kReportNoList);
  EXPECT_EQ(WritePredictionReport(ReportKind::kValue, r, ReportTarget::kFile, state_),
            kReportOk);

  r.predictionOutputFile = "no-such-dir/report.txt";
  EXPECT_EQ(WritePredictionReport(ReportKind::kValue, r, ReportTarget::kFile, state_),
            kReportCannotWrite);
}

TEST_F(PredictionReportTest, CollectiveAppendsUnderAHeaderPerFile) {
  SetUpVariable(1.0f, 3.0f);
  WriteFile("example1.dat", RecognitionOutput("001     5\n"));
  TextOutput collective;
  ASSERT_TRUE(collective.Open("all.txt"));
  ReportRequest r = Request(3, 3, kModeRealSummary);
  r.predictionInputFile = "a.txt";
  ASSERT_EQ(WritePredictionReport(ReportKind::kValue, r, ReportTarget::kCollective,
                                  state_, &collective),
            kReportOk);
  r.predictionInputFile = "b.txt";
  std::filesystem::remove("example1.dat");
  EXPECT_EQ(WritePredictionReport(ReportKind::kValue, r, ReportTarget::kCollective,
                                  state_, &collective),
            kReportNoRecognitionOutput);
  ASSERT_TRUE(collective.Close());
  const std::string stars(44, '*');
  EXPECT_EQ(ReadFile("all.txt"),
            "\n" + stars + "\nInput file: a.txt\n\n"
            "Weighted Average\n3.22222  \nHighest Probability\n3.22222  5\n"
            "Error of each number\n0.444444  \n"
            "\n" + stars + "\nInput file: b.txt\n\n");
}

// Collects what the report writer tells its listener.
class CollectingListener : public ReportListener {
 public:
  void OnCandidate(const ReportNumbers& report, std::span<const float> numbers,
                   float weight) override {
    candidates.push_back({report.inputFile, std::vector<float>(numbers.begin(), numbers.end()),
                          weight});
  }
  void OnSummary(const ReportNumbers& report) override { summaries.push_back(report); }

  struct Candidate {
    std::string file;
    std::vector<float> numbers;
    float weight;
  };
  std::vector<Candidate> candidates;
  std::vector<ReportNumbers> summaries;
};

TEST_F(PredictionReportTest, ListenerHearsTheNumbersTheReportWrites) {
  SetUpVariable(0.0f, 10.0f, 2);
  WriteFile("example1.dat", RecognitionOutput("00011 00001     3\n00001 00011     1\n"));
  CollectingListener listener;
  ReportRequest r = Request(5, 1, kModeInteger);
  r.predictionInputFile = "prices.txt";
  r.listener = &listener;
  ASSERT_EQ(WritePredictionReport(ReportKind::kValue, r, ReportTarget::kFile, state_),
            kReportOk);
  EXPECT_EQ(ReadFile("example2b.txt"),
            "Possibility              Confidence*Probability  \n"
            "4  1       3\n1  4       1\n" +
                kDashes +
                "\nWeighted Average\n3  2  \n"
                "Highest Probability\n4  1  3\n"
                "Error of each number\n1.2  1.2  \n");
  ASSERT_EQ(listener.candidates.size(), 2u);
  EXPECT_EQ(listener.candidates[0].file, "prices.txt");
  EXPECT_EQ(listener.candidates[0].numbers, (std::vector<float>{4, 1}));
  EXPECT_EQ(listener.candidates[1].weight, 1.0f);
  ASSERT_EQ(listener.summaries.size(), 1u);
  const ReportNumbers& s = listener.summaries[0];
  EXPECT_TRUE(s.made);
  EXPECT_EQ(s.averageIndex, -1);
  EXPECT_EQ(s.weightedAverage, (std::vector<float>{3, 2}));
  EXPECT_EQ(s.highestProbability, (std::vector<float>{4, 1}));
  EXPECT_EQ(s.highestWeight, 3);
  EXPECT_FLOAT_EQ(s.error[1], 1.2f);

  // Silent steps and empty lists are told too.
  WriteFile("example1.dat", RecognitionOutput(""));
  r.averageIndex = 2;
  ASSERT_EQ(WritePredictionReport(ReportKind::kValue, r, ReportTarget::kSilent, state_),
            kReportOk);
  ASSERT_EQ(listener.summaries.size(), 2u);
  EXPECT_FALSE(listener.summaries[1].made);
  EXPECT_EQ(listener.summaries[1].averageIndex, 2);
  EXPECT_TRUE(listener.summaries[1].weightedAverage.empty());
  EXPECT_EQ(listener.candidates.size(), 2u);
}

}  // namespace
}  // namespace foresta
