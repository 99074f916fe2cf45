#ifndef FORESTA_TESTS_SUPPORT_CLI_RECORDS_H_
#define FORESTA_TESTS_SUPPORT_CLI_RECORDS_H_

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace foresta::testing {

// What one in-process run of the command line returned and printed.
struct CliRun {
  int exit;
  std::string out;
  std::string err;
  bool operator==(const CliRun&) const = default;
};

// Runs `foresta-cli ARGS...` in the current directory.
inline CliRun Cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  int exit = RunCommandLine(args, {out, err});
  return {exit, out.str(), err.str()};
}

// The lines of `text`, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Runs `foresta-cli --json ARGS...` in the current directory and returns
// what it printed on standard output.
inline std::string Do(std::vector<std::string> args) {
  std::ostringstream out, err;
  std::vector<std::string> all = {"--json"};
  all.insert(all.end(), args.begin(), args.end());
  RunCommandLine(all, {out, err});
  return out.str();
}

// The JSON lines the command line prints for each presenter call; texts are
// given already escaped.
inline std::string Info(int code, const std::string& text) {
  return "{\"kind\":\"information\",\"code\":" + std::to_string(code) +
         ",\"caption\":\"Information\",\"text\":\"" + text + "\"}\n";
}
inline std::string Question(int code, const std::string& caption, const std::string& text) {
  return "{\"kind\":\"question\",\"code\":" + std::to_string(code) + ",\"caption\":\"" +
         caption + "\",\"text\":\"" + text + "\"}\n";
}
inline std::string Message(const std::string& caption, const std::string& text) {
  return "{\"kind\":\"message\",\"caption\":\"" + caption + "\",\"text\":\"" + text + "\"}\n";
}
inline std::string Status(int code) {
  return "{\"kind\":\"status\",\"code\":" + std::to_string(code) + "}\n";
}

}  // namespace foresta::testing

#endif  // FORESTA_TESTS_SUPPORT_CLI_RECORDS_H_
