#include "evaluation/backtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "evaluation/advice.h"
#include "evaluation/backtest_report.h"
#include "evaluation/memory_pipeline.h"

namespace foresta {
namespace {

// A noisy cycle with a trend: the pattern settings forecast it unevenly.
Series CycleSeries(int rows, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<float> noise(0.0f, 3.0f);
  Series s;
  s.variables = 1;
  for (int i = 0; i < rows; ++i) {
    s.values.push_back(50.0f + 0.2f * static_cast<float>(i) +
                       20.0f * std::sin(static_cast<float>(i) / 2.5f) + noise(random));
  }
  return s;
}

BacktestOptions Options(int threads = 0) {
  BacktestOptions o;
  o.threads = threads;
  return o;
}

std::optional<float> Forecast(const Setting& s, const Series& series, int rows) {
  MemoryPipeline pipeline;
  MemoryPrediction p;
  if (pipeline.Predict(series, rows, s.code, s.precision, s.trend, &p, false) != kMemoryPredicted) {
    return std::nullopt;
  }
  return s.point == PointForecast::kWeightedAverage ? p.weightedAverage[0]
                                                     : p.highestProbability[0];
}

TEST(BacktestTest, AShortSeriesShrinksTheValidationWindowThenIsRefused) {
  BacktestResult r = RunBacktest(CycleSeries(45, 1), Options());
  ASSERT_EQ(r.code, kBacktestOk);
  EXPECT_EQ(r.validation, 11);
  EXPECT_EQ(r.firstOrigin, 10);
  EXPECT_EQ(r.originCount(), 35);
  ASSERT_FALSE(r.notes.empty());
  EXPECT_EQ(r.notes[0], "The series has 45 rows: the validation window shrinks from 24 to 11 origins.");

  r = RunBacktest(CycleSeries(43, 1), Options());
  EXPECT_EQ(r.code, kBacktestTooShort);
  EXPECT_NE(r.message.find("need at least 44"), std::string::npos) << r.message;

  BacktestOptions fewer = Options();
  fewer.origins = 12;
  EXPECT_EQ(RunBacktest(CycleSeries(43, 1), fewer).code, kBacktestOk);
  fewer.variable = 1;
  EXPECT_EQ(RunBacktest(CycleSeries(43, 1), fewer).code, kBacktestNoVariable);
}

TEST(BacktestTest, SettingsTheInputTestRefusesAreListedOnceAndNotRun) {
  BacktestResult r = RunBacktest(CycleSeries(60, 2), Options());
  ASSERT_EQ(r.code, kBacktestOk);
  // One variable: precision 5 with trend 2 or 3 makes fewer than 20 neurons.
  ASSERT_EQ(r.notApplicable.size(), 18u);
  for (const Setting& s : r.notApplicable) {
    EXPECT_EQ(s.precision, 5);
    EXPECT_LT(s.trend, 4);
  }
  for (const Candidate& c : r.candidates) {
    if (c.setting.method != Method::kPattern) continue;
    EXPECT_FALSE(c.setting.precision == 5 && c.setting.trend < 4);
  }
  // 144 pattern settings less 18, both points.
  EXPECT_EQ(std::count_if(r.candidates.begin(), r.candidates.end(),
                          [](const Candidate& c) { return c.setting.method == Method::kPattern; }),
            2 * (144 - 18));
}

TEST(BacktestTest, ForecastsAreTheInMemoryPipelinesAndDoNotDependOnThreads) {
  const Series series = CycleSeries(60, 3);
  const BacktestResult one = RunBacktest(series, Options(1));
  const BacktestResult two = RunBacktest(series, Options(2));
  ASSERT_EQ(one.candidates.size(), two.candidates.size());
  for (std::size_t i = 0; i < one.candidates.size(); ++i) {
    EXPECT_EQ(one.candidates[i].forecasts, two.candidates[i].forecasts);
  }
  for (std::size_t i = 0; i < one.candidates.size(); i += 37) {
    const Candidate& c = one.candidates[i];
    if (c.setting.method != Method::kPattern) continue;
    for (int o = 0; o < one.originCount(); o += 7) {
      EXPECT_EQ(c.forecasts[static_cast<std::size_t>(o)],
                Forecast(c.setting, series, one.firstOrigin + o));
    }
  }
  EXPECT_EQ(SettingJson(one.candidates[one.recommendation.candidate].setting),
            SettingJson(two.candidates[two.recommendation.candidate].setting));
}

// A setting that forecasts the scored window perfectly but did badly on
// the validation window is never the advice: the scored window is made of
// that setting's own forecasts, one origin after the other.
TEST(BacktestTest, ASettingGoodOnlyOnTheScoredWindowIsNeverRecommended) {
  const Series original = CycleSeries(72, 4);
  const BacktestResult before = RunBacktest(original, Options());
  ASSERT_EQ(before.code, kBacktestOk);
  // The worst pattern setting on the validation window that forecasts at
  // every scored origin.
  const Candidate* planted = nullptr;
  for (const Candidate& c : before.candidates) {
    if (c.setting.method != Method::kPattern || !c.validation.mae) continue;
    if (planted == nullptr || *c.validation.mae > *planted->validation.mae) planted = &c;
  }
  ASSERT_NE(planted, nullptr);
  const Setting setting = planted->setting;

  Series planted_series = original;
  for (int t = before.firstScored(); t < planted_series.rows(); ++t) {
    if (std::optional<float> f = Forecast(setting, planted_series, t)) {
      planted_series.values[static_cast<std::size_t>(t)] = *f;
    }
  }
  const BacktestResult after = RunBacktest(planted_series, Options());
  ASSERT_EQ(after.code, kBacktestOk);
  for (const Candidate& c : after.candidates) {
    if (c.setting == setting) {
      EXPECT_EQ(c.scored.mae, 0.0) << "the plant did not take";
      EXPECT_EQ(c.validation.mae, planted->validation.mae);
    }
  }

  const Setting& advice = after.candidates[after.recommendation.candidate].setting;
  EXPECT_NE(advice, setting);
  // The same advice as without the plant: only rows before the scored
  // window decide it.
  EXPECT_EQ(SettingJson(advice),
            SettingJson(before.candidates[before.recommendation.candidate].setting));
}

TEST(BacktestTest, WhenNaiveForecastsBestTheAdviceSaysSo) {
  // A random walk with big steps and a pattern-hostile validation window.
  BacktestResult r;
  r.rows = 40;
  r.firstOrigin = 10;
  r.validation = 10;
  r.origins = 2;
  r.scale = 1.0;
  r.actuals.assign(12, 5.0f);
  auto add = [&r](Setting s, float forecast) {
    Candidate c;
    c.setting = s;
    c.forecasts.assign(12, forecast);
    c.validation = ScoreWindow({c.forecasts.begin(), c.forecasts.begin() + 10},
                               {r.actuals.begin(), r.actuals.begin() + 10}, r.scale);
    c.scored = ScoreWindow({c.forecasts.begin() + 10, c.forecasts.end()},
                           {r.actuals.begin() + 10, r.actuals.end()}, r.scale);
    r.candidates.push_back(c);
  };
  Setting pattern;
  pattern.method = Method::kPattern;
  pattern.code = 1;
  pattern.precision = 10;
  pattern.trend = 5;
  add(pattern, 9.0f);
  Setting naive;
  add(naive, 5.0f);
  ChooseRecommendation(r);
  ASSERT_GE(r.recommendation.candidate, 0);
  EXPECT_EQ(r.candidates[r.recommendation.candidate].setting.method, Method::kNaive);
  FillIntervals(r, 5.0f);
  const std::string text = BacktestReportText(r, "walk.txt");
  EXPECT_NE(text.find("Recommendation: naive (last value)\n"
                      "  No pattern setting beat the naive forecast (the last value) on the "
                      "validation window.\n"),
            std::string::npos)
      << text;
}

}  // namespace
}  // namespace foresta
