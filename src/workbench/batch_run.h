#ifndef FORESTA_WORKBENCH_BATCH_RUN_H_
#define FORESTA_WORKBENCH_BATCH_RUN_H_

namespace foresta {

class Workbench;

struct BatchRunOutcome {
  int testCode = 0;      // result of TestBatchFile; not 0: nothing ran
  int runCode = 0;       // the code the batch file names, once loaded
  bool refused = false;  // loaded, but the code has no dispatcher (167)
  bool predicted = false;  // every prediction of the run was written
};

// Batch/Run: tests state().batchFile, reporting a failure as information
// 160 + code with the settings untouched; loads it; then runs the code it
// names through the same dispatchers as the menus: a single prediction for
// codes below 100, otherwise h averaged predictions of kind g (the growth
// flow for kinds 4 to 6, the value flow for the others), over one file or
// the list of files that could be opened. A one-step average of a kind that
// has no averaged form is refused with information 167 before anything
// runs; runCode takes the code.
BatchRunOutcome RunBatchFile(Workbench& wb);

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_BATCH_RUN_H_
