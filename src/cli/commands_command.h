#ifndef FORESTA_CLI_COMMANDS_COMMAND_H_
#define FORESTA_CLI_COMMANDS_COMMAND_H_

#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace foresta {

// foresta-cli commands: every command identifier with its menu, label and
// hint, in identifier order; one JSON object per line with --json.
int RunCommands(const GlobalOptions& options, const std::vector<std::string>& args,
                CliStreams io);

}  // namespace foresta

#endif  // FORESTA_CLI_COMMANDS_COMMAND_H_
