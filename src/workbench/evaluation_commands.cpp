// Handlers of the Tools menu: a backtest of the linked input with the
// settings advice, taking the advice into the settings, and a prediction
// with the advised method and its intervals. The backtest's arithmetic and
// texts are the evaluation library's; these handlers only ask, run and show.
#include <fstream>
#include <string>

#include "evaluation/backtest.h"
#include "evaluation/backtest_report.h"
#include "evaluation/series.h"
#include "prediction/input_check.h"
#include "prediction/text_output.h"
#include "state/message_codes.h"
#include "workbench/command_vocabulary.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

constexpr const char* kBacktestCaption = "Backtest";
constexpr const char* kProgressText = "Backtest";

void Refuse(Workbench& wb, int code, const std::string& text) {
  wb.state().statusCode = code;
  wb.shell().ShowMessage(kBacktestCaption, text, MessageButtons::kOk, MessageIcon::kWarning);
}

bool ParseCount(const std::string& text, int minimum, int& value) {
  try {
    std::size_t used = 0;
    value = std::stoi(text, &used);
    return used == text.size() && value >= minimum;
  } catch (const std::exception&) {
    return false;
  }
}

// The dialog's texts as options; false after saying which one is wrong.
bool OptionsFromDialog(Workbench& wb, BacktestOptions& options) {
  const DialogTexts& t = wb.state().texts;
  if (!ParseCount(t.backtestOrigins, 1, options.origins) ||
      !ParseCount(t.backtestValidation, 1, options.validation) ||
      !ParseCount(t.backtestSeason, 0, options.season)) {
    Refuse(wb, kMsgBacktestSettings,
           "Backtest: the scored and validation origins must be whole numbers of at least 1, "
           "the season a whole number of at least 0 (0 finds one). ");
    return false;
  }
  options.grid = t.backtestWideGrid ? GridKind::kWide : GridKind::kDefault;
  return true;
}

// The linked input file as a series; false after showing why it is refused.
bool ReadLinkedInput(Workbench& wb, Series& series) {
  const int code = ReadSeriesFile(wb.state().predictionInputFile, &series);
  if (code == kInputOk) return true;
  wb.Inform(kMsgInputTestBase + code);
  return false;
}

void WatchProgress(Workbench& wb, BacktestOptions& options) {
  options.progress = [&wb](double done) {
    wb.shell().ReportProgress(kProgressText, done);
    return !wb.shell().CancelRequested();
  };
}

// A refused or cancelled run; true when the result can be shown.
bool Usable(Workbench& wb, const BacktestResult& r) {
  if (r.code == kBacktestCancelled) {
    wb.state().statusCode = kMsgBacktestCancelled;
    return false;
  }
  if (r.code != kBacktestOk) {
    Refuse(wb, r.code, r.message);
    return false;
  }
  return true;
}

// Writes a document and opens it with `code`.
void ShowDocument(Workbench& wb, const char* file, const std::string& text, int code) {
  TextOutput out;
  if (!out.Open(file)) {
    wb.Inform(kMsgCannotOpenOutput);
    return;
  }
  out.Write(text);
  if (!out.Close()) {
    wb.Inform(kMsgCannotOpenOutput);
    return;
  }
  wb.Open(code);
}

bool HaveAdvice(Workbench& wb) {
  if (wb.advice().valid) return true;
  Refuse(wb, kMsgNoRecommendation,
         "There is no advice yet: run Tools/Backtest... on the linked input first. ");
  return false;
}

// Writes the records a chart draws; a chart is a view, so a failure here
// leaves the report to say what the backtest found.
void WriteRecords(const BacktestResult& r) {
  std::ofstream out(kBacktestRecordsFile, std::ios::binary | std::ios::trunc);
  WriteBacktestJson(out, r, nullptr);
}

void Backtest(Workbench& wb) {
  WorkbenchState& s = wb.state();
  if (!wb.shell().RunDialog(DialogKind::kBacktest, s)) return;
  BacktestOptions options;
  Series series;
  if (!OptionsFromDialog(wb, options) || !ReadLinkedInput(wb, series)) return;
  WatchProgress(wb, options);
  const BacktestResult r = RunBacktest(series, options);
  if (!Usable(wb, r)) return;
  options.progress = nullptr;
  wb.advice() = {true, s.predictionInputFile, options,
                 r.candidates[static_cast<std::size_t>(r.recommendation.candidate)].setting,
                 wb.advice().serial + 1};
  WriteRecords(r);
  ShowDocument(wb, kBacktestReportFile, BacktestReportText(r, s.predictionInputFile),
               kDocBacktestReport);
}

// The first pattern setting of an advice: itself, or the best member of a
// combination (members are listed best first).
const Setting* FirstPattern(const Setting& s) {
  if (s.method == Method::kPattern) return &s;
  for (const Setting& member : s.members) {
    if (const Setting* p = FirstPattern(member)) return p;
  }
  return nullptr;
}

// The menu command that predicts with run code `code`.
int CommandOfCode(int code) {
  if (code <= 9) return kCmRealFirst + code - 1;
  if (code <= 15) return kCmIntegerFirst + code - 10;
  return kCmAvgMaxFirst + code - 16;
}

void UseRecommended(Workbench& wb) {
  if (!HaveAdvice(wb)) return;
  const Setting& advice = wb.advice().setting;
  const Setting* p = FirstPattern(advice);
  if (p == nullptr) {
    Refuse(wb, kMsgNoRecommendation,
           "The advice is the " + SettingName(advice) +
               " forecast: no pattern setting did better on the validation window, so there "
               "is no precision or trend to take. Tools/Predict with recommended settings "
               "predicts with it. ");
    return;
  }
  WorkbenchState& s = wb.state();
  s.precision = p->precision;
  s.trend = p->trend;
  s.ResetNumericTexts();
  s.adviceCode = p->code;
  s.adviceHighestProbability = p->point == PointForecast::kHighestProbability;
  s.statusCode = kMsgAdviceUsed;
  const int id = CommandOfCode(p->code);
  std::string text = "Precision " + std::to_string(p->precision) + " and trend " +
                     std::to_string(p->trend) + " are set. Predict with " + MenuOf(id) + "/" +
                     PlainLabel(FindCommand(id)->label) + " (code " + std::to_string(p->code) +
                     ") and read its " +
                     (s.adviceHighestProbability ? "Highest Probability" : "Weighted Average") +
                     ". ";
  if (advice.method == Method::kCombination) {
    text += "The advice averages several settings; this is the best of them. "
            "Tools/Predict with recommended settings predicts with the whole advice. ";
  }
  wb.shell().ShowMessage(kBacktestCaption, text, MessageButtons::kOk, MessageIcon::kInformation);
}

void PredictRecommended(Workbench& wb) {
  if (!HaveAdvice(wb)) return;
  Series series;
  if (!ReadLinkedInput(wb, series)) return;
  BacktestOptions options = wb.advice().options;
  WatchProgress(wb, options);
  const BacktestResult r = RunSettingBacktest(series, wb.advice().setting, options);
  if (!Usable(wb, r)) return;
  const std::string& input = wb.state().predictionInputFile;
  std::string text = AdvisedPredictionText(r, input);
  if (wb.advice().inputFile != input) {
    text += "The advice was made for " + wb.advice().inputFile + ".\n";
  }
  ShowDocument(wb, kAdvisedPredictionFile, text, kDocAdvisedPrediction);
}

constexpr CommandRow kRows[] = {
    {kCmBacktest, "&Backtest...",
     "Backtest every setting on the linked input and advise the best", Backtest},
    {kCmUseRecommended, "&Use recommended settings",
     "Take precision and trend from the last backtest's advice", UseRecommended},
    {kCmPredictRecommended, "&Predict with recommended settings",
     "Predict the next value with the advised method and its prediction intervals",
     PredictRecommended},
};

}  // namespace

std::span<const CommandRow> ToolsCommandRows() { return kRows; }

}  // namespace foresta
