#include "evaluation/backtest.h"

#include <cmath>
#include <map>
#include <tuple>

#include "evaluation/advice.h"
#include "evaluation/baselines.h"
#include "evaluation/memory_pipeline.h"
#include "evaluation/pattern_runs.h"

namespace foresta {
namespace {

BacktestResult Refuse(BacktestResult r, int code, std::string message) {
  r.code = code;
  r.message = std::move(message);
  return r;
}

std::optional<float> BaselineForecast(const Setting& s, const std::vector<float>& y, int t) {
  switch (s.method) {
    case Method::kNaive: return NaiveForecast(y, t);
    case Method::kSeasonalNaive: return SeasonalNaiveForecast(y, t, s.season);
    case Method::kDrift: return DriftForecast(y, t);
    default: return std::nullopt;
  }
}

// The forecast of row `rows` from all rows before it, for any setting.
std::optional<float> ForecastAt(const Setting& s, const Series& series, const std::vector<float>& y,
                                int variable, int rows, MemoryPipeline& pipeline) {
  if (s.method == Method::kCombination) {
    std::vector<std::optional<float>> members;
    for (const Setting& m : s.members) {
      members.push_back(ForecastAt(m, series, y, variable, rows, pipeline));
    }
    return MeanForecast(members);
  }
  if (s.method != Method::kPattern) return BaselineForecast(s, y, rows);
  MemoryPrediction p;
  if (pipeline.Predict(series, rows, s.code, s.precision, s.trend, &p, false) != kMemoryPredicted) {
    return std::nullopt;
  }
  const std::size_t j = static_cast<std::size_t>(variable);
  const float x = s.point == PointForecast::kWeightedAverage ? p.weightedAverage[j]
                                                              : p.highestProbability[j];
  if (!std::isfinite(x)) return std::nullopt;
  return x;
}

void Score(BacktestResult& r, Candidate& c) {
  const long v = r.validation;
  c.validation = ScoreWindow({c.forecasts.begin(), c.forecasts.begin() + v},
                             {r.actuals.begin(), r.actuals.begin() + v}, r.scale);
  c.scored = ScoreWindow({c.forecasts.begin() + v, c.forecasts.end()},
                         {r.actuals.begin() + v, r.actuals.end()}, r.scale);
}

// The windows, season, scale and actuals of a backtest of `series`; false
// (with r.code and r.message set) when the series cannot be backtested.
bool SetUpWindows(const Series& series, const BacktestOptions& options, BacktestResult& r,
                  std::vector<float>& y) {
  r.rows = series.rows();
  r.variable = options.variable;
  if (options.variable < 0 || options.variable >= static_cast<int>(series.variables)) {
    r = Refuse(r, kBacktestNoVariable,
               "Backtest: there is no variable " + std::to_string(options.variable + 1) +
                   "; the file has " + std::to_string(series.variables) + ". ");
    return false;
  }
  r.origins = options.origins;
  const int firstScored = r.rows - options.origins;
  const int room = firstScored - kMinHistory;
  r.validation = std::min(options.validation, room);
  if (options.origins < 1 || r.validation < kMinValidationOrigins) {
    r = Refuse(r, kBacktestTooShort,
               "Backtest: the series is too short. It has " + std::to_string(r.rows) +
                   " rows; " + std::to_string(options.origins) + " scored origins and " +
                   std::to_string(kMinValidationOrigins) +
                   " validation origins after the first " + std::to_string(kMinHistory) +
                   " rows need at least " +
                   std::to_string(options.origins + kMinValidationOrigins + kMinHistory) +
                   ". Score fewer origins (--origins) or add data. ");
    return false;
  }
  if (r.validation < options.validation) {
    r.notes.push_back("The series has " + std::to_string(r.rows) +
                      " rows: the validation window shrinks from " +
                      std::to_string(options.validation) + " to " +
                      std::to_string(r.validation) + " origins.");
  }
  r.firstOrigin = firstScored - r.validation;
  y = SeriesColumn(series, static_cast<std::uint32_t>(options.variable));
  r.seasonGiven = options.season > 0;
  r.season = r.seasonGiven ? options.season : DetectSeason(y, firstScored);
  if (!r.seasonGiven && r.season > 0) {
    r.notes.push_back("Season detected: " + std::to_string(r.season) + " rows.");
  }
  r.scale = MaseScale(y, firstScored, r.seasonGiven ? r.season : 1);
  r.actuals.assign(y.begin() + r.firstOrigin, y.end());
  return true;
}

}  // namespace

BacktestResult RunBacktest(const Series& series, const BacktestOptions& options) {
  BacktestResult r;
  std::vector<float> y;
  if (!SetUpWindows(series, options, r, y)) return r;

  // Pattern settings: one run per code, precision and trend gives both
  // point forecasts.
  const std::vector<Setting> grid = PatternGrid(options.grid);
  std::vector<PatternRun> runs;
  std::map<std::tuple<int, int, int>, std::size_t> runOf;
  for (const Setting& s : grid) {
    auto [it, added] = runOf.try_emplace({s.code, s.precision, s.trend}, runs.size());
    if (added) runs.push_back({s.code, s.precision, s.trend, {}, {}, false});
  }
  if (!RunPatternGrid(series, options.variable, r.firstOrigin, r.rows, runs, options.threads,
                      options.progress)) {
    return Refuse(r, kBacktestCancelled, "Backtest cancelled. ");
  }
  for (const Setting& s : grid) {
    const PatternRun& run = runs[runOf[{s.code, s.precision, s.trend}]];
    if (!run.applicable) {
      if (s.point == PointForecast::kWeightedAverage) r.notApplicable.push_back(s);
      continue;
    }
    Candidate c;
    c.setting = s;
    c.forecasts = s.point == PointForecast::kWeightedAverage ? run.weightedAverage
                                                             : run.highestProbability;
    r.candidates.push_back(std::move(c));
  }
  std::vector<Setting> baselines(1);
  if (r.season >= 2) {
    Setting seasonal;
    seasonal.method = Method::kSeasonalNaive;
    seasonal.season = r.season;
    baselines.push_back(seasonal);
  }
  Setting drift;
  drift.method = Method::kDrift;
  baselines.push_back(drift);
  for (const Setting& s : baselines) {
    Candidate c;
    c.setting = s;
    for (int t = r.firstOrigin; t < r.rows; ++t) c.forecasts.push_back(BaselineForecast(s, y, t));
    r.candidates.push_back(std::move(c));
  }
  for (Candidate& c : r.candidates) Score(r, c);

  ChooseRecommendation(r);
  std::optional<float> next;
  if (r.recommendation.candidate >= 0) {
    MemoryPipeline pipeline;
    next = ForecastAt(r.candidates[static_cast<std::size_t>(r.recommendation.candidate)].setting,
                      series, y, options.variable, r.rows, pipeline);
  }
  FillIntervals(r, next);
  return r;
}

BacktestResult RunSettingBacktest(const Series& series, const Setting& setting,
                                  const BacktestOptions& options) {
  BacktestResult r;
  std::vector<float> y;
  if (!SetUpWindows(series, options, r, y)) return r;
  MemoryPipeline pipeline;
  Candidate c;
  c.setting = setting;
  for (int t = r.firstOrigin; t < r.rows; ++t) {
    c.forecasts.push_back(ForecastAt(setting, series, y, options.variable, t, pipeline));
    if (options.progress && !options.progress(static_cast<double>(t - r.firstOrigin) /
                                              (r.rows - r.firstOrigin + 1))) {
      return Refuse(r, kBacktestCancelled, "Backtest cancelled. ");
    }
  }
  r.candidates.push_back(std::move(c));
  Score(r, r.candidates.back());
  r.recommendation.candidate = 0;
  FillIntervals(r, ForecastAt(setting, series, y, options.variable, r.rows, pipeline));
  return r;
}

}  // namespace foresta
