#ifndef FORESTA_CLI_EVENT_PRINTER_H_
#define FORESTA_CLI_EVENT_PRINTER_H_

#include <ostream>
#include <string>

#include "state/recording_shell.h"

namespace foresta {

// Escapes a byte string for a JSON string literal (without the quotes).
std::string JsonEscape(const std::string& text);

// The Shell of the command line: answers from its settings and prints one
// line per presenter call, as JSON objects or as readable lines.
class PrintingShell : public RecordingShell {
 public:
  PrintingShell(std::ostream& out, bool json) : out_(out), json_(json) {}

  // The record printed after each command identifier.
  void PrintStatus(int code);

 protected:
  void OnEvent(const ShellEvent& event) override;

 private:
  std::ostream& out_;
  bool json_;
};

}  // namespace foresta

#endif  // FORESTA_CLI_EVENT_PRINTER_H_
