#ifndef FORESTA_WORKBENCH_PREDICTION_RUN_H_
#define FORESTA_WORKBENCH_PREDICTION_RUN_H_

#include "prediction/text_output.h"
#include "state/message_codes.h"

namespace foresta {

class Workbench;

// Statuses that end a run without a report and that the run's own boxes do
// not show; an interactive run shows their text when it ends with one.
bool IsSilentFailureStatus(int status);

// One run on predictionInputFile: encode, train, recognise, report. With a
// collective output the report is appended there (Directory input);
// otherwise it replaces predictionOutputFile and is opened. The outcome is
// statusCode; returns true when the report was written.
bool RunPrediction(Workbench& wb, int code, TextOutput* collective);

// The entry of the prediction commands and of batch codes below 100: records
// runCode and runs File or Directory input. A File run that fails shows the
// failure's text; a Directory run names the files that failed. Returns true
// when every prediction was written.
bool RunPredictionCommand(Workbench& wb, int code);

// Opens predictionOutputFile (emptied) as the collective output of a
// Directory run. Returns 0, or 3 when it cannot be created.
int OpenCollectiveOutput(Workbench& wb, TextOutput& collective);

// `steps` averaged predictions with the value flow (codes 1-3, 10-12) or the
// growth flow (codes 4-6); runCode becomes steps x 100 + code. The report
// file ends up holding one line per predicted row, and is opened. Codes of
// other kinds, step counts outside 1..99 and trends that would carry the
// table past its rows are refused with a message before anything runs.
// Returns true when every step (or, for Directory input, every file)
// predicted.
bool RunAverageCommand(Workbench& wb, int code, int steps);
bool RunGrowthAverageCommand(Workbench& wb, int code, int steps);

// Any run code: 1..27 as RunPredictionCommand, K x 100 + code as the
// average of its flow. Returns false (after a message) for codes that are
// neither.
bool RunAnyPredictionCode(Workbench& wb, int runCode);

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_PREDICTION_RUN_H_
