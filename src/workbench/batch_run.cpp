#include "workbench/batch_run.h"

#include "batch/batch_file.h"
#include "batch/batch_run_code.h"
#include "prediction/input_check.h"
#include "workbench/prediction_run.h"
#include "workbench/workbench.h"
#include "workbench/written_files.h"

namespace foresta {
namespace {

bool IsGrowthKind(int kind) { return kind >= 4 && kind <= 6; }

}  // namespace

BatchRunOutcome RunBatchFile(Workbench& wb) {
  BatchRunOutcome outcome;
  WorkbenchState& s = wb.state();
  // The run writes its pattern files after loading the batch file; were
  // the batch file one of them, it would be gone. (The echo and the
  // output are the test's own refusals.)
  if (std::optional<WrittenFile> written = WrittenFileThatIs(s, s.batchFile);
      written && written->name != kEchoFile && written->name != s.predictionOutputFile) {
    outcome.testCode = kMsgBatchIsWrittenFile - kMsgBatchTestBase;
    wb.InformWith(kMsgBatchIsWrittenFile, OverwriteParticulars(s.batchFile, *written));
    return outcome;
  }
  outcome.testCode = TestBatchFile(s.batchFile);
  if (outcome.testCode != kBatchOk) {
    wb.Inform(kMsgBatchTestBase + outcome.testCode);
    return outcome;
  }
  const int code = LoadBatchFile(s);
  if (code == kBatchLoadFailed) {
    // The file went away between its test and its loading.
    outcome.testCode = kBatchCannotOpen;
    wb.Inform(kMsgBatchTestBase + kBatchCannotOpen);
    return outcome;
  }
  outcome.runCode = code;
  const int kind = RunCodeKind(code);
  const int averages = RunCodeAverages(code);
  if (averages == 0) {
    outcome.predicted = RunPredictionCommand(wb, code);
  } else if (!IsAveragedKind(kind)) {
    s.runCode = code;
    outcome.refused = true;
    wb.Inform(kMsgBatchRunCodeError);
  } else if (IsGrowthKind(kind)) {
    outcome.predicted = RunGrowthAverageCommand(wb, kind, averages);
  } else {
    outcome.predicted = RunAverageCommand(wb, kind, averages);
  }
  return outcome;
}

}  // namespace foresta
