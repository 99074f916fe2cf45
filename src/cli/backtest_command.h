#ifndef FORESTA_CLI_BACKTEST_COMMAND_H_
#define FORESTA_CLI_BACKTEST_COMMAND_H_

#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace foresta {

// `backtest INPUT_OR_DIRECTORY [--origins K] [--validation V] [--variable J]
// [--season S] [--grid default|wide] [--json] [--csv OUT]`: walk-forward
// backtest of every candidate setting, the advice and its intervals, for one
// input file or for every "*.txt" file of a directory (one after the other,
// each over all cores). Writes no file but the CSV asked for. Exit 1 when a
// file is refused (unreadable, or too short for the windows).
int RunBacktestCommand(const GlobalOptions& options, const std::vector<std::string>& args,
                       CliStreams io);

}  // namespace foresta

#endif  // FORESTA_CLI_BACKTEST_COMMAND_H_
