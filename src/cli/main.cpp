// foresta-cli: the workbench without a window, for scripts and tests.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  const int status = foresta::RunCommandLine(args, {std::cout, std::cerr});
  // What could not be printed is not a success (a full disk, a closed pipe).
  if (!std::cout.flush()) {
    std::cerr << "foresta-cli: cannot write standard output\n";
    return status == foresta::kExitOk ? foresta::kExitFailure : status;
  }
  return status;
}
