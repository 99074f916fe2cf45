#include "cli/batch_command.h"

#include "cli/arguments.h"
#include "cli/cli_session.h"
#include "workbench/batch_run.h"

namespace foresta {

int RunBatch(const GlobalOptions& options,
             const std::vector<std::string>& args, CliStreams io) {
  CliSession session(options, io, EchoStyle::kMessages);
  if (!session.ApplySettings()) return kExitUsage;
  if (args.size() > 1 || (args.size() == 1 && !IsOperand(args[0]))) {
    io.err << "foresta-cli: batch takes at most one batch file name\n";
    return kExitUsage;
  }
  WorkbenchState& s = session.state();
  if (!args.empty()) s.batchFile = args[0];

  const BatchRunOutcome outcome = RunBatchFile(session.workbench());
  if (outcome.testCode != 0 || outcome.refused) return kExitFailure;
  // A Directory run reports every file it could; print that even when some
  // of its files failed.
  if (session.DocumentOpened() && !session.PrintReport(s.predictionOutputFile)) {
    return kExitFailure;
  }
  return outcome.predicted ? kExitOk : kExitFailure;
}

}  // namespace foresta
