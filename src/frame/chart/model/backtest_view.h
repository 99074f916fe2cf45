#ifndef FORESTA_FRAME_CHART_MODEL_BACKTEST_VIEW_H_
#define FORESTA_FRAME_CHART_MODEL_BACKTEST_VIEW_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/chart/model/chart_status.h"
#include "frame/chart/model/json_value.h"

namespace foresta {

// One walk-forward forecast: data row `origin` (from 0) forecast from the
// rows before it. No forecast where the setting made none.
struct BacktestPoint {
  int origin = 0;
  std::optional<float> forecast;
  float actual = 0.0f;
  bool scored = false;  // in the scored window, else the validation window
};

// A setting's error measures over one window; nothing measured when the
// backtest wrote no score for it.
struct BacktestScore {
  bool present = false;
  std::optional<float> mae, rmse, mase;
  long long forecasts = 0;
  long long missing = 0;
};

// The forecasts of one setting and its scores.
struct BacktestLine {
  std::string label;  // "pattern code 1, precision 20, trend 3, weighted average"
  std::vector<BacktestPoint> points;
  BacktestScore validation;
  BacktestScore scored;
};

// What a chart draws of a backtest: the recommended setting and the naive
// baseline against the actual values, the windows, and the next value with
// its prediction intervals (bounds missing where too few errors were seen).
struct BacktestView {
  BacktestLine recommended;
  // The naive baseline, unless it is the recommended setting or was not run.
  std::optional<BacktestLine> naive;
  bool naiveRecommended = false;
  float next = 0.0f;
  std::optional<float> lower80, upper80, lower95, upper95;
  std::optional<float> scoredMase, coverage80, coverage95;
  // First and last origins of each window; -1 when the window is empty.
  int validationFirst = -1, validationLast = -1;
  int scoredFirst = -1, scoredLast = -1;
};

struct BacktestRead {
  ChartStatus status;
  BacktestView view;
};

// Reads the output of `foresta-cli backtest --json`, one record per line.
// With a directory's output, the records of `inputFile` are taken (their
// "file" names it, else its file name does). `sourceName` names the text in
// messages. Refused: a line that is not a record, a record without the
// fields of its kind, and output without a recommendation for the input.
BacktestRead ParseBacktest(std::string_view text, const std::string& inputFile,
                             const std::string& sourceName);
BacktestRead ReadBacktest(const std::string& file, const std::string& inputFile);

// How a legend names a setting object.
std::string SettingLabel(const JsonValue& setting);

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_MODEL_BACKTEST_VIEW_H_
