#include "frame/chart/model/report_forecast.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "state/recording_shell.h"
#include "support/temp_dir.h"
#include "workbench/command_ids.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

const std::string kDashes(51, '-');
const std::string kNoPrediction =
    "\n\nCan not make a Prediction.\nTo get a prediction, you can:\n\t(1) Add more data;\n"
    "If you do not have more data; then click 'Data/Link' and: \n\t(2) Reduce Trend; or/and\n"
    "\t(3) Reduce Precision level;\nYou may also consider:\n"
    "\t(4) Reduce the number of variables in your data set.\nSee the User's Guide\n";

TEST(ReportForecastTest, ReadsTheListingAndTheSummaryOfASingleReport) {
  const std::string text =
      "Possibility              Confidence*Probability  \n"
      "3.22222       5\n"
      "2.33333       1\n" +
      kDashes + "\nWeighted Average\n3.07407  \nHighest Probability\n3.22222  5\n"
                "Error of each number\n0.444444  \n";
  ReportResult r = ParseReport(text, "in.txt", 1, "out.txt");
  ASSERT_TRUE(r.status.ok()) << r.status.message;
  const ReportForecast& f = r.forecast;
  EXPECT_EQ(f.form, ReportForecast::Form::kSingle);
  ASSERT_EQ(f.candidates.size(), 2u);
  EXPECT_FLOAT_EQ(f.candidates[1].values[0], 2.33333f);
  EXPECT_FLOAT_EQ(f.candidates[1].weight, 1.0f);
  EXPECT_FLOAT_EQ(f.weightedAverage[0], 3.07407f);
  EXPECT_FLOAT_EQ(f.highestProbability[0], 3.22222f);
  EXPECT_FLOAT_EQ(f.highestWeight, 5.0f);
  EXPECT_FLOAT_EQ(f.errors[0], 0.444444f);

  // The same report read for a two-variable input was written for another
  // file: the numbers do not fit.
  ReportResult other = ParseReport(text, "two.txt", 2, "out.txt");
  EXPECT_EQ(other.status.code, 864);
  EXPECT_NE(other.status.message.find("line 2 holds 2 numbers"), std::string::npos)
      << other.status.message;
}

TEST(ReportForecastTest, NoPredictionStepsAndRefusals) {
  // Listing modes write the header and dashes around the advice; summary
  // modes only the advice.
  for (const std::string& text :
       {"Possibility              Confidence*Probability  \n" + kNoPrediction + kDashes + "\n",
        kNoPrediction}) {
    ReportResult r = ParseReport(text, "in.txt", 1, "out.txt");
    ASSERT_TRUE(r.status.ok()) << r.status.message;
    EXPECT_EQ(r.forecast.form, ReportForecast::Form::kNoPrediction);
  }
  ReportResult steps = ParseReport("10.5  7  3  \n11  8  2  \n", "in.txt", 2, "out.txt");
  ASSERT_TRUE(steps.status.ok()) << steps.status.message;
  EXPECT_EQ(steps.forecast.form, ReportForecast::Form::kSteps);
  EXPECT_EQ(steps.forecast.steps, (std::vector<std::vector<float>>{{10.5f, 7}, {11, 8}}));
  EXPECT_EQ(steps.forecast.stepWeights, (std::vector<float>{3, 2}));

  // Averages of a run whose weights truncated to nothing are "nan": kept, not refused.
  ReportResult nan = ParseReport("Weighted Average\n-nan  \nHighest Probability\n0  0\n",
                                 "in.txt", 1, "out.txt");
  ASSERT_TRUE(nan.status.ok()) << nan.status.message;
  EXPECT_TRUE(std::isnan(nan.forecast.weightedAverage[0]));

  for (const char* bad : {"", "hello\n", "Weighted Average\n", "Weighted Average\n1  \n",
                          "Weighted Average\nx\n"}) {
    ReportResult r = ParseReport(bad, "in.txt", 1, "out.txt");
    EXPECT_EQ(r.status.code, 864) << bad;
    EXPECT_NE(r.status.message.find("out.txt"), std::string::npos);
  }
  EXPECT_EQ(ReadReport("absent.txt", "in.txt", 1).status.code, 863);
}

// Runs the prediction commands and reads back what they wrote: every
// report form, read as the chart reads it, agrees with itself.
class ReportFormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string series = "*Test series*\n1\n";
    for (int r = 0; r < 80; ++r) {
      series += std::to_string(50.0 + 20.0 * std::sin(r * 0.4) + r * 0.3) + "\n";
    }
    WriteFile("series.txt", series);
    WriteFile("other.txt", "*Other*\n1\n" + std::string("3\n5\n4\n6\n5\n7\n6\n8\n7\n9\n8\n"));
    wb_.state().predictionInputFile = "series.txt";
  }
  ReportForecast Run(int id, const std::string& input = "series.txt") {
    wb_.Execute(id);
    ReportResult r = ReadReport(wb_.state().predictionOutputFile, input, 1);
    EXPECT_TRUE(r.status.ok()) << id << ": " << r.status.message;
    return r.forecast;
  }
  ScopedTempDir dir_;
  RecordingShell shell_;
  Workbench wb_{shell_};
};

TEST_F(ReportFormsTest, EveryReportModeOfTheMenus) {
  struct Form {
    int id;
    bool listing;
  } forms[] = {
      {kCmRealPlusLinear, true},       {kCmRealPlusExponential, true},
      {kCmRealFirst + 6, true},        {kCmIntegerFirst, true},
      {kCmAvgMaxFirst, false},         {kCmAvgMaxFirst + 3, false},
      {kCmAvgMaxFirst + 6, false},     {kCmAvgMaxFirst + 11, false},
  };
  for (const Form& form : forms) {
    const ReportForecast f = Run(form.id);
    ASSERT_EQ(f.form, ReportForecast::Form::kSingle) << form.id;
    EXPECT_EQ(f.candidates.empty(), !form.listing) << form.id;
    if (!form.listing) continue;
    // The listed possibilities give the weighted average and the best row.
    double sum = 0, total = 0;
    const ReportCandidate* best = &f.candidates.front();
    for (const ReportCandidate& c : f.candidates) {
      sum += std::trunc(c.weight) * c.values[0];
      total += std::trunc(c.weight);
      if (c.weight > best->weight) best = &c;
    }
    const double tolerance = form.id == kCmIntegerFirst ? 0.5 : 1e-3 * std::abs(sum / total) + 1e-4;
    EXPECT_NEAR(f.weightedAverage[0], sum / total, tolerance) << form.id;
    EXPECT_FLOAT_EQ(f.highestProbability[0], best->values[0]) << form.id;
    EXPECT_FLOAT_EQ(f.highestWeight, best->weight) << form.id;
  }
  const ReportForecast three = Run(kCmAverage3First);
  ASSERT_EQ(three.form, ReportForecast::Form::kSteps);
  EXPECT_EQ(three.steps.size(), 3u);
  const ReportForecast ten = Run(kCmAverage10First);
  ASSERT_EQ(ten.form, ReportForecast::Form::kSteps);
  EXPECT_GE(ten.steps.size(), 1u);
}

TEST_F(ReportFormsTest, CollectiveReportGivesEachInputItsOwnPart) {
  const ReportForecast single = Run(kCmRealPlusLinear, "series.txt");
  WorkbenchState& s = wb_.state();
  s.inputMode = InputMode::kDirectory;
  s.directoryList = {"other.txt", "series.txt"};
  s.directoryCount = 2;
  wb_.Execute(kCmRealPlusLinear);
  ASSERT_TRUE(IsCollectiveReport(s.predictionOutputFile));
  ReportResult mine = ReadReport(s.predictionOutputFile, "series.txt", 1);
  ASSERT_TRUE(mine.status.ok()) << mine.status.message;
  EXPECT_EQ(mine.forecast.weightedAverage, single.weightedAverage);
  // A name that leads to the same file finds the same part.
  ReportResult same = ReadReport(s.predictionOutputFile, "./series.txt", 1);
  EXPECT_EQ(same.forecast.weightedAverage, single.weightedAverage);
  ReportResult other = ReadReport(s.predictionOutputFile, "other.txt", 1);
  ASSERT_TRUE(other.status.ok()) << other.status.message;
  EXPECT_NE(other.forecast.weightedAverage, single.weightedAverage);
  ReportResult absent = ReadReport(s.predictionOutputFile, "third.txt", 1);
  EXPECT_EQ(absent.status.code, 864);
  EXPECT_TRUE(absent.noPartForInput);
  EXPECT_FALSE(IsCollectiveReport("series.txt"));
}

}  // namespace
}  // namespace foresta
