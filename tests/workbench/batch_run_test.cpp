#include "workbench/batch_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "workbench/prediction_run.h"
#include "state/recording_shell.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;
using Kind = ShellEvent::Kind;

// Settings small enough to keep ten-step runs quick.
constexpr int kPrecision = 10;
constexpr int kTrend = 3;

class BatchRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    series_ = ReadFile(FORESTA_DATA_DIR "/example2a.txt");
    ASSERT_FALSE(series_.empty());
  }

  // A second series, so the files of a list give different reports.
  std::string OtherSeries() const {
    std::string other = series_;
    other += "120.5\n";
    return other;
  }

  static std::string BatchText(const std::string& output, int code,
                               const std::vector<std::string>& names) {
    std::string text = "Test batch *made by the test*\n" + output + "\n" +
                       std::to_string(kPrecision) + "\n" +
                       std::to_string(kTrend) + "\n" + std::to_string(code) +
                       "\n" + std::to_string(names.size()) + "\n";
    for (const std::string& name : names) text += name + "\n";
    return text;
  }

  // The report the menus' dispatcher writes for the same settings.
  template <typename Dispatch>
  std::string DirectReport(const std::vector<std::string>& names,
                           Dispatch dispatch) {
    RecordingShell shell;
    Workbench wb(shell);
    WorkbenchState& s = wb.state();
    s.precision = kPrecision;
    s.trend = kTrend;
    s.predictionOutputFile = "direct.txt";
    if (names.size() == 1) {
      s.predictionInputFile = names[0];
    } else {
      s.inputMode = InputMode::kDirectory;
      s.directoryList = names;
      s.directoryCount = static_cast<int>(names.size());
    }
    EXPECT_TRUE(dispatch(wb));
    return ReadFile("direct.txt");
  }

  ScopedTempDir dir_;
  std::string series_;
  RecordingShell shell_;
  Workbench wb_{shell_};
};

TEST_F(BatchRunTest, FailedTestIsReportedAndChangesNothing) {
  wb_.Execute(567);
  ASSERT_EQ(shell_.events().size(), 1u);
  EXPECT_EQ(shell_.events()[0],
            (ShellEvent{Kind::kInformation, 161, "Information",
                        "Unable to Open Batch File "}));

  WriteFile("batch.txt", BatchText("out.txt", 5, {"absent.txt"}));
  wb_.Execute(567);
  EXPECT_EQ(shell_.events().back().code, 169);
  EXPECT_EQ(shell_.events().back().text, "Batch: cannot open input file ");
  EXPECT_EQ(wb_.state().predictionOutputFile, "example2b.txt");
  EXPECT_EQ(wb_.state().precision, 10);
  EXPECT_EQ(wb_.state().runCode, 1);
}

TEST_F(BatchRunTest, OneStepAverageOfAKindWithoutAveragesIsRefused) {
  WriteFile("series.txt", series_);
  WriteFile("batch.txt", BatchText("out.txt", 116, {"series.txt"}));
  wb_.Execute(567);
  ASSERT_EQ(shell_.events().size(), 1u);
  EXPECT_EQ(shell_.events()[0],
            (ShellEvent{Kind::kInformation, 167, "Information",
                        "Batch: run code error "}));
  EXPECT_EQ(wb_.state().runCode, 116);
  EXPECT_EQ(ReadFile("out.txt"), "");  // emptied by the test, nothing ran
}

TEST_F(BatchRunTest, IntegerLinearOverOneFile) {
  WriteFile("series.txt", series_);
  const std::string direct = DirectReport(
      {"series.txt"}, [](Workbench& wb) { return RunPredictionCommand(wb, 10); });
  ASSERT_FALSE(direct.empty());
  WriteFile("batch.txt", BatchText("out.txt", 10, {"series.txt"}));
  wb_.Execute(567);
  EXPECT_EQ(ReadFile("out.txt"), direct);
  EXPECT_EQ(shell_.events().back(), (ShellEvent{Kind::kOpen, 553, "", "out.txt"}));
  EXPECT_EQ(wb_.state().runCode, 10);
  EXPECT_EQ(wb_.state().inputMode, InputMode::kFile);
}

TEST_F(BatchRunTest, IntegerLinearOverTheSevenNamesThatOpen) {
  WriteFile("a.txt", series_);
  WriteFile("b.txt", OtherSeries());
  WriteFile("c.txt", series_);
  WriteFile("d.txt", OtherSeries());
  WriteFile("e.txt", series_);
  const std::vector<std::string> listed = {"b.txt", "gone1.txt", "a.txt",
                                           "e.txt", "gone2.txt", "d.txt",
                                           "c.txt"};
  const std::vector<std::string> opened = {"b.txt", "a.txt", "e.txt", "d.txt",
                                           "c.txt"};
  const std::string direct = DirectReport(
      opened, [](Workbench& wb) { return RunPredictionCommand(wb, 10); });
  ASSERT_FALSE(direct.empty());
  WriteFile("batch.txt", BatchText("out.txt", 10, listed));
  wb_.Execute(567);
  EXPECT_EQ(wb_.state().directoryList, opened);
  EXPECT_EQ(wb_.state().inputMode, InputMode::kDirectory);
  EXPECT_EQ(ReadFile("out.txt"), direct);
  EXPECT_EQ(shell_.events().back(), (ShellEvent{Kind::kOpen, 553, "", "out.txt"}));
}

TEST_F(BatchRunTest, AveragesRunTheFlowOfTheirKind) {
  WriteFile("series.txt", series_);
  WriteFile("other.txt", OtherSeries());
  WriteFile("twin.txt", series_);
  struct Case {
    int code;
    std::vector<std::string> names;
    bool growth;
  };
  const Case cases[] = {
      {604, {"series.txt"}, true},
      {1004, {"series.txt"}, true},
      {1004, {"series.txt", "twin.txt"}, true},
      {310, {"other.txt", "series.txt"}, false},
      // Seven names of which two cannot be opened.
      {604,
       {"twin.txt", "gone1.txt", "series.txt", "twin.txt", "gone2.txt",
        "series.txt", "twin.txt"},
       true},
      {1004,
       {"series.txt", "gone1.txt", "twin.txt", "series.txt", "gone2.txt",
        "twin.txt", "series.txt"},
       true},
  };
  for (const Case& c : cases) {
    const int kind = c.code % 100, steps = c.code / 100;
    std::vector<std::string> opened;
    for (const std::string& name : c.names) {
      if (std::filesystem::exists(name)) opened.push_back(name);
    }
    const std::string direct = DirectReport(opened, [&](Workbench& wb) {
      return c.growth ? RunGrowthAverageCommand(wb, kind, steps)
                      : RunAverageCommand(wb, kind, steps);
    });
    ASSERT_FALSE(direct.empty()) << c.code;
    WriteFile("batch.txt", BatchText("out.txt", c.code, c.names));
    BatchRunOutcome outcome = RunBatchFile(wb_);
    EXPECT_TRUE(outcome.predicted) << c.code;
    EXPECT_EQ(outcome.runCode, c.code);
    EXPECT_EQ(ReadFile("out.txt"), direct) << c.code;
    if (c.names.size() > 1) {
      EXPECT_EQ(wb_.state().directoryList, opened) << c.code;
    }
    EXPECT_EQ(wb_.state().runCode, c.code);
  }
}

TEST_F(BatchRunTest, SavedBatchRunsWithTheSettingsItWasSavedFrom) {
  WriteFile("series.txt", series_);
  WorkbenchState& s = wb_.state();
  s.predictionInputFile = "series.txt";
  s.predictionOutputFile = "saved.txt";
  s.precision = kPrecision;
  s.trend = kTrend;
  s.runCode = 1004;
  wb_.Execute(566);

  RecordingShell shell;
  Workbench fresh(shell);
  fresh.Execute(567);
  const WorkbenchState& f = fresh.state();
  EXPECT_EQ(f.predictionInputFile, "series.txt");
  EXPECT_EQ(f.predictionOutputFile, "saved.txt");
  EXPECT_EQ(f.precision, kPrecision);
  EXPECT_EQ(f.trend, kTrend);
  EXPECT_EQ(f.runCode, 1004);
  EXPECT_EQ(ReadFile("saved.txt"),
            DirectReport({"series.txt"}, [](Workbench& wb) {
              return RunGrowthAverageCommand(wb, 4, 10);
            }));

  // Saving again after the run writes the same settings back.
  const std::string first = ReadFile("batch.txt");
  fresh.Execute(566);
  EXPECT_EQ(ReadFile("batch.txt"), first);
}

}  // namespace
}  // namespace foresta
