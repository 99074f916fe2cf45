#ifndef FORESTA_EVALUATION_BASELINES_H_
#define FORESTA_EVALUATION_BASELINES_H_

#include <optional>
#include <vector>

namespace foresta {

// Forecasts of y[t] from y[0..t-1] by the simple methods every forecast is
// measured against. Nothing when the history is too short.

// The last value y[t-1]. Needs t >= 1.
std::optional<float> NaiveForecast(const std::vector<float>& y, int t);

// The value one season back, y[t-season]. Needs t >= season >= 1.
std::optional<float> SeasonalNaiveForecast(const std::vector<float>& y, int t, int season);

// The last value plus the mean step over the history,
// y[t-1] + (y[t-1] - y[0]) / (t - 1). Needs t >= 2.
std::optional<float> DriftForecast(const std::vector<float>& y, int t);

// A season length found in y[0..end-1], or 0 when none stands out. Looks at
// the autocorrelation of the first differences at lags 2 to a third of the
// history: a lag counts when it is a local peak, at least 0.2 and beyond
// the 95% band of white noise widened by the smaller lags (Bartlett); the
// season is the shortest such lag at least 0.9 times as strong as the
// strongest (multiples of a season peak too).
int DetectSeason(const std::vector<float>& y, int end);

}  // namespace foresta

#endif  // FORESTA_EVALUATION_BASELINES_H_
