#include "cli/predict_command.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "prediction/directory_scan.h"
#include "prediction/input_check.h"
#include "workbench/prediction_run.h"
#include "state/recording_shell.h"
#include "state/state_fields.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

bool ParseInt(const std::string& text, int& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  auto [ptr, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && ptr == last && first != last;
}

// The usable input files of `directory`, named by their path from here.
void ListDirectoryInputs(const std::string& directory, Workbench& wb) {
  WorkbenchState& s = wb.state();
  s.directoryList.clear();
  for (const std::string& name : ListTextFiles(directory)) {
    if (static_cast<int>(s.directoryList.size()) >= kMaxDirectoryEntries) break;
    std::string path = (std::filesystem::path(directory) / name).string();
    int rows = -1;
    if (TestInputFile({path, s.precision, s.trend}, wb.prediction(), rows) ==
        kInputOk) {
      s.directoryList.push_back(path);
    }
  }
  s.directoryCount = static_cast<int>(s.directoryList.size());
}

bool CopyFileTo(const std::string& name, std::ostream& out) {
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  out << in.rdbuf();
  return true;
}

}  // namespace

int RunPredict(const GlobalOptions& options,
               const std::vector<std::string>& args, CliStreams io) {
  RecordingShell shell;
  shell.answerYes = options.answerYes;
  shell.confirmDialogs = options.confirmDialogs;
  Workbench wb(shell);
  WorkbenchState& s = wb.state();
  for (const auto& [name, value] : options.sets) {
    if (std::string error = SetStateField(s, name, value); !error.empty()) {
      io.err << "foresta-cli: --set " << error << "\n";
      return kExitUsage;
    }
  }
  int code = 1;
  std::string input;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--code" || arg == "--precision" || arg == "--trend") {
      int value = 0;
      if (i + 1 >= args.size() || !ParseInt(args[++i], value)) {
        io.err << "foresta-cli: " << arg << " needs an integer\n";
        return kExitUsage;
      }
      (arg == "--code" ? code : arg == "--precision" ? s.precision : s.trend) = value;
    } else if (arg == "--output") {
      if (i + 1 >= args.size()) {
        io.err << "foresta-cli: --output needs a file name\n";
        return kExitUsage;
      }
      s.predictionOutputFile = args[++i];
    } else if (input.empty() && !arg.empty() && arg[0] != '-') {
      input = arg;
    } else {
      io.err << "foresta-cli: unexpected argument to predict: " << arg << "\n";
      return kExitUsage;
    }
  }
  if (input.empty()) {
    io.err << "foresta-cli: predict needs an input file or directory\n";
    return kExitUsage;
  }
  s.ResetNumericTexts();
  std::error_code ec;
  if (std::filesystem::is_directory(input, ec)) {
    s.inputMode = InputMode::kDirectory;
    ListDirectoryInputs(input, wb);
  } else {
    s.inputMode = InputMode::kFile;
    s.predictionInputFile = input;
  }

  const bool ok = RunAnyPredictionCode(wb, code);
  for (const ShellEvent& event : shell.events()) {
    if (event.kind == ShellEvent::Kind::kInformation ||
        event.kind == ShellEvent::Kind::kQuestion ||
        event.kind == ShellEvent::Kind::kMessage) {
      io.err << event.text << "\n";
    }
  }
  // A Directory run reports every file it could; print that even when some
  // files failed.
  bool opened = false;
  for (const ShellEvent& event : shell.events()) {
    if (event.kind == ShellEvent::Kind::kOpen) opened = true;
  }
  if (opened && !CopyFileTo(s.predictionOutputFile, io.out)) {
    io.err << "foresta-cli: cannot read " << s.predictionOutputFile << "\n";
    return kExitFailure;
  }
  return ok ? kExitOk : kExitFailure;
}

}  // namespace foresta
