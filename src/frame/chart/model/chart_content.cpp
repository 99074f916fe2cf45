#include "frame/chart/model/chart_content.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "state/message_codes.h"

namespace foresta {
namespace {

// The value of variable `index` (from 0) in a row of a report, if finite.
std::optional<double> Entry(const std::vector<float>& row, std::size_t index) {
  if (index >= row.size() || !std::isfinite(row[index])) return std::nullopt;
  return row[index];
}

}  // namespace

ChartLoad LoadChart(const ChartSources& sources, PartPolicy policy) {
  ChartLoad load;
  SeriesResult series = ReadSeries(sources.input, sources.variable);
  if (!series.status.ok()) {
    load.status = series.status;
    return load;
  }
  load.content.series = std::move(series.series);
  const SeriesData& data = load.content.series;
  if (!sources.report.empty()) {
    ReportResult report = ReadReport(sources.report, sources.input, data.variableCount);
    if (report.status.ok()) {
      load.content.report = std::move(report.forecast);
    } else if (policy == PartPolicy::kRequired) {
      load.status = report.status;
      return load;
    } else if (!report.noPartForInput) {
      load.content.notes.push_back(report.status.message);
    }
  }
  if (!sources.backtest.empty()) {
    BacktestRead backtest = ReadBacktest(sources.backtest, sources.input);
    const BacktestView& view = backtest.view;
    const int lastOrigin = std::max(view.validationLast, view.scoredLast);
    if (backtest.status.ok() && lastOrigin >= static_cast<long long>(data.rows())) {
      backtest.status = ChartRefusal(
          kMsgChartBacktestInvalid,
          sources.backtest + " forecasts row " + std::to_string(lastOrigin + 1) + ", but " +
              sources.input + " has " + std::to_string(data.rows()) + " rows");
    }
    if (backtest.status.ok()) {
      load.content.backtest = std::move(backtest.view);
    } else if (policy == PartPolicy::kRequired) {
      load.status = backtest.status;
      return load;
    } else {
      load.content.notes.push_back(backtest.status.message);
    }
  }
  return load;
}

std::vector<CandidateMark> CandidateMarks(const ReportForecast& report, int variable) {
  std::map<double, double> weights;
  const std::size_t index = static_cast<std::size_t>(std::max(variable, 1) - 1);
  for (const ReportCandidate& c : report.candidates) {
    const std::optional<double> value = Entry(c.values, index);
    if (value && std::isfinite(c.weight)) weights[*value] += c.weight;
  }
  std::vector<CandidateMark> marks;
  marks.reserve(weights.size());
  for (const auto& [value, weight] : weights) marks.push_back({value, weight});
  return marks;
}

int ForecastSteps(const ChartContent& content) {
  int steps = content.backtest ? 1 : 0;
  if (content.report) {
    const ReportForecast& r = *content.report;
    if (r.form == ReportForecast::Form::kSingle) steps = std::max(steps, 1);
    if (r.form == ReportForecast::Form::kSteps) steps = std::max(steps, static_cast<int>(r.steps.size()));
  }
  return steps;
}

ChartRange FullRange(const ChartContent& content) {
  const SeriesData& series = content.series;
  double low = INFINITY, high = -INFINITY;
  const auto take = [&](std::optional<double> v) {
    if (!v || !std::isfinite(*v)) return;
    low = std::min(low, *v);
    high = std::max(high, *v);
  };
  for (float v : series.values) take(v);
  const std::size_t j = static_cast<std::size_t>(series.variable - 1);
  if (content.report) {
    const ReportForecast& r = *content.report;
    for (const CandidateMark& m : CandidateMarks(r, series.variable)) take(m.value);
    take(Entry(r.weightedAverage, j));
    take(Entry(r.highestProbability, j));
    for (const auto& step : r.steps) take(Entry(step, j));
  }
  if (content.backtest) {
    const BacktestView& b = *content.backtest;
    const auto line = [&take](const BacktestLine& l) {
      for (const BacktestPoint& p : l.points) {
        if (p.forecast) take(*p.forecast);
      }
    };
    line(b.recommended);
    if (b.naive) line(*b.naive);
    take(b.next);
    for (const auto& bound : {b.lower80, b.upper80, b.lower95, b.upper95}) {
      if (bound) take(*bound);
    }
  }
  ChartRange range;
  range.xMin = 1.0;
  range.xMax = static_cast<double>(series.rows() + static_cast<std::size_t>(ForecastSteps(content)));
  const double xPad = std::max((range.xMax - range.xMin) * 0.02, 0.5);
  range.xMin -= xPad;
  range.xMax += xPad;
  if (!(low <= high)) low = high = 0.0;
  double yPad = (high - low) * 0.06;
  if (yPad == 0.0) yPad = std::max(std::abs(high) * 0.1, 1.0);
  range.yMin = low - yPad;
  range.yMax = high + yPad;
  return range;
}

}  // namespace foresta
