#ifndef FORESTA_EVALUATION_BACKTEST_REPORT_H_
#define FORESTA_EVALUATION_BACKTEST_REPORT_H_

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "evaluation/backtest.h"

namespace foresta {

// The shortest decimal that reads back to the same single-precision value,
// or "null" for a missing or non-finite number.
std::string NumberText(std::optional<float> x);
std::string NumberText(std::optional<double> x);

// The backtest as JSON lines: a "forecast" record per candidate and origin,
// a "score" record per candidate and window, then the "recommendation";
// candidates in grid order. With a file name every record carries "file".
void WriteBacktestJson(std::ostream& out, const BacktestResult& result,
                       const std::string* file);

// The CSV columns and the forecast rows of a backtest.
extern const char* const kBacktestCsvHeader;
void WriteBacktestCsv(std::ostream& out, const BacktestResult& result, const std::string& file);

// The settings that were not applicable, one line per precision and trend
// ("precision 5, trend 2: codes 1 2 3").
std::vector<std::string> NotApplicableLines(const BacktestResult& result);

// The readable report: the best settings and the baselines on both
// windows, what was not applicable, then the recommendation with the next
// value and its intervals.
std::string BacktestReportText(const BacktestResult& result, const std::string& input);

// The short report of a prediction with one advised setting (the result of
// RunSettingBacktest): the next value, its intervals and how often such
// intervals held the actual value on the scored window.
std::string AdvisedPredictionText(const BacktestResult& result, const std::string& input);

// One line of a directory's summary: what it shows of one file's backtest,
// or why the file was refused.
struct BacktestSummaryLine {
  std::string file;
  std::string refusal;  // empty when the backtest ran
  int rows = 0;
  std::string recommendation;
  std::optional<double> scoredMase, naiveMase, coverage80;
};
BacktestSummaryLine SummaryOf(const std::string& file, const BacktestResult& result);
std::string BacktestSummaryTable(const std::vector<BacktestSummaryLine>& lines);

// The candidate of a setting's method that a summary compares with.
const Candidate* FindCandidate(const BacktestResult& result, Method method);

}  // namespace foresta

#endif  // FORESTA_EVALUATION_BACKTEST_REPORT_H_
