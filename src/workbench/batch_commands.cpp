// Handlers of the Batch menu.
#include <fstream>

#include "batch/batch_file.h"
#include "workbench/batch_run.h"
#include "state/message_codes.h"
#include "workbench/command_vocabulary.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

void OpenBatchFile(Workbench& wb) {
  if (!std::ifstream(wb.state().batchFile, std::ios::binary)) {
    wb.Inform(kMsgBatchFileMissing);
    return;
  }
  wb.Open(kDocBatch);
}

void SaveBatch(Workbench& wb) {
  if (SaveBatchFile(wb.state()) != kBatchSaved) {
    wb.Inform(kMsgBatchFileUnwritable);
    return;
  }
  wb.Open(kDocBatch);
}

void RunBatchCommand(Workbench& wb) { RunBatchFile(wb); }

constexpr CommandRow kRows[] = {
    {kCmBatchOpen, "&Open", "Open batch file", OpenBatchFile},
    {kCmBatchSave, "&Save", "Save batch file", SaveBatch},
    {kCmBatchRun, "&Run", "Run batch file", RunBatchCommand},
};

}  // namespace

std::span<const CommandRow> BatchCommandRows() { return kRows; }

}  // namespace foresta
