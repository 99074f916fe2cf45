#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "state/message_codes.h"
#include "state/recording_shell.h"
#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

// Records how far a run said it was, and cancels when told to.
class ProgressShell : public RecordingShell {
 public:
  void ReportProgress(const std::string& what, double done) override {
    what_ = what;
    fractions.push_back(done);
  }
  bool CancelRequested() override { return cancel; }

  std::vector<double> fractions;
  bool cancel = false;

 private:
  std::string what_;
};

class EvaluationCommandsTest : public ::testing::Test {
 protected:
  EvaluationCommandsTest() : wb_(shell_) {
    std::string text = "a noisy cycle *\n*\n1\n";
    for (int i = 0; i < 80; ++i) {
      const double x = 50 + 20 * std::sin(i / 2.5) + ((i * 37) % 11) - 5;
      text += std::to_string(static_cast<int>(x)) + "\n";
    }
    WriteFile("cycle.txt", text);
    wb_.state().predictionInputFile = "cycle.txt";
  }

  std::vector<ShellEvent> Events(ShellEvent::Kind kind) const {
    std::vector<ShellEvent> found;
    for (const ShellEvent& e : shell_.events()) {
      if (e.kind == kind) found.push_back(e);
    }
    return found;
  }

  ScopedTempDir dir_;
  ProgressShell shell_;
  Workbench wb_;
};

TEST_F(EvaluationCommandsTest, BacktestReportsProgressOpensItsReportAndHandsTheSettingsOver) {
  wb_.Execute(kCmBacktest);
  ASSERT_EQ(Events(ShellEvent::Kind::kDialog).size(), 1u);
  EXPECT_EQ(Events(ShellEvent::Kind::kDialog)[0].code, static_cast<int>(DialogKind::kBacktest));
  ASSERT_EQ(Events(ShellEvent::Kind::kOpen).size(), 1u);
  EXPECT_EQ(Events(ShellEvent::Kind::kOpen)[0].text, "backtest.rpt");
  EXPECT_EQ(ReadFile("backtest.rpt").rfind("Backtest of cycle.txt: 80 rows", 0), 0u);
  ASSERT_FALSE(shell_.fractions.empty());
  for (double f : shell_.fractions) {
    EXPECT_GE(f, 0.0);
    EXPECT_LE(f, 1.0);
  }
  ASSERT_TRUE(wb_.advice().valid);
  EXPECT_EQ(wb_.advice().inputFile, "cycle.txt");

  // The settings hand-over: a pattern advice (or a combination's best
  // member) becomes precision and trend; a baseline leaves them alone.
  const Setting& advice = wb_.advice().setting;
  const Setting* pattern = advice.method == Method::kPattern ? &advice : nullptr;
  if (advice.method == Method::kCombination) {
    for (const Setting& m : advice.members) {
      if (pattern == nullptr && m.method == Method::kPattern) pattern = &m;
      for (const Setting& inner : m.members) {
        if (pattern == nullptr && inner.method == Method::kPattern) pattern = &inner;
      }
    }
  }
  shell_.ClearEvents();
  wb_.Execute(kCmUseRecommended);
  if (pattern != nullptr) {
    EXPECT_EQ(wb_.state().statusCode, kMsgAdviceUsed);
    EXPECT_EQ(wb_.state().precision, pattern->precision);
    EXPECT_EQ(wb_.state().trend, pattern->trend);
    EXPECT_EQ(wb_.state().texts.linkPrecision, std::to_string(pattern->precision));
    EXPECT_EQ(wb_.state().adviceCode, pattern->code);
    EXPECT_EQ(wb_.state().adviceHighestProbability,
              pattern->point == PointForecast::kHighestProbability);
  } else {
    EXPECT_EQ(wb_.state().statusCode, kMsgNoRecommendation);
    EXPECT_EQ(wb_.state().precision, 10);
  }
  ASSERT_EQ(Events(ShellEvent::Kind::kMessage).size(), 1u);

  shell_.ClearEvents();
  wb_.Execute(kCmPredictRecommended);
  ASSERT_EQ(Events(ShellEvent::Kind::kOpen).size(), 1u);
  EXPECT_EQ(Events(ShellEvent::Kind::kOpen)[0].text, "advice.rpt");
  const std::string report = ReadFile("advice.rpt");
  EXPECT_EQ(report.rfind("Prediction of cycle.txt with the advised method: ", 0), 0u) << report;
  EXPECT_NE(report.find("Next value (row 81): "), std::string::npos) << report;
  EXPECT_NE(report.find("  80% interval: "), std::string::npos) << report;
}

TEST_F(EvaluationCommandsTest, WithoutABacktestThereIsNothingToUse) {
  for (int id : {kCmUseRecommended, kCmPredictRecommended}) {
    shell_.ClearEvents();
    wb_.Execute(id);
    EXPECT_EQ(wb_.state().statusCode, kMsgNoRecommendation);
    ASSERT_EQ(Events(ShellEvent::Kind::kMessage).size(), 1u);
    EXPECT_NE(Events(ShellEvent::Kind::kMessage)[0].text.find("run Tools/Backtest"),
              std::string::npos);
  }
  EXPECT_EQ(wb_.state().precision, 10);
  EXPECT_EQ(wb_.state().trend, 5);
}

TEST_F(EvaluationCommandsTest, CancelStopsTheRunWithoutAReport) {
  shell_.cancel = true;
  wb_.Execute(kCmBacktest);
  EXPECT_EQ(wb_.state().statusCode, kMsgBacktestCancelled);
  EXPECT_TRUE(Events(ShellEvent::Kind::kOpen).empty());
  EXPECT_FALSE(wb_.advice().valid);
  EXPECT_FALSE(std::ifstream("backtest.rpt").good());
}

TEST_F(EvaluationCommandsTest, RefusalsAreExplained) {
  shell_.confirmDialogs = false;
  wb_.Execute(kCmBacktest);  // the dialog is cancelled: nothing runs
  EXPECT_TRUE(shell_.fractions.empty());
  EXPECT_EQ(Events(ShellEvent::Kind::kMessage).size(), 0u);

  shell_.confirmDialogs = true;
  wb_.state().texts.backtestSeason = "-1";
  wb_.Execute(kCmBacktest);
  EXPECT_EQ(wb_.state().statusCode, kMsgBacktestSettings);

  wb_.state().texts.backtestSeason = "0";
  wb_.state().texts.backtestOrigins = "70";  // leaves no validation window
  wb_.Execute(kCmBacktest);
  EXPECT_EQ(wb_.state().statusCode, kMsgBacktestTooShort);
  EXPECT_NE(shell_.events().back().text.find("too short"), std::string::npos);

  wb_.state().predictionInputFile = "absent.txt";
  wb_.Execute(kCmBacktest);
  EXPECT_EQ(wb_.state().statusCode, kMsgInputTestBase + 1);
  EXPECT_FALSE(wb_.advice().valid);
}

}  // namespace
}  // namespace foresta
