#include "evaluation/accuracy.h"

#include <cmath>

namespace foresta {

WindowScore ScoreWindow(const std::vector<std::optional<float>>& forecasts,
                        const std::vector<float>& actuals, std::optional<double> scale) {
  WindowScore score;
  double absolute = 0;
  double squared = 0;
  for (std::size_t i = 0; i < forecasts.size(); ++i) {
    if (!forecasts[i]) {
      ++score.missing;
      continue;
    }
    const double e = static_cast<double>(*forecasts[i]) - actuals[i];
    absolute += std::fabs(e);
    squared += e * e;
    ++score.forecasts;
  }
  if (score.forecasts == 0) return score;
  score.mae = absolute / score.forecasts;
  score.rmse = std::sqrt(squared / score.forecasts);
  if (scale) score.mase = *score.mae / *scale;
  return score;
}

std::optional<double> MaseScale(const std::vector<float>& y, int end, int lag) {
  if (lag < 1) return std::nullopt;
  double sum = 0;
  int pairs = 0;
  for (int i = lag; i < end && i < static_cast<int>(y.size()); ++i) {
    sum += std::fabs(static_cast<double>(y[static_cast<std::size_t>(i)]) -
                     y[static_cast<std::size_t>(i - lag)]);
    ++pairs;
  }
  if (pairs == 0) return std::nullopt;
  const double scale = sum / pairs;
  if (!(scale > 0) || !std::isfinite(scale)) return std::nullopt;
  return scale;
}

}  // namespace foresta
