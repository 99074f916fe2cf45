#ifndef FORESTA_TESTS_SUPPORT_CLI_PROCESS_H_
#define FORESTA_TESTS_SUPPORT_CLI_PROCESS_H_

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace foresta::testing {

// What one run of the built program printed on standard output, and how it
// exited (-1 when it did not exit normally).
struct CliRun {
  std::string out;
  int exitStatus = -1;
};

// Runs the built `foresta-cli --json ARGS...` as its own process in the
// current directory, so the files it reads and writes are real files there.
// Every argument is passed as one word, whatever it holds. A run that hangs
// (a file test waiting on a FIFO) is stopped after two minutes and exits
// with 124.
inline CliRun RunCliProcess(const std::vector<std::string>& args) {
  std::string command = "timeout 120 " + std::string(FORESTA_BIN_DIR) + "/foresta-cli --json";
  for (const std::string& arg : args) {
    command += " '";
    for (char c : arg) command += c == '\'' ? std::string("'\\''") : std::string(1, c);
    command += "'";
  }
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  if (status != -1 && WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
  return run;
}

}  // namespace foresta::testing

#endif  // FORESTA_TESTS_SUPPORT_CLI_PROCESS_H_
