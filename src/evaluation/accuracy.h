#ifndef FORESTA_EVALUATION_ACCURACY_H_
#define FORESTA_EVALUATION_ACCURACY_H_

#include <optional>
#include <vector>

namespace foresta {

// Accuracy of one candidate over one window of origins.
struct WindowScore {
  std::optional<double> mae;   // mean absolute error (none without forecasts)
  std::optional<double> rmse;  // root mean squared error
  std::optional<double> mase;  // mae / scale (none without a positive scale)
  int forecasts = 0;
  int missing = 0;
};

// Scores forecasts[i] against actuals[i]; a missing forecast counts in
// `missing` only. `scale` is the MASE denominator.
WindowScore ScoreWindow(const std::vector<std::optional<float>>& forecasts,
                        const std::vector<float>& actuals, std::optional<double> scale);

// The MASE scale: the mean absolute difference y[i] - y[i-lag] over the
// history y[0..end-1] (lag 1, or the season when one is given). None when
// there is no pair or the mean is not positive and finite.
std::optional<double> MaseScale(const std::vector<float>& y, int end, int lag);

}  // namespace foresta

#endif  // FORESTA_EVALUATION_ACCURACY_H_
