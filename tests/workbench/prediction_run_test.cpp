#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#include "prediction_reference.h"
#include "support/temp_dir.h"
#include "workbench/command_vocabulary.h"
#include "workbench/prediction_run.h"
#include "state/message_codes.h"
#include "state/message_texts.h"
#include "state/recording_shell.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

using Kind = ShellEvent::Kind;
using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

// Command identifier of each run code 1..27.
int CommandOf(int code) { return code <= 9 ? 554 + code : 578 + code; }

std::string InputText(const reference::Input& in) {
  std::string s = in.comment + "\n" + std::to_string(in.rows[0].size()) + "\n";
  for (const auto& row : in.rows) {
    for (float x : row) s += reference::G(x) + " ";
    s += "\n";
  }
  return s;
}

// Random series of `n` variables; some values near or at zero so the growth
// clamp is exercised.
reference::Input RandomInput(std::mt19937& rng, std::size_t n, int rows) {
  std::uniform_int_distribution<int> cents(-500, 20000);
  std::uniform_int_distribution<int> zero(0, 9);
  reference::Input in;
  in.comment = "note *random series*";
  for (int r = 0; r < rows; ++r) {
    std::vector<float> row;
    for (std::size_t j = 0; j < n; ++j) {
      float x = zero(rng) == 0 ? 0.0f : static_cast<float>(cents(rng)) / 100.0f;
      // Parse the printed form so the reference holds what the file holds.
      row.push_back(std::stof(reference::G(x)));
    }
    in.rows.push_back(row);
  }
  return in;
}

class PredictionRunTest : public ::testing::Test {
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

TEST_F(PredictionRunTest, EveryCodeMatchesTheReferenceInFileAndDirectoryMode) {
  std::mt19937 rng(20261208);
  int predicted = 0;
  for (int code = 1; code <= 27; ++code) {
    SCOPED_TRACE("code " + std::to_string(code));
    const int kind = (code >= 4 && code <= 6) || (code >= 19 && code <= 21) ? 1
                     : (code >= 7 && code <= 9) || (code >= 13 && code <= 15) ||
                             code >= 25
                         ? 2
                         : 0;
    const int style = (code - 1) % 3 + 1;
    const int mode = code <= 9 ? 1 : code <= 15 ? 2 : code <= 21 ? 3 : 4;
    const std::size_t n = 1 + static_cast<std::size_t>(code % 2);
    const int trend = 2 + code % 2;
    const int window = static_cast<int>(n) * trend;
    const int precision = std::max(4 + code % 3, (20 + window - 1) / window);
    std::vector<std::string> files = {"s1.txt", "s2.txt"};
    std::vector<std::string> reports;
    wb_.state().precision = precision;
    wb_.state().trend = trend;
    wb_.state().inputMode = InputMode::kFile;
    for (const std::string& file : files) {
      reference::Input in = RandomInput(rng, n, 12);
      WriteFile(file, InputText(in));
      wb_.state().predictionInputFile = file;
      wb_.Execute(CommandOf(code));
      ASSERT_EQ(TakeEvents(), (std::vector<ShellEvent>{
                                  {Kind::kOpen, 553, "", "example2b.txt"}}));
      EXPECT_EQ(wb_.state().statusCode, 553);
      EXPECT_EQ(wb_.state().runCode, code);
      reference::Encoded e = reference::Encode(in, kind, style, precision, trend);
      EXPECT_EQ(ReadFile("example1.trn"), e.trn);
      EXPECT_EQ(ReadFile("example1.rtn"), e.rtn);
      EXPECT_EQ(ReadFile("example1.rec"), e.rec);
      EXPECT_EQ(ReadFile("example1.usd"), e.usd);
      auto votes = reference::Votes(ReadFile("example1.dat"));
      if (!votes.empty()) ++predicted;
      std::string expected =
          reference::Report(e, kind == 1, style, mode, precision, votes);
      EXPECT_EQ(ReadFile("example2b.txt"), expected);
      reports.push_back(expected);
    }
    wb_.state().inputMode = InputMode::kDirectory;
    wb_.state().directoryList = files;
    wb_.state().directoryCount = 2;
    wb_.Execute(CommandOf(code));
    ASSERT_EQ(TakeEvents(), (std::vector<ShellEvent>{
                                {Kind::kOpen, 553, "", "example2b.txt"}}));
    std::string collective;
    for (std::size_t i = 0; i < files.size(); ++i) {
      collective += "\n" + std::string(44, '*') + "\nInput file: " + files[i] +
                    "\n\n" + reports[i];
    }
    EXPECT_EQ(ReadFile("example2b.txt"), collective);
    EXPECT_EQ(wb_.state().predictionInputFile, "s2.txt");
  }
  // Most runs must actually predict, or the comparison proves little.
  EXPECT_GT(predicted, 25);
}

TEST_F(PredictionRunTest, RefusedInputShowsItsStatusAndWritesNoPatternFile) {
  WriteFile("example2a.txt", "*c*1\n1\n2\n");  // fewer rows than the trend
  wb_.Execute(555);
  EXPECT_EQ(TakeEvents(), (std::vector<ShellEvent>{
                              {Kind::kInformation, 555, "Information",
                               "Please Test Your Input File \n Click: "
                               "Initialization/Test Data File "}}));
  EXPECT_EQ(wb_.state().statusCode, 555);
  EXPECT_FALSE(std::filesystem::exists("example1.trn"));
  EXPECT_FALSE(std::filesystem::exists("example2b.txt"));
}

TEST_F(PredictionRunTest, UnwritablePatternFileAndTooManyCombinations) {
  std::string input = "*c*3\n";
  for (int r = 0; r < 12; ++r) input += std::to_string(r) + " 1 " + std::to_string(r * r) + "\n";
  WriteFile("example2a.txt", input);
  wb_.state().trainingFile = "missing-dir/t.trn";
  wb_.Execute(555);
  EXPECT_EQ(wb_.state().statusCode, 46);
  ASSERT_EQ(shell_.events().size(), 1u);
  EXPECT_EQ(TakeEvents()[0].text, "Unable to Open Output File ");

  // 100^3 combinations: refused after the distribution header.
  wb_.state().trainingFile = "example1.trn";
  wb_.state().precision = 100;
  wb_.state().trend = 2;
  wb_.Execute(561);
  EXPECT_EQ(wb_.state().statusCode, 558);
  EXPECT_EQ(TakeEvents()[0].code, 558);
  EXPECT_EQ(ReadFile("example1.usd"), "*c*\n300   1000000\n");
}

TEST_F(PredictionRunTest, DirectoryRunNamesFailedFilesAndKeepsTheOthers) {
  WriteFile("good.txt", ReadFile(std::string(FORESTA_DATA_DIR) + "/example2a.txt"));
  WriteFile("short.txt", "*c*1\n1\n2\n");
  wb_.state().inputMode = InputMode::kDirectory;
  wb_.state().directoryList = {"short.txt", "good.txt"};
  wb_.state().directoryCount = 2;
  wb_.Execute(555);
  std::vector<ShellEvent> events = TakeEvents();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].kind, Kind::kMessage);
  EXPECT_EQ(events[0].text,
            "1 of 2 files gave no prediction:\nshort.txt: Please Test Your Input "
            "File \n Click: Initialization/Test Data File \n");
  EXPECT_EQ(events[1], (ShellEvent{Kind::kOpen, 553, "", "example2b.txt"}));
  std::string report = ReadFile("example2b.txt");
  EXPECT_EQ(report.find("short.txt"), std::string::npos);
  EXPECT_EQ(report.find("\n" + std::string(44, '*') + "\nInput file: good.txt\n\n"), 0u);

  // An empty list is refused before the report is touched, and an
  // unwritable report is said so.
  wb_.state().directoryList.clear();
  wb_.state().directoryCount = 0;
  wb_.Execute(555);
  EXPECT_EQ(ReadFile("example2b.txt"), report);
  EXPECT_EQ(TakeEvents(),
            (std::vector<ShellEvent>{{Kind::kInformation, kMsgNoFilePredicted, "Information",
                                      std::string(*InformationText(kMsgNoFilePredicted))}}));
  wb_.state().directoryList = {"good.txt"};
  wb_.state().directoryCount = 1;
  wb_.state().predictionOutputFile = "missing-dir/out.txt";
  wb_.Execute(555);
  EXPECT_EQ(TakeEvents(), (std::vector<ShellEvent>{{Kind::kInformation, 46, "Information",
                                                    "Unable to Open Output File "}}));
}

TEST_F(PredictionRunTest, ThreeStepAverageWritesOneLinePerStep) {
  WriteFile("example2a.txt", ReadFile(std::string(FORESTA_DATA_DIR) + "/example2a.txt"));
  wb_.Execute(555);
  std::string single = ReadFile("example2b.txt");
  TakeEvents();
  wb_.Execute(610);
  EXPECT_EQ(TakeEvents(), (std::vector<ShellEvent>{
                              {Kind::kOpen, 553, "", "example2b.txt"}}));
  EXPECT_EQ(wb_.state().runCode, 301);
  std::string table = ReadFile("example2b.txt");
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 3);
  // Step 0 is the single prediction: its average and maximum weight.
  std::size_t at = single.find("Weighted Average\n") + 17;
  std::string average = single.substr(at, single.find("  \n", at) - at);
  at = single.find("Highest Probability\n") + 20;
  std::string best = single.substr(at, single.find('\n', at) - at);
  std::string weight = best.substr(best.rfind(' ') + 1);
  EXPECT_EQ(table.substr(0, table.find('\n')), average + "  " + weight + "  ");
  // The last recognition file holds the trend - 1 newest rows, the last of
  // them predicted, and the unknown row.
  std::string rec = ReadFile("example1.rec");
  EXPECT_EQ(rec.rfind(" * \n * \n", 0), 0u);
  EXPECT_EQ(std::count(rec.begin(), rec.end(), '\n'), 2 + 4);
  EXPECT_EQ(rec.substr(rec.size() - 11), "xxxxxxxxxx ");
  // The table is cleared for the next command.
  for (std::size_t r = 0; r < 10; ++r) EXPECT_EQ(wb_.prediction().Table(r, 0), 0.0f);

  wb_.Execute(626);  // 10 integer steps
  table = ReadFile("example2b.txt");
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 10);
  EXPECT_EQ(table.find('.'), std::string::npos);
  EXPECT_EQ(wb_.state().runCode, 1010);
}

TEST_F(PredictionRunTest, GrowthAverageCarriesValuesForward) {
  WriteFile("example2a.txt", ReadFile(std::string(FORESTA_DATA_DIR) + "/example2a.txt"));
  wb_.Execute(613);
  std::string table = ReadFile("example2b.txt");
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 3);
  // Predicted values lie in the range of the series, not of its rates.
  float first = std::stof(table);
  EXPECT_GT(first, 50.0f);
  EXPECT_LT(first, 400.0f);
  EXPECT_EQ(wb_.state().runCode, 304);
}

TEST_F(PredictionRunTest, ImpossibleFirstStepStillReportsTheFile) {
  // Rising one-hot codes: the newest value's interval never occurred before,
  // so no stored window agrees with the recognition vector.
  WriteFile("rise.txt", "*c*1\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n");
  wb_.state().precision = 10;
  wb_.state().trend = 2;
  wb_.state().predictionInputFile = "rise.txt";
  wb_.Execute(612);
  EXPECT_EQ(ReadFile("example2b.txt"), "");
  EXPECT_EQ(ReadFile("example1.rec"), "");
  EXPECT_EQ(TakeEvents().back().kind, Kind::kOpen);

  wb_.state().inputMode = InputMode::kDirectory;
  wb_.state().directoryList = {"rise.txt"};
  wb_.state().directoryCount = 1;
  wb_.Execute(612);
  std::vector<ShellEvent> events = TakeEvents();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].text,
            "1 of 1 files gave no prediction:\nrise.txt: Can not make a "
            "Prediction at step 1. \n");
  EXPECT_EQ(ReadFile("example2b.txt"),
            "\n" + std::string(44, '*') + "\nInput file: rise.txt\n\n");
}

TEST_F(PredictionRunTest, AveragesRefuseTrendsBeyondTheTableAndUnsupportedCodes) {
  WriteFile("example2a.txt", ReadFile(std::string(FORESTA_DATA_DIR) + "/example2a.txt"));
  wb_.state().precision = 1;
  wb_.state().trend = 122;  // 122 + 10 > 131
  wb_.state().statusCode = 9;
  wb_.Execute(620);
  std::vector<ShellEvent> events = TakeEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, Kind::kMessage);
  EXPECT_EQ(events[0].text,
            "Trend 122 is too large for 10 averaged predictions: trend + steps "
            "may be at most 131. Click 'Data/Link' and reduce Trend. ");
  EXPECT_FALSE(std::filesystem::exists("example1.trn"));
  EXPECT_EQ(wb_.state().statusCode, 9);

  wb_.state().trend = 102;  // growth rows must stay below 110
  wb_.Execute(623);
  ASSERT_EQ(shell_.events().size(), 1u);
  EXPECT_NE(TakeEvents()[0].text.find("at most 111"), std::string::npos);

  wb_.state().trend = 5;
  wb_.state().precision = 10;
  EXPECT_FALSE(RunAnyPredictionCode(wb_, 107));
  EXPECT_FALSE(RunGrowthAverageCommand(wb_, 4, 21));
  EXPECT_EQ(TakeEvents().size(), 2u);
  EXPECT_FALSE(std::filesystem::exists("example1.trn"));
}

TEST(PredictionCommandsTest, EveryPredictionIdentifierIsRoutedAndHinted) {
  RecordingShell shell;
  Workbench wb(shell);
  std::vector<int> ids;
  for (int id = 555; id <= 563; ++id) ids.push_back(id);
  for (int id = 588; id <= 605; ++id) ids.push_back(id);
  for (int id = 610; id <= 618; ++id) ids.push_back(id);
  for (int id = 620; id <= 628; ++id) ids.push_back(id);
  for (int id : ids) {
    EXPECT_TRUE(wb.HasCommand(id)) << id;
    EXPECT_FALSE(CommandHint(id).empty()) << id;
  }
  EXPECT_FALSE(wb.HasCommand(564));
  EXPECT_TRUE(CommandHint(619).empty());
  EXPECT_EQ(CommandHint(627), "Print 10 weighted-averages for Integer/-- Linear");
  EXPECT_EQ(CommandHint(589), "Predict baof [a, b] and data is quantized by (b-a)/N ");
}

}  // namespace
}  // namespace foresta
