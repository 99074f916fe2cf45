#ifndef FORESTA_WORKBENCH_BACKTEST_ADVICE_H_
#define FORESTA_WORKBENCH_BACKTEST_ADVICE_H_

#include <string>

#include "evaluation/backtest.h"
#include "evaluation/setting.h"

namespace foresta {

// The documents the Tools menu writes into the working folder and opens.
inline constexpr const char* kBacktestReportFile = "backtest.rpt";
inline constexpr const char* kAdvisedPredictionFile = "advice.rpt";
// The last backtest's records (the form of `foresta-cli backtest --json`),
// which the charts of its input draw.
inline constexpr const char* kBacktestRecordsFile = "backtest.json";

// The advice of the last Tools/Backtest, kept for the commands that use it
// until the next backtest replaces it.
struct BacktestAdvice {
  bool valid = false;
  std::string inputFile;    // the input it was made for
  BacktestOptions options;  // its windows, season and grid (no progress hook)
  Setting setting;          // the recommended setting
  int serial = 0;           // counts the backtests that gave advice
};

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_BACKTEST_ADVICE_H_
