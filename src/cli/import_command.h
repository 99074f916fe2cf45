#ifndef FORESTA_CLI_IMPORT_COMMAND_H_
#define FORESTA_CLI_IMPORT_COMMAND_H_

#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace foresta {

// import FILE.csv [--columns NAME_OR_INDEX,...] [--date-column NAME_OR_INDEX|none]
//        [--delimiter C|tab] [--decimal-comma]
//        [--missing fail|skip|previous|interpolate] [--output FILE] [--force]
// Writes the CSV's numeric columns as a prediction input file (default: the
// CSV's name with ".txt") and says what it wrote; a refusal names the row and
// column. With --json, one record: {"kind":"imported",...} or
// {"kind":"error","message":...}, warnings as {"kind":"warning",...}.
int RunImport(const GlobalOptions& options, const std::vector<std::string>& args,
              CliStreams io);

}  // namespace foresta

#endif  // FORESTA_CLI_IMPORT_COMMAND_H_
