#include "frame/chart/model/chart_hover.h"

#include <cmath>
#include <optional>
#include <vector>

#include "prediction/text_output.h"

namespace foresta {
namespace {

std::optional<float> ForecastOf(const BacktestLine& line, long long row) {
  for (const BacktestPoint& p : line.points) {
    if (p.origin + 1LL == row) return p.forecast;
  }
  return std::nullopt;
}

std::string Interval(const char* level, const std::optional<float>& low,
                     const std::optional<float>& high) {
  if (!low || !high) return {};
  return std::string(", ") + level + " %: " + RealText(*low) + " to " + RealText(*high);
}

std::string RowText(const ChartContent& content, long long row) {
  std::string text = "Row " + std::to_string(row) + ": " +
                     RealText(content.series.values[static_cast<std::size_t>(row - 1)]);
  if (content.backtest) {
    if (auto f = ForecastOf(content.backtest->recommended, row)) {
      text += "; recommended forecast " + RealText(*f);
    }
    if (content.backtest->naive) {
      if (auto f = ForecastOf(*content.backtest->naive, row)) text += "; naive forecast " + RealText(*f);
    }
  }
  return text;
}

std::string StepText(const ChartContent& content, long long row, long long step) {
  const std::size_t j = static_cast<std::size_t>(content.series.variable - 1);
  std::vector<std::string> parts;
  if (content.report) {
    const ReportForecast& r = *content.report;
    if (r.form == ReportForecast::Form::kSingle && step == 1) {
      if (j < r.weightedAverage.size()) parts.push_back("weighted average " + RealText(r.weightedAverage[j]));
      if (j < r.highestProbability.size()) {
        parts.push_back("highest probability " + RealText(r.highestProbability[j]));
      }
    } else if (r.form == ReportForecast::Form::kSteps &&
               step <= static_cast<long long>(r.steps.size()) && j < r.steps[step - 1].size()) {
      parts.push_back("averaged prediction " + RealText(r.steps[step - 1][j]));
    }
  }
  if (content.backtest && step == 1) {
    const BacktestView& b = *content.backtest;
    parts.push_back("next value " + RealText(b.next) + Interval("80", b.lower80, b.upper80) +
                    Interval("95", b.lower95, b.upper95));
  }
  if (parts.empty()) return {};
  std::string text = "Row " + std::to_string(row) + " (forecast): ";
  for (std::size_t i = 0; i < parts.size(); ++i) text += (i > 0 ? "; " : "") + parts[i];
  return text;
}

}  // namespace

std::string HoverText(const ChartContent& content, double x) {
  if (!std::isfinite(x) || std::abs(x) > 1e15) return {};
  const long long row = std::llround(x);
  const long long rows = static_cast<long long>(content.series.rows());
  if (row >= 1 && row <= rows) return RowText(content, row);
  if (row <= rows) return {};
  return StepText(content, row, row - rows);
}

}  // namespace foresta
