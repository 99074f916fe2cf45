#include "cli/cli_session.h"

#include <fstream>
#include <ostream>

#include "state/state_fields.h"

namespace foresta {

CliSession::CliSession(const GlobalOptions& options, CliStreams io, EchoStyle echo)
    : options_(options),
      io_(io),
      shell_(echo == EchoStyle::kRecords ? io.out : io.err, echo, options.json),
      workbench_(shell_) {
  shell_.answerYes = options.answerYes;
  shell_.confirmDialogs = options.confirmDialogs;
}

bool CliSession::ApplySettings() {
  WorkbenchState& state = workbench_.state();
  for (const auto& [name, value] : options_.sets) {
    if (std::string error = SetStateField(state, name, value); !error.empty()) {
      io_.err << "foresta-cli: --set " << error << "\n";
      return false;
    }
  }
  for (const auto& [name, value] : options_.texts) {
    if (std::string error = SetDialogText(state, name, value); !error.empty()) {
      io_.err << "foresta-cli: --text " << error << "\n";
      return false;
    }
  }
  return true;
}

bool CliSession::PrintReport(const std::string& file) {
  std::ifstream report(file, std::ios::binary);
  if (!report) {
    io_.err << "foresta-cli: cannot read " << file << "\n";
    return false;
  }
  // Copying an empty buffer would mark the output stream failed.
  if (report.peek() != std::ifstream::traits_type::eof()) io_.out << report.rdbuf();
  return true;
}

bool CliSession::DocumentOpened() const {
  for (const ShellEvent& event : shell_.events()) {
    if (event.kind == ShellEvent::Kind::kOpen) return true;
  }
  return false;
}

}  // namespace foresta
