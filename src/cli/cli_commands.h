#ifndef FORESTA_CLI_CLI_COMMANDS_H_
#define FORESTA_CLI_CLI_COMMANDS_H_

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace foresta {

// Options that come before the subcommand and shape the workbench it runs.
struct GlobalOptions {
  std::vector<std::pair<std::string, std::string>> sets;   // --set F=V
  std::vector<std::pair<std::string, std::string>> texts;  // --text N=T
  bool answerYes = true;                                    // --answer
  bool confirmDialogs = true;                               // --dialogs
  bool json = false;                                        // --json
};

// Exit codes of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

struct CliStreams {
  std::ostream& out;
  std::ostream& err;
};

// One subcommand: its name, a line of help and its handler, which takes the
// arguments after the name and returns the exit code.
struct Subcommand {
  const char* name;
  const char* usage;
  const char* description;
  int (*run)(const GlobalOptions&, const std::vector<std::string>&,
             CliStreams);
};

const std::vector<Subcommand>& Subcommands();

// Parses the whole command line and runs it; returns the exit code.
int RunCommandLine(const std::vector<std::string>& args, CliStreams streams);

}  // namespace foresta

#endif  // FORESTA_CLI_CLI_COMMANDS_H_
