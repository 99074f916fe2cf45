// Prediction and batch runs refuse, before writing anything, inputs that
// they would overwrite and inputs too long for the engine.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "state/message_codes.h"
#include "state/message_texts.h"
#include "state/recording_shell.h"
#include "support/temp_dir.h"
#include "workbench/batch_run.h"
#include "workbench/prediction_run.h"
#include "workbench/workbench.h"
#include "workbench/written_files.h"

namespace foresta {
namespace {

namespace fs = std::filesystem;
using Kind = ShellEvent::Kind;
using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

constexpr const char* kSeries =
    "*c*\n1\n1 2 3 4 5 6 7 8 9 10 9 8 7 6 5 4 3 2 1 2 3 4 5 6\n";

std::string Text(int code) { return std::string(*InformationText(code)); }

class CarelessRunsTest : public ::testing::Test {
 protected:
  std::vector<ShellEvent> TakeEvents() {
    std::vector<ShellEvent> e = shell_.events();
    shell_.ClearEvents();
    return e;
  }
  ScopedTempDir dir_;
  RecordingShell shell_;
  Workbench wb_{shell_};
};

TEST_F(CarelessRunsTest, WrittenFilesAreFoundByIdentity) {
  WorkbenchState s;
  WriteFile("example1.trn", "x");
  WriteFile("mine.txt", "x");
  fs::create_symlink("example1.trn", "link.txt");
  for (const char* name : {"example1.trn", "./example1.trn", "link.txt"}) {
    std::optional<WrittenFile> w = WrittenFileThatIs(s, name);
    ASSERT_TRUE(w) << name;
    EXPECT_EQ(w->role, "training file");
  }
  EXPECT_FALSE(WrittenFileThatIs(s, "mine.txt"));
  EXPECT_FALSE(WrittenFileThatIs(s, "missing.txt"));
}

// Every file the run writes, given as the input, is refused and kept; no
// pattern file is written, in single runs and in averages alike.
TEST_F(CarelessRunsTest, AnInputTheRunWouldOverwriteIsRefusedAndKept) {
  WorkbenchState& s = wb_.state();
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"error.tmp", "echo file"},           {"example1.rtn", "retraining file"},
      {"example1.usd", "user distribution file"}, {"example1.dat", "recognition output file"},
      {"example2b.txt", "prediction report"},
  };
  for (const auto& [name, role] : cases) {
    for (int code : {1, 301}) {
      SCOPED_TRACE(name + " code " + std::to_string(code));
      WriteFile(name, kSeries);
      s.predictionInputFile = "./" + name;
      EXPECT_FALSE(RunAnyPredictionCode(wb_, code));
      EXPECT_EQ(s.statusCode, kMsgInputIsWrittenFile);
      EXPECT_EQ(TakeEvents(),
                (std::vector<ShellEvent>{
                    {Kind::kInformation, kMsgInputIsWrittenFile, "Information",
                     Text(kMsgInputIsWrittenFile) + "\n./" + name + " is also the " + role +
                         " " + name + " that the prediction writes "}}));
      EXPECT_EQ(ReadFile(name), kSeries);
      EXPECT_FALSE(fs::exists("example1.trn"));
      fs::remove(name);
    }
  }
}

TEST_F(CarelessRunsTest, ADirectoryRunWhoseReportIsAnInputWritesNothing) {
  WorkbenchState& s = wb_.state();
  WriteFile("a.txt", kSeries);
  WriteFile("out.txt", kSeries);
  s.inputMode = InputMode::kDirectory;
  s.directoryList = {"a.txt", "./out.txt"};
  s.directoryCount = 2;
  s.predictionOutputFile = "out.txt";
  EXPECT_FALSE(RunAnyPredictionCode(wb_, 1));
  EXPECT_EQ(s.statusCode, kMsgInputIsWrittenFile);
  EXPECT_EQ(ReadFile("out.txt"), kSeries);
  EXPECT_FALSE(fs::exists("example1.trn"));
  // A pattern file among the inputs fails alone; the others are predicted.
  WriteFile("example1.rec", kSeries);
  s.directoryList = {"example1.rec", "a.txt"};
  TakeEvents();
  EXPECT_FALSE(RunAnyPredictionCode(wb_, 1));
  const std::vector<ShellEvent> events = TakeEvents();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_NE(events[0].text.find("example1.rec: " + Text(kMsgInputIsWrittenFile) +
                                "(example1.rec is also the recognition file"),
            std::string::npos)
      << events[0].text;
  EXPECT_NE(ReadFile("out.txt").find("Input file: a.txt"), std::string::npos);
}

TEST_F(CarelessRunsTest, AnInputTooLongForTheCodeIsRefusedBeforeAnyPatternFile) {
  std::string data = "*long*\n1\n";
  for (int r = 0; r < 100001; ++r) data += std::to_string(r % 17) + "\n";
  WriteFile("example2a.txt", data);
  WorkbenchState& s = wb_.state();
  EXPECT_FALSE(RunAnyPredictionCode(wb_, 1));
  EXPECT_EQ(s.statusCode, kMsgTooManyRows);
  EXPECT_EQ(TakeEvents(), (std::vector<ShellEvent>{
                              {Kind::kInformation, kMsgTooManyRows, "Information",
                               Text(kMsgTooManyRows) +
                                   "\nexample2a.txt has 100001 rows; this code can use at "
                                   "most 100000 of them "}}));
  EXPECT_FALSE(fs::exists("example1.trn"));
  EXPECT_FALSE(fs::exists("example1.usd"));
  // The newest rows the code can use are predicted.
  s.newestRows = 100000;
  EXPECT_TRUE(RunAnyPredictionCode(wb_, 1));
  EXPECT_EQ(ReadFile("example1.usd").substr(0, 20), "*long*\n10   100000\n0");
  EXPECT_EQ(ReadFile("example2a.txt"), data);
}

TEST_F(CarelessRunsTest, ABatchFileTheRunWouldOverwriteIsRefused) {
  const std::string batch = "*\nb\n*\nout.txt\n10\n4\n1\n1\nin.txt\n";
  WriteFile("in.txt", kSeries);
  WriteFile("example1.trn", batch);
  wb_.state().batchFile = "example1.trn";
  BatchRunOutcome outcome = RunBatchFile(wb_);
  EXPECT_NE(outcome.testCode, 0);
  EXPECT_EQ(wb_.state().statusCode, kMsgBatchIsWrittenFile);
  EXPECT_EQ(ReadFile("example1.trn"), batch);
  EXPECT_FALSE(fs::exists("out.txt"));
  // The batch test's own refusals show their codes.
  WriteFile("batch.txt", "*\nb\n*\nin.txt\n10\n4\n1\n1\nin.txt\n");
  wb_.state().batchFile = "batch.txt";
  RunBatchFile(wb_);
  EXPECT_EQ(wb_.state().statusCode, kMsgBatchOutputIsInput);
  EXPECT_EQ(ReadFile("in.txt"), kSeries);
}

}  // namespace
}  // namespace foresta
