#include "evaluation/conformal.h"

#include <algorithm>

namespace foresta {

long ConformalRank(long n, int percent) { return ((n + 1) * percent + 99) / 100; }

std::optional<float> ConformalHalfWidth(std::vector<float> absoluteErrors, int percent) {
  const long n = static_cast<long>(absoluteErrors.size());
  const long rank = ConformalRank(n, percent);
  if (rank < 1 || rank > n) return std::nullopt;
  auto kth = absoluteErrors.begin() + (rank - 1);
  std::nth_element(absoluteErrors.begin(), kth, absoluteErrors.end());
  return *kth;
}

}  // namespace foresta
