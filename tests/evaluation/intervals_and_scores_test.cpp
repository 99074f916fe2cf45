#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "evaluation/accuracy.h"
#include "evaluation/advice.h"
#include "evaluation/baselines.h"
#include "evaluation/conformal.h"

namespace foresta {
namespace {

TEST(ConformalTest, TakesTheRankCeilOfNPlusOneTimesTheLevel) {
  EXPECT_EQ(ConformalRank(24, 80), 20);  // 25 x 0.8 = 20 exactly, not 21
  EXPECT_EQ(ConformalRank(24, 95), 24);  // 23.75
  EXPECT_EQ(ConformalRank(19, 95), 19);  // 19 exactly
  EXPECT_EQ(ConformalRank(18, 95), 19);  // 18.05: beyond the 18 errors
  EXPECT_EQ(ConformalRank(3, 80), 4);

  std::vector<float> errors;
  for (int i = 24; i >= 1; --i) errors.push_back(static_cast<float>(i));
  EXPECT_EQ(ConformalHalfWidth(errors, 80), 20.0f);
  EXPECT_EQ(ConformalHalfWidth(errors, 95), 24.0f);
  errors.pop_back();  // 23 errors: 95% needs rank 23 of 23, the largest
  EXPECT_EQ(ConformalHalfWidth(errors, 95), 24.0f);
}

TEST(ConformalTest, TooFewErrorsGiveNoBound) {
  EXPECT_EQ(ConformalHalfWidth({}, 80), std::nullopt);
  EXPECT_EQ(ConformalHalfWidth({1, 2, 3}, 80), std::nullopt);
  std::vector<float> eighteen(18, 1.0f);
  EXPECT_EQ(ConformalHalfWidth(eighteen, 95), std::nullopt);
  EXPECT_EQ(ConformalHalfWidth(eighteen, 80), 1.0f);
}

TEST(AccuracyTest, ScoresSkipMissingForecastsAndScaleByTheHistory) {
  const std::vector<float> y = {10, 12, 11, 15, 15};
  // One-step changes 2, 1, 4: mean 7/3. Seasonal (lag 2) changes 1, 3: mean 2.
  EXPECT_DOUBLE_EQ(*MaseScale(y, 4, 1), 7.0 / 3.0);
  EXPECT_DOUBLE_EQ(*MaseScale(y, 4, 2), 2.0);
  EXPECT_EQ(MaseScale({5, 5, 5}, 3, 1), std::nullopt);  // no change: no MASE
  EXPECT_EQ(MaseScale(y, 1, 1), std::nullopt);

  WindowScore s = ScoreWindow({1.0f, std::nullopt, 4.0f}, {2.0f, 9.0f, 1.0f}, 2.0);
  EXPECT_EQ(s.forecasts, 2);
  EXPECT_EQ(s.missing, 1);
  EXPECT_DOUBLE_EQ(*s.mae, 2.0);
  EXPECT_DOUBLE_EQ(*s.rmse, std::sqrt(5.0));
  EXPECT_DOUBLE_EQ(*s.mase, 1.0);
  s = ScoreWindow({std::nullopt}, {1.0f}, 2.0);
  EXPECT_FALSE(s.mae.has_value());
  EXPECT_FALSE(s.mase.has_value());
  EXPECT_FALSE(ScoreWindow({1.0f}, {1.0f}, std::nullopt).mase.has_value());
}

TEST(BaselinesTest, ForecastFromTheRowsBeforeTheOrigin) {
  const std::vector<float> y = {1, 3, 2, 6};
  EXPECT_EQ(NaiveForecast(y, 3), 2.0f);
  EXPECT_EQ(NaiveForecast(y, 0), std::nullopt);
  EXPECT_EQ(SeasonalNaiveForecast(y, 3, 2), 3.0f);
  EXPECT_EQ(SeasonalNaiveForecast(y, 1, 2), std::nullopt);
  EXPECT_EQ(DriftForecast(y, 3), 2.5f);  // 2 + (2 - 1) / 2
  EXPECT_EQ(DriftForecast(y, 1), std::nullopt);
}

TEST(BaselinesTest, DetectsASeasonAndNotNoise) {
  std::mt19937 random(5);
  std::normal_distribution<float> noise(0.0f, 1.0f);
  std::vector<float> monthly, walk;
  float level = 0;
  for (int i = 0; i < 120; ++i) {
    monthly.push_back(100.0f + 0.3f * static_cast<float>(i) +
                      10.0f * std::sin(2.0f * 3.14159265f * static_cast<float>(i) / 12.0f) +
                      noise(random));
    level += noise(random);
    walk.push_back(level);
  }
  EXPECT_EQ(DetectSeason(monthly, 120), 12);
  EXPECT_EQ(DetectSeason(walk, 120), 0);
  EXPECT_EQ(DetectSeason(monthly, 5), 0);  // too little history
}

TEST(IntervalsTest, EachScoredOriginUsesOnlyTheErrorsBeforeIt) {
  // Validation errors 1..10, then scored forecasts whose errors are 0, 11
  // and 100: the 80% bound at the first scored origin is the 9th smallest
  // of 10 (ceil(8.8) = 9), i.e. 9.
  BacktestResult r;
  r.validation = 10;
  r.origins = 3;
  Candidate c;
  for (int i = 1; i <= 10; ++i) {
    r.actuals.push_back(0.0f);
    c.forecasts.push_back(static_cast<float>(i));
  }
  for (float e : {0.0f, 11.0f, 100.0f}) {
    r.actuals.push_back(50.0f);
    c.forecasts.push_back(50.0f + e);
  }
  r.candidates.push_back(c);
  r.recommendation.candidate = 0;
  FillIntervals(r, 7.0f);
  // 80%: origin 11 covered (0 <= 9); origin 12: errors 0..10, rank
  // ceil(9.6) = 10 -> 9, 11 not covered; origin 13: errors 0..11, rank
  // ceil(10.4) = 11 -> 10, 100 not covered.
  EXPECT_DOUBLE_EQ(*r.recommendation.coverage80, 1.0 / 3.0);
  // 95%: 10 errors need rank 11: no interval at origin 11; 11 errors rank
  // 12: none; 12 errors rank ceil(12.35) = 13: none.
  EXPECT_FALSE(r.recommendation.coverage95.has_value());
  // Around the next value: errors 0..11 and 100, 80% rank ceil(11.2) = 12
  // -> 11.
  EXPECT_EQ(r.recommendation.errors, 13);
  EXPECT_EQ(r.recommendation.lower80, -4.0f);
  EXPECT_EQ(r.recommendation.upper80, 18.0f);
  EXPECT_FALSE(r.recommendation.lower95.has_value());  // rank 14 > 13
  EXPECT_FALSE(r.recommendation.upper95.has_value());
}

TEST(AdviceTest, CombinationsAverageThePresentMembers) {
  EXPECT_EQ(MeanForecast({1.0f, 3.0f}), 2.0f);
  EXPECT_EQ(MeanForecast({1.0f, std::nullopt}), 1.0f);
  EXPECT_EQ(MeanForecast({std::nullopt}), std::nullopt);
  EXPECT_EQ(MeanForecast({}), std::nullopt);
}

}  // namespace
}  // namespace foresta
