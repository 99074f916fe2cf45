#ifndef FORESTA_CLI_PRINT_COMMAND_H_
#define FORESTA_CLI_PRINT_COMMAND_H_

#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace foresta {

// The program that prints to PDF; it draws with Qt, which foresta-cli
// does not link.
inline constexpr const char* kPdfPrintProgram = "foresta-print";

// print FILE --pdf OUT: runs foresta-print from the folder of the running
// program with the same arguments (no shell), copies what it prints to
// `io` and returns its exit status. When it cannot be found or started,
// says so and returns kExitFailure.
int RunPrint(const GlobalOptions& options, const std::vector<std::string>& args, CliStreams io);

}  // namespace foresta

#endif  // FORESTA_CLI_PRINT_COMMAND_H_
