#ifndef FORESTA_CLI_PRINT_COMMAND_H_
#define FORESTA_CLI_PRINT_COMMAND_H_

#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace foresta {

// print FILE --pdf OUT: prints a text file as the editor prints it, onto
// the pages of a PDF file; reports the number of pages written.
int RunPrint(const GlobalOptions& options, const std::vector<std::string>& args, CliStreams io);

}  // namespace foresta

#endif  // FORESTA_CLI_PRINT_COMMAND_H_
