#ifndef FORESTA_CLI_CLI_SESSION_H_
#define FORESTA_CLI_CLI_SESSION_H_

#include <string>

#include "cli/cli_commands.h"
#include "cli/event_printer.h"
#include "workbench/workbench.h"

namespace foresta {

// The workbench one subcommand runs in: a Shell that answers from the global
// options, the --set and --text assignments applied on request, and every
// message the commands show echoed as it happens.
class CliSession {
 public:
  CliSession(const GlobalOptions& options, CliStreams io, EchoStyle echo);
  CliSession(const CliSession&) = delete;
  CliSession& operator=(const CliSession&) = delete;

  // Applies every --set, then every --text. False, after saying which
  // assignment is wrong, when one cannot be applied (a usage error).
  bool ApplySettings();

  // Copies `file` (a report the run opened) to standard output. False, after
  // saying so, when it cannot be read; an empty report prints nothing.
  bool PrintReport(const std::string& file);

  // Whether a command showed a document (the prediction report, say).
  bool DocumentOpened() const;

  Workbench& workbench() { return workbench_; }
  WorkbenchState& state() { return workbench_.state(); }
  PrintingShell& shell() { return shell_; }

 private:
  const GlobalOptions& options_;
  CliStreams io_;
  PrintingShell shell_;
  Workbench workbench_;
};

}  // namespace foresta

#endif  // FORESTA_CLI_CLI_SESSION_H_
