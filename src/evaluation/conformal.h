#ifndef FORESTA_EVALUATION_CONFORMAL_H_
#define FORESTA_EVALUATION_CONFORMAL_H_

#include <optional>
#include <vector>

namespace foresta {

// Split-conformal half-width at level percent/100 from the absolute errors
// of earlier forecasts: the k-th smallest error with k = ceil((n + 1) q),
// taken in integers so that no rounding moves the rank. None when k > n
// (too few errors for the level).
// REQUIRES: 0 < percent < 100.
std::optional<float> ConformalHalfWidth(std::vector<float> absoluteErrors, int percent);

// The rank ceil((n + 1) percent / 100).
long ConformalRank(long n, int percent);

}  // namespace foresta

#endif  // FORESTA_EVALUATION_CONFORMAL_H_
