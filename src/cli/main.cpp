// foresta-cli: the workbench without a window, for scripts and tests.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  return foresta::RunCommandLine(args, {std::cout, std::cerr});
}
