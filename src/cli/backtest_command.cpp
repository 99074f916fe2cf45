#include "cli/backtest_command.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>

#include "cli/arguments.h"
#include "evaluation/backtest.h"
#include "evaluation/backtest_report.h"
#include "evaluation/series.h"
#include "prediction/directory_scan.h"
#include "prediction/input_check.h"
#include "state/message_codes.h"
#include "state/message_texts.h"

namespace foresta {
namespace {

struct BacktestArguments {
  std::string input;
  BacktestOptions options;
  bool json = false;
  std::string csv;
};

bool ParsePositive(const std::string& text, int& value) {
  return ParseInt(text, value) && value >= 1;
}

// Returns an empty text when the arguments are well formed, else why not.
std::string ParseArguments(const std::vector<std::string>& args, BacktestArguments& a) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--json") {
      a.json = true;
    } else if (arg == "--origins" || arg == "--validation" || arg == "--variable" ||
               arg == "--season") {
      int value = 0;
      if (i + 1 >= args.size() || !ParsePositive(args[++i], value)) {
        return arg + " needs a whole number of at least 1";
      }
      if (arg == "--origins") a.options.origins = value;
      if (arg == "--validation") a.options.validation = value;
      if (arg == "--variable") a.options.variable = value - 1;
      if (arg == "--season") a.options.season = value;
    } else if (arg == "--grid") {
      if (i + 1 >= args.size() || (args[i + 1] != "default" && args[i + 1] != "wide")) {
        return "--grid takes default or wide";
      }
      a.options.grid = args[++i] == "wide" ? GridKind::kWide : GridKind::kDefault;
    } else if (arg == "--csv") {
      if (i + 1 >= args.size() || args[i + 1].empty()) return "--csv needs a file name";
      a.csv = args[++i];
    } else if (a.input.empty() && IsOperand(arg)) {
      a.input = arg;
    } else {
      return "unexpected argument to backtest: " + arg;
    }
  }
  if (a.input.empty()) return "backtest needs an input file or directory";
  return {};
}

// One file's backtest, or why it was refused.
struct FileBacktest {
  std::string name;
  std::unique_ptr<BacktestResult> result;
  std::string refusal;
};

FileBacktest BacktestFile(const std::string& path, const std::string& name,
                          const BacktestOptions& options) {
  FileBacktest f;
  f.name = name;
  Series series;
  if (int code = ReadSeriesFile(path, &series); code != kInputOk) {
    auto text = InformationText(kMsgInputTestBase + code);
    f.refusal = text ? std::string(*text) : "Input File: refused ";
    return f;
  }
  auto result = std::make_unique<BacktestResult>(RunBacktest(series, options));
  if (result->code != kBacktestOk) {
    f.refusal = result->message;
    return f;
  }
  f.result = std::move(result);
  return f;
}

// Notes and settings that were not applicable, for the JSON form (they
// have no record of their own).
void WriteNotes(std::ostream& err, const BacktestResult& r, const std::string& prefix) {
  for (const std::string& note : r.notes) err << prefix << note << "\n";
  for (const std::string& line : NotApplicableLines(r)) {
    err << prefix << "not applicable: " << line << "\n";
  }
}

}  // namespace

int RunBacktestCommand(const GlobalOptions& global, const std::vector<std::string>& args,
                       CliStreams io) {
  BacktestArguments a;
  if (std::string problem = ParseArguments(args, a); !problem.empty()) {
    io.err << "foresta-cli: " << problem << "\n";
    return kExitUsage;
  }
  const bool json = global.json || a.json;
  std::error_code ec;
  const bool directory = std::filesystem::is_directory(a.input, ec);
  std::vector<std::pair<std::string, std::string>> files;  // path, name
  if (directory) {
    for (const std::string& name : ListTextFiles(a.input)) {
      files.emplace_back((std::filesystem::path(a.input) / name).string(), name);
    }
    if (files.empty()) {
      io.err << "foresta-cli: no *.txt file in " << a.input << "\n";
      return kExitFailure;
    }
  } else {
    files.emplace_back(a.input, a.input);
  }

  std::ofstream csv;
  if (!a.csv.empty()) {
    csv.open(a.csv, std::ios::binary | std::ios::trunc);
    if (!csv) {
      io.err << "foresta-cli: cannot write " << a.csv << "\n";
      return kExitFailure;
    }
    csv << kBacktestCsvHeader;
  }
  // Files run one after the other (each over every core), so only one
  // series and its results are held at a time, and records stream out in
  // file order.
  bool refused = false;
  std::vector<BacktestSummaryLine> summary;
  for (const auto& [path, name] : files) {
    FileBacktest f = BacktestFile(path, name, a.options);
    const std::string prefix = directory ? name + ": " : "";
    if (!f.result) {
      refused = true;
      io.err << prefix << f.refusal << "\n";
      BacktestSummaryLine line;
      line.file = name;
      line.refusal = f.refusal;
      summary.push_back(line);
    } else {
      if (csv.is_open()) WriteBacktestCsv(csv, *f.result, name);
      if (json) {
        WriteBacktestJson(io.out, *f.result, directory ? &name : nullptr);
        WriteNotes(io.err, *f.result, prefix);
      } else if (!directory) {
        io.out << BacktestReportText(*f.result, name);
      } else {
        for (const std::string& note : f.result->notes) io.out << prefix << note << "\n";
      }
      // Only what the summary shows is kept of each file.
      summary.push_back(SummaryOf(name, *f.result));
    }
  }
  if (directory && !json) io.out << BacktestSummaryTable(summary);
  if (csv.is_open()) {
    csv.close();
    if (!csv) {
      io.err << "foresta-cli: cannot write " << a.csv << "\n";
      return kExitFailure;
    }
  }
  return refused ? kExitFailure : kExitOk;
}

}  // namespace foresta
