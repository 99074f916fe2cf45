#include "frame/chart/model/decimation.h"

#include <algorithm>
#include <cmath>

namespace foresta {

std::vector<PlotPoint> DecimateSeries(std::span<const float> values, double from, double to,
                                      int columns) {
  std::vector<PlotPoint> points;
  const long long rows = static_cast<long long>(values.size());
  if (rows == 0 || !(to > from) || !std::isfinite(from) || !std::isfinite(to)) return points;
  // Rows (from 1) in view, widened by one on each side.
  // Clamped as doubles: a range zoomed far out must not overflow a cast.
  const double edge = static_cast<double>(rows);
  const long long first = static_cast<long long>(std::clamp(std::ceil(from) - 1.0, 1.0, edge));
  const long long last = static_cast<long long>(std::clamp(std::floor(to) + 1.0, 1.0, edge));
  if (last < first) return points;
  columns = std::max(columns, 1);
  const auto point = [&values](long long row) {
    return PlotPoint{static_cast<double>(row), static_cast<double>(values[static_cast<std::size_t>(row - 1)])};
  };
  if (last - first + 1 <= 2LL * columns) {
    points.reserve(static_cast<std::size_t>(last - first + 1));
    for (long long r = first; r <= last; ++r) points.push_back(point(r));
    return points;
  }
  points.reserve(static_cast<std::size_t>(2 * columns + 4));
  const double scale = columns / (to - from);
  bool started = false;
  long long column = 0;
  long long low = 0, high = 0;
  const auto flush = [&] {
    if (!started) return;
    points.push_back(point(std::min(low, high)));
    if (low != high) points.push_back(point(std::max(low, high)));
  };
  for (long long r = first; r <= last; ++r) {
    // Rows beyond the edges fall into columns of their own.
    const long long c = static_cast<long long>(std::floor((static_cast<double>(r) - from) * scale));
    const float v = values[static_cast<std::size_t>(r - 1)];
    if (!started || c != column) {
      flush();
      started = true;
      column = c;
      low = high = r;
      continue;
    }
    if (v < values[static_cast<std::size_t>(low - 1)]) low = r;
    if (v > values[static_cast<std::size_t>(high - 1)]) high = r;
  }
  flush();
  return points;
}

}  // namespace foresta
