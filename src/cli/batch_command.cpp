#include "cli/batch_command.h"

#include <fstream>
#include <ostream>

#include "workbench/batch_run.h"
#include "state/recording_shell.h"
#include "state/state_fields.h"
#include "workbench/workbench.h"

namespace foresta {

int RunBatch(const GlobalOptions& options,
             const std::vector<std::string>& args, CliStreams io) {
  RecordingShell shell;
  shell.answerYes = options.answerYes;
  shell.confirmDialogs = options.confirmDialogs;
  Workbench wb(shell);
  WorkbenchState& s = wb.state();
  for (const auto& [name, value] : options.sets) {
    if (std::string error = SetStateField(s, name, value); !error.empty()) {
      io.err << "foresta-cli: --set " << error << "\n";
      return kExitUsage;
    }
  }
  if (args.size() > 1 || (args.size() == 1 && (args[0].empty() ||
                                               args[0][0] == '-'))) {
    io.err << "foresta-cli: batch takes at most one batch file name\n";
    return kExitUsage;
  }
  if (!args.empty()) s.batchFile = args[0];

  const BatchRunOutcome outcome = RunBatchFile(wb);
  bool opened = false;
  for (const ShellEvent& event : shell.events()) {
    switch (event.kind) {
      case ShellEvent::Kind::kInformation:
      case ShellEvent::Kind::kQuestion:
      case ShellEvent::Kind::kMessage:
        io.err << event.text << "\n";
        break;
      case ShellEvent::Kind::kOpen:
        opened = true;
        break;
      default:
        break;
    }
  }
  if (outcome.testCode != 0 || outcome.refused) return kExitFailure;
  // A Directory run reports every file it could; print that even when some
  // of its files failed.
  if (opened) {
    std::ifstream report(s.predictionOutputFile, std::ios::binary);
    if (!report) {
      io.err << "foresta-cli: cannot read " << s.predictionOutputFile << "\n";
      return kExitFailure;
    }
    // An empty report (no file could be predicted) prints nothing; copying
    // an empty buffer would mark the output stream failed.
    if (report.peek() != std::ifstream::traits_type::eof()) {
      io.out << report.rdbuf();
    }
  }
  return outcome.predicted ? kExitOk : kExitFailure;
}

}  // namespace foresta
