#ifndef FORESTA_CLI_EVENT_PRINTER_H_
#define FORESTA_CLI_EVENT_PRINTER_H_

#include <ostream>
#include <string>

#include "state/json_text.h"
#include "state/recording_shell.h"

namespace foresta {

// How the command line shows what the commands present.
enum class EchoStyle {
  kRecords,   // every presenter call as one record (JSON or readable)
  kMessages,  // the text of each message box, one per line
  // the text of each message box as {"kind":"error","message":...}: what
  // a prediction shows in a box is why it failed
  kErrorRecords,
};

// The Shell of the command line: answers from its settings and prints what
// each presenter call shows as it happens.
class PrintingShell : public RecordingShell {
 public:
  PrintingShell(std::ostream& out, EchoStyle style, bool json)
      : out_(out), style_(style), json_(json) {}

  // The record printed after each command identifier.
  void PrintStatus(int code);

 protected:
  void OnEvent(const ShellEvent& event) override;

 private:
  void PrintRecord(const ShellEvent& event);

  std::ostream& out_;
  EchoStyle style_;
  bool json_;
};

}  // namespace foresta

#endif  // FORESTA_CLI_EVENT_PRINTER_H_
