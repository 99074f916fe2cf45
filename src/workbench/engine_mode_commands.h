#ifndef FORESTA_WORKBENCH_ENGINE_MODE_COMMANDS_H_
#define FORESTA_WORKBENCH_ENGINE_MODE_COMMANDS_H_

namespace foresta {

class Workbench;

// After a training or retraining: when the symmetry setting asked for
// copies that its region could not give (positions never set, or a region
// past the vector's end), tells the user why the patterns were stored alone.
void ExplainSymmetryProblem(Workbench& wb);

// Shows what a recognition's result code means: the end of the run, or why
// it stopped (a file to test, no trained network, no report file).
void ShowRecognitionResult(Workbench& wb, int result);

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_ENGINE_MODE_COMMANDS_H_
