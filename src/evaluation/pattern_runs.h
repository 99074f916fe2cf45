#ifndef FORESTA_EVALUATION_PATTERN_RUNS_H_
#define FORESTA_EVALUATION_PATTERN_RUNS_H_

#include <functional>
#include <optional>
#include <vector>

#include "evaluation/series.h"

namespace foresta {

// The forecasts of one pattern setting (code, precision, trend) of the
// scored variable at a run of origins, both point forecasts at once.
struct PatternRun {
  int code = 0;
  int precision = 0;
  int trend = 0;
  std::vector<std::optional<float>> weightedAverage;
  std::vector<std::optional<float>> highestProbability;
  // False when the input test or the encoder refused it at every origin.
  bool applicable = false;
};

// Fills every run's forecasts at origins first .. end-1 (origin t predicts
// row t from rows 0..t-1; a run without a prediction, or with a number that
// is not finite, leaves the origin missing). Work is shared over `threads`
// threads (0: one per core), each with its own in-memory pipeline, so
// memory stays at one series and one run per thread. `progress` is called
// on the calling thread with the fraction done; when it returns false the
// work stops and false is returned.
// REQUIRES: 1 <= first <= end <= series.rows(), variable < series.variables.
bool RunPatternGrid(const Series& series, int variable, int first, int end,
                    std::vector<PatternRun>& runs, int threads,
                    const std::function<bool(double)>& progress);

}  // namespace foresta

#endif  // FORESTA_EVALUATION_PATTERN_RUNS_H_
