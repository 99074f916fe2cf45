#ifndef FORESTA_EVALUATION_BACKTEST_H_
#define FORESTA_EVALUATION_BACKTEST_H_

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "evaluation/accuracy.h"
#include "evaluation/series.h"
#include "evaluation/setting.h"
#include "state/message_codes.h"

namespace foresta {

// Refusals of a backtest: their message codes.
inline constexpr int kBacktestOk = 0;
inline constexpr int kBacktestTooShort = kMsgBacktestTooShort;
inline constexpr int kBacktestNoVariable = kMsgBacktestNoVariable;
inline constexpr int kBacktestCancelled = kMsgBacktestCancelled;
inline constexpr int kBacktestUnreadable = kMsgBacktestUnreadable;

inline constexpr int kDefaultScoredOrigins = 24;
inline constexpr int kDefaultValidationOrigins = 24;
// Fewer validation origins than this leave the advice to chance.
inline constexpr int kMinValidationOrigins = 10;
// Rows every forecast has behind it at the first validation origin.
inline constexpr int kMinHistory = 10;

struct BacktestOptions {
  int origins = kDefaultScoredOrigins;        // scored window: the last rows
  int validation = kDefaultValidationOrigins;  // the origins before it
  int variable = 0;                           // 0-based column scored
  int season = 0;                             // 0: detect one
  GridKind grid = GridKind::kDefault;
  int threads = 0;                            // 0: one per core
  // Called now and then with the fraction done; returning false cancels.
  // Called from the thread that runs the backtest.
  std::function<bool(double)> progress;
};

// One candidate with its forecasts at every origin (validation origins
// first, then the scored ones) and its scores on both windows.
struct Candidate {
  Setting setting;
  std::vector<std::optional<float>> forecasts;
  WindowScore validation;
  WindowScore scored;
};

// The advice and its prediction intervals.
struct Recommendation {
  int candidate = -1;  // index into BacktestResult::candidates
  std::optional<float> next;
  std::optional<float> lower80, upper80, lower95, upper95;
  // Share of the scored origins whose interval (from the errors before the
  // origin) held the actual value; none when no interval could be formed.
  std::optional<double> coverage80, coverage95;
  int errors = 0;  // errors behind the interval around `next`
};

struct BacktestResult {
  int code = kBacktestOk;
  std::string message;             // the refusal, when code is not 0
  std::vector<std::string> notes;  // shrunk window, detected season
  int rows = 0;
  int variable = 0;
  int firstOrigin = 0;  // first validation origin (a 0-based row)
  int validation = 0;   // validation origins used
  int origins = 0;      // scored origins
  int season = 0;       // season of the seasonal naive forecast (0: none)
  bool seasonGiven = false;
  std::optional<double> scale;  // MASE denominator
  std::vector<float> actuals;   // y at every origin
  // Pattern settings in grid order, then naive, seasonal naive, drift,
  // then the combinations.
  std::vector<Candidate> candidates;
  // Pattern settings the input test refuses for this series at every origin.
  std::vector<Setting> notApplicable;
  Recommendation recommendation;

  int firstScored() const { return firstOrigin + validation; }
  int originCount() const { return validation + origins; }
};

// Walk-forward backtest of one series: every origin t of the validation and
// scored windows is forecast one step ahead from rows 0..t-1 by every
// candidate; the recommendation is chosen on the validation window only.
// Runs the pattern settings in parallel over the cores; writes no file.
BacktestResult RunBacktest(const Series& series, const BacktestOptions& options);

// One setting over the windows RunBacktest would use: its forecasts and
// scores (the only candidate), its next forecast and intervals (the
// recommendation). What a prediction with an advised setting reports.
BacktestResult RunSettingBacktest(const Series& series, const Setting& setting,
                                  const BacktestOptions& options);

}  // namespace foresta

#endif  // FORESTA_EVALUATION_BACKTEST_H_
