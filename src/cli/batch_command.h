#ifndef FORESTA_CLI_BATCH_COMMAND_H_
#define FORESTA_CLI_BATCH_COMMAND_H_

#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace foresta {

// batch [FILE]
// Runs Batch/Run on FILE (default "batch.txt") in the current directory and
// prints the report it opens. A batch file that fails its test, or a run
// that fails, prints the message on standard error and exits non-zero.
int RunBatch(const GlobalOptions& options,
             const std::vector<std::string>& args, CliStreams io);

}  // namespace foresta

#endif  // FORESTA_CLI_BATCH_COMMAND_H_
