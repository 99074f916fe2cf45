#include "evaluation/baselines.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace foresta {
namespace {

constexpr double kMinSeasonalCorrelation = 0.2;
constexpr double kNoiseBand = 1.96;
constexpr double kNearlyAsStrong = 0.8;
// Longest season looked for: long enough for weekly data of a year.
constexpr int kMaxSeason = 366;

}  // namespace

std::optional<float> NaiveForecast(const std::vector<float>& y, int t) {
  if (t < 1 || t > static_cast<int>(y.size())) return std::nullopt;
  return y[static_cast<std::size_t>(t - 1)];
}

std::optional<float> SeasonalNaiveForecast(const std::vector<float>& y, int t, int season) {
  if (season < 1 || t < season || t > static_cast<int>(y.size())) return std::nullopt;
  return y[static_cast<std::size_t>(t - season)];
}

std::optional<float> DriftForecast(const std::vector<float>& y, int t) {
  if (t < 2 || t > static_cast<int>(y.size())) return std::nullopt;
  const double last = y[static_cast<std::size_t>(t - 1)];
  const double first = y[0];
  return static_cast<float>(last + (last - first) / (t - 1));
}

int DetectSeason(const std::vector<float>& y, int end) {
  end = std::min<int>(end, static_cast<int>(y.size()));
  if (end < 8) return 0;
  std::vector<double> d;
  for (int i = 1; i < end; ++i) {
    d.push_back(static_cast<double>(y[static_cast<std::size_t>(i)]) - y[static_cast<std::size_t>(i - 1)]);
  }
  const int n = static_cast<int>(d.size());
  double mean = 0;
  for (double v : d) mean += v;
  mean /= n;
  double variance = 0;
  for (double& v : d) {
    v -= mean;
    variance += v * v;
  }
  if (!(variance > 0) || !std::isfinite(variance)) return 0;
  const int maxLag = std::min(kMaxSeason, n / 3);
  if (maxLag < 2) return 0;
  std::vector<double> acf(static_cast<std::size_t>(maxLag) + 2, 0.0);
  for (int lag = 1; lag <= maxLag + 1 && lag < n; ++lag) {
    double sum = 0;
    for (int i = lag; i < n; ++i) sum += d[static_cast<std::size_t>(i)] * d[static_cast<std::size_t>(i - lag)];
    acf[static_cast<std::size_t>(lag)] = sum / variance;
  }
  // Peaks that stand out, as (lag, correlation).
  std::vector<std::pair<int, double>> peaks;
  double squares = acf[1] * acf[1];
  for (int lag = 2; lag <= maxLag; ++lag) {
    const double r = acf[static_cast<std::size_t>(lag)];
    const double band = kNoiseBand * std::sqrt((1 + 2 * squares) / n);
    squares += r * r;
    const bool peak = r >= acf[static_cast<std::size_t>(lag - 1)] && r >= acf[static_cast<std::size_t>(lag + 1)];
    if (peak && r > band && r >= kMinSeasonalCorrelation) peaks.emplace_back(lag, r);
  }
  double strongest = 0;
  for (const auto& [lag, r] : peaks) strongest = std::max(strongest, r);
  // Multiples of a season correlate about as strongly as the season itself:
  // the shortest lag nearly as strong as the strongest is the season.
  for (const auto& [lag, r] : peaks) {
    if (r >= kNearlyAsStrong * strongest) return lag;
  }
  return 0;
}

}  // namespace foresta
