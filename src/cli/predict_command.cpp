#include "cli/predict_command.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/arguments.h"
#include "cli/cli_session.h"
#include "cli/report_export.h"
#include "interchange/report_records.h"
#include "engine/pattern_file_check.h"
#include "prediction/directory_scan.h"
#include "prediction/encoders.h"
#include "prediction/input_check.h"
#include "prediction/run_code.h"
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

// What the command line adds to a failed run's message: the particulars
// that the fixed texts (written for the window's menus) leave out, and for
// an input too long for the code, the option that uses its newest rows.
std::string FailureParticulars(const WorkbenchState& s, int runCode) {
  if (s.inputMode != InputMode::kFile) return {};
  if (s.statusCode == kMsgTooManyRows) {
    std::optional<RunCodeInfo> info = DecodeRunCode(runCode % kAverageCodeFactor);
    if (!info) return {};
    const std::int64_t usable = UsableRows(info->encoder, kMaxDistributionRows);
    return "--last " + std::to_string(usable) + " predicts from the newest " +
           std::to_string(usable) + " rows";
  }
  if ((s.statusCode == kMsgInputRefused || s.statusCode == kMsgCannotOpenOutput) &&
      !s.statusParticulars.empty()) {
    return s.predictionInputFile + ": " + s.statusParticulars;
  }
  return {};
}

}  // namespace

int RunPredict(const GlobalOptions& options,
               const std::vector<std::string>& args, CliStreams io) {
  // --json may also stand among the options; it decides how messages echo.
  const bool json =
      options.json || std::find(args.begin(), args.end(), "--json") != args.end();
  CliSession session(options, io, json ? EchoStyle::kErrorRecords : EchoStyle::kMessages);
  if (!session.ApplySettings()) return kExitUsage;
  WorkbenchState& s = session.state();
  int code = 1;
  std::string input;
  std::string csvFile;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--code" || arg == "--precision" || arg == "--trend") {
      int value = 0;
      if (i + 1 >= args.size() || !ParseInt(args[++i], value)) {
        io.err << "foresta-cli: " << arg << " needs an integer\n";
        return kExitUsage;
      }
      (arg == "--code" ? code : arg == "--precision" ? s.precision : s.trend) = value;
    } else if (arg == "--last") {
      int rows = 0;
      if (i + 1 >= args.size() || !ParseInt(args[++i], rows) || rows < 1) {
        io.err << "foresta-cli: --last needs a number of rows of at least 1\n";
        return kExitUsage;
      }
      s.newestRows = rows;
    } else if (arg == "--output" || arg == "--csv") {
      if (i + 1 >= args.size()) {
        io.err << "foresta-cli: " << arg << " needs a file name\n";
        return kExitUsage;
      }
      (arg == "--output" ? s.predictionOutputFile : csvFile) = args[++i];
    } else if (arg == "--json") {
      continue;
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
  if (s.newestRows > 0 && s.newestRows < s.trend) {
    io.err << "foresta-cli: --last " << s.newestRows << " leaves fewer rows than the trend ("
           << s.trend << ")\n";
    return kExitUsage;
  }
  auto fail = [&](const std::string& message) {
    if (json) {
      io.out << ErrorJson(message);
    } else {
      io.err << "foresta-cli: " << message << "\n";
    }
    return kExitFailure;
  };
  CsvRecordFile csv;
  if (!csvFile.empty()) {
    if (std::string error = csv.Open(csvFile); !error.empty()) return fail(error);
  }
  ReportExporter exporter(json ? &io.out : nullptr, csvFile.empty() ? nullptr : &csv);
  if (json || !csvFile.empty()) session.workbench().SetReportListener(&exporter);

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
  session.workbench().SetReportListener(nullptr);
  if (!ok) {
    if (std::string more = FailureParticulars(s, code); !more.empty()) {
      if (json) {
        io.out << ErrorJson(more);
      } else {
        io.err << "foresta-cli: " << more << "\n";
      }
    }
  }
  if (!csvFile.empty() && exporter.any()) {
    if (std::string error = csv.Commit(); !error.empty()) return fail(error);
  }
  if (json) {
    // Every failure the run shows is already an error record; one it did
    // not show still gets one.
    if (!ok && !session.MessageShown()) {
      return fail("no prediction was made (status " + std::to_string(s.statusCode) + ")");
    }
    return ok ? kExitOk : kExitFailure;
  }
  // A Directory run reports every file it could; print that even when some
  // files failed.
  if (session.DocumentOpened() && !session.PrintReport(s.predictionOutputFile)) {
    return kExitFailure;
  }
  return ok ? kExitOk : kExitFailure;
}

}  // namespace foresta
