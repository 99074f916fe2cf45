#ifndef FORESTA_CLI_PREDICT_COMMAND_H_
#define FORESTA_CLI_PREDICT_COMMAND_H_

#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace foresta {

// predict [--code N] [--precision P] [--trend T] [--output FILE]
//         [--last ROWS] [--json] [--csv OUT] INPUT_OR_DIRECTORY
// Runs one prediction (or an averaged one, or one over every usable "*.txt"
// file of a directory) in the current directory and prints the report. With
// --json it prints instead one record per candidate and one summary per
// report and step, and every failure as an error record; --csv writes the
// same records as CSV rows to OUT. The report files are written as always.
// --last ROWS predicts from the newest ROWS rows of each input only, leaving
// the file alone. A failure the menus' texts explain poorly (the limits N,
// T and P broke, the file that could not be written, a file too long for
// the code) gets a line of particulars after the message.
int RunPredict(const GlobalOptions& options,
               const std::vector<std::string>& args, CliStreams io);

}  // namespace foresta

#endif  // FORESTA_CLI_PREDICT_COMMAND_H_
