#ifndef FORESTA_PREDICTION_AVERAGE_TABLE_H_
#define FORESTA_PREDICTION_AVERAGE_TABLE_H_

#include <string>

#include "prediction/prediction_state.h"
#include "prediction/text_output.h"

namespace foresta {

// The two ways a multi-step average carries a prediction forward: as values,
// or as growth rates applied to the last values.
enum class AverageFlow { kValue, kGrowth };

struct AverageTableRequest {
  AverageFlow flow = AverageFlow::kValue;
  std::string recognitionFile = "example1.rec";
  std::string predictionOutputFile = "example2b.txt";
  // Named in the collective header.
  std::string predictionInputFile = "example2a.txt";
  int precision = 10;
  int trend = 5;
  int style = 1;  // CodeStyle of the step's encoding
  int step = 0;   // the average index a
};

struct AverageTableOutcome {
  bool predicted = false;  // step a produced a prediction
  bool written = true;     // every file was written in full
};

// Whether step a left a prediction in LastRowsTable (a nonzero maximum
// weight). False when the step's row or the variables lie outside the table.
bool StepPredicted(const AverageTableRequest& request,
                   const PredictionState& state);

// After step a: when the step predicted, rewrites the recognition file with
// the newest trend - 1 rows of LastRowsTable (the last being the step's
// prediction) and the unknown row, so the next step can ask the trained
// network again; otherwise empties it. Then writes the table of the steps so
// far, one line per predicted row with the N averages (growth: the predicted
// values) and the maximum weight.
//
// With `collective` null the table replaces predictionOutputFile. With a
// collective output the table goes there, after a header naming the input
// file, and only when `writeCollective` is set (the file's last table).
AverageTableOutcome WriteAverageTable(const AverageTableRequest& request,
                                      const PredictionState& state,
                                      TextOutput* collective = nullptr,
                                      bool writeCollective = false);

}  // namespace foresta

#endif  // FORESTA_PREDICTION_AVERAGE_TABLE_H_
