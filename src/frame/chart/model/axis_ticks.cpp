#include "frame/chart/model/axis_ticks.h"

#include <algorithm>
#include <cmath>

namespace foresta {

double NiceTickStep(double span, int maxTicks) {
  if (!(span > 0.0) || !std::isfinite(span)) return 1.0;
  const double raw = span / std::max(maxTicks, 1);
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= raw) return factor * power;
  }
  return 10.0 * power;
}

}  // namespace foresta
