#ifndef FORESTA_PREDICTION_PREDICTION_STATE_H_
#define FORESTA_PREDICTION_PREDICTION_STATE_H_

#include <cstdint>

namespace foresta {

// The prediction's shared state, overwritten by each input test and
// encoding and read by the report writers and the multi-step averages.
struct PredictionState {
  // Number of variables (columns) of the last tested input file.
  std::uint32_t VariableCount = 0;
};

}  // namespace foresta

#endif  // FORESTA_PREDICTION_PREDICTION_STATE_H_
