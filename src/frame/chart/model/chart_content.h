#ifndef FORESTA_FRAME_CHART_MODEL_CHART_CONTENT_H_
#define FORESTA_FRAME_CHART_MODEL_CHART_CONTENT_H_

#include <optional>
#include <string>
#include <vector>

#include "frame/chart/model/backtest_view.h"
#include "frame/chart/model/chart_status.h"
#include "frame/chart/model/report_forecast.h"
#include "frame/chart/model/series_data.h"

namespace foresta {

// What a chart is drawn from: the input data file, the variable shown, and
// optionally a prediction report and a backtest (`foresta-cli backtest
// --json` output) of that input.
struct ChartSources {
  std::string input;
  int variable = 1;  // from 1
  std::string report;    // empty: none
  std::string backtest;  // empty: none
};

// Everything a chart draws, read and checked.
struct ChartContent {
  SeriesData series;
  std::optional<ReportForecast> report;
  std::optional<BacktestView> backtest;
  // Why a part that was asked for is not drawn (lenient loading only).
  std::vector<std::string> notes;
};

struct ChartLoad {
  ChartStatus status;
  ChartContent content;
};

// How a refused report or backtest counts.
enum class PartPolicy {
  // The whole chart is refused with that part's message: a picture that
  // silently leaves out what was asked for would mislead (foresta-chart).
  kRequired,
  // The series is drawn without the part and a note says why (the window,
  // where the chart stays open while the files change). A collective
  // report without a part for the input is no news and gives no note.
  kOptional,
};

// Reads the series, then the report and the backtest when named.
ChartLoad LoadChart(const ChartSources& sources, PartPolicy policy = PartPolicy::kRequired);

// One mark of the candidate next values: a value of the shown variable and
// the summed weight of the listed possibilities that give it.
struct CandidateMark {
  double value = 0.0;
  double weight = 0.0;
};

// The report's possibilities for variable `variable` (from 1), one mark per
// distinct value, in ascending value; non-finite values are left out.
std::vector<CandidateMark> CandidateMarks(const ReportForecast& report, int variable);

struct ChartRange {
  double xMin = 0.0, xMax = 1.0;
  double yMin = 0.0, yMax = 1.0;
};

// The extent of everything drawn, with a margin: rows 1 to the last
// forecast step on x, every finite value on y.
ChartRange FullRange(const ChartContent& content);

// Rows after the last one that the chart draws forecasts for (0 when none).
int ForecastSteps(const ChartContent& content);

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_MODEL_CHART_CONTENT_H_
