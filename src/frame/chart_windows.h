#ifndef FORESTA_FRAME_CHART_WINDOWS_H_
#define FORESTA_FRAME_CHART_WINDOWS_H_

#include <optional>
#include <string>

#include <QList>

namespace foresta {

class ChartDocument;
class FrameStatusBar;
class GuiShell;
class plume_edMDIClient;

// Whether command `id` runs predictions whose report an open chart draws:
// the Real, Integer, AvgMax, 3-Average and 10-Average commands and the
// batch run.
bool CommandUpdatesCharts(int id);

// The chart document windows of the document area (View > Chart), and the
// reports and backtests they draw: each chart follows the last prediction
// and the last backtest of its input.
class ChartWindows {
 public:
  ChartWindows(plume_edMDIClient& area, FrameStatusBar& status, GuiShell& shell);

  // Opens the chart of `input` in a new document window beside the text
  // documents, with the last report and backtest about it. A refused input
  // is explained in a message box and opens nothing (nullptr).
  ChartDocument* Open(const std::string& input);

  // A prediction wrote `report` about `input` (a collective report about
  // several inputs): every open chart reads its files again, with the
  // report when it is about the chart's input.
  void AfterPrediction(const std::string& input, const std::string& report);

  // A backtest of `input` wrote its records (`foresta-cli backtest --json`
  // form) to `records`; the charts of that input draw it.
  void AfterBacktest(const std::string& input, const std::string& records);

  QList<ChartDocument*> Charts() const;

 private:
  struct Output {
    std::string input;
    std::string file;
    bool collective = false;
  };
  // The report and the backtest records about `input`, as its sources.
  std::string ReportFor(const std::string& input) const;
  std::string BacktestFor(const std::string& input) const;
  void ReloadAll();

  plume_edMDIClient& area_;
  FrameStatusBar& status_;
  GuiShell& shell_;
  std::optional<Output> report_;
  std::optional<Output> backtest_;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_WINDOWS_H_
