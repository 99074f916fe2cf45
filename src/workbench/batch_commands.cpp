// Handlers of the Batch menu.
#include <fstream>

#include "batch/batch_file.h"
#include "workbench/command_table.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

constexpr int kBatchFileMissing = 565;   // information
constexpr int kBatchFileUnwritable = 566;  // information
constexpr int kBatchDocument = 566;      // document opener

void OpenBatchFile(Workbench& wb) {
  if (!std::ifstream(wb.state().batchFile, std::ios::binary)) {
    wb.Inform(kBatchFileMissing);
    return;
  }
  wb.Open(kBatchDocument);
}

void SaveBatch(Workbench& wb) {
  if (SaveBatchFile(wb.state()) != kBatchSaved) {
    wb.Inform(kBatchFileUnwritable);
    return;
  }
  wb.Open(kBatchDocument);
}

}  // namespace

void RegisterBatchCommands(CommandTable& table) {
  table.Add(565, OpenBatchFile);
  table.Add(566, SaveBatch);
}

}  // namespace foresta
