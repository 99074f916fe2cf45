#ifndef FORESTA_CLI_PREDICT_COMMAND_H_
#define FORESTA_CLI_PREDICT_COMMAND_H_

#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace foresta {

// predict [--code N] [--precision P] [--trend T] [--output FILE]
//         INPUT_OR_DIRECTORY
// Runs one prediction (or an averaged one, or one over every usable "*.txt"
// file of a directory) in the current directory and prints the report.
int RunPredict(const GlobalOptions& options,
               const std::vector<std::string>& args, CliStreams io);

}  // namespace foresta

#endif  // FORESTA_CLI_PREDICT_COMMAND_H_
