#include "cli/predict_command.h"

#include <filesystem>
#include <ostream>

#include "cli/arguments.h"
#include "cli/cli_session.h"
#include "prediction/directory_scan.h"
#include "prediction/input_check.h"
#include "workbench/prediction_run.h"

namespace foresta {
namespace {

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

}  // namespace

int RunPredict(const GlobalOptions& options,
               const std::vector<std::string>& args, CliStreams io) {
  CliSession session(options, io, EchoStyle::kMessages);
  if (!session.ApplySettings()) return kExitUsage;
  WorkbenchState& s = session.state();
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
    } else if (input.empty() && IsOperand(arg)) {
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
    ListDirectoryInputs(input, session.workbench());
  } else {
    s.inputMode = InputMode::kFile;
    s.predictionInputFile = input;
  }

  const bool ok = RunAnyPredictionCode(session.workbench(), code);
  // A Directory run reports every file it could; print that even when some
  // files failed.
  if (session.DocumentOpened() && !session.PrintReport(s.predictionOutputFile)) {
    return kExitFailure;
  }
  return ok ? kExitOk : kExitFailure;
}

}  // namespace foresta
