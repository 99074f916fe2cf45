#include "cli/cli_commands.h"

#include <ostream>

#include "cli/arguments.h"
#include "cli/backtest_command.h"
#include "cli/batch_command.h"
#include "cli/cli_session.h"
#include "cli/commands_command.h"
#include "cli/event_printer.h"
#include "cli/import_command.h"
#include "cli/predict_command.h"
#include "cli/print_command.h"
#include "foresta/version.h"
#include "prediction/input_check.h"
#include "state/message_codes.h"
#include "state/message_texts.h"
#include "workbench/command_vocabulary.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

int RunDo(const GlobalOptions& options, const std::vector<std::string>& args,
          CliStreams io) {
  std::vector<int> ids;
  for (const std::string& arg : args) {
    int id = 0;
    if (!ParseInt(arg, id)) {
      io.err << "foresta-cli: not a command identifier: " << arg << "\n";
      return kExitUsage;
    }
    ids.push_back(id);
  }
  if (ids.empty()) {
    io.err << "foresta-cli: do needs at least one command identifier\n";
    return kExitUsage;
  }
  // Every identifier is checked before any runs: a typing error must not
  // pass as a command that did nothing.
  for (int id : ids) {
    if (FindCommand(id) == nullptr) {
      io.err << "foresta-cli: unknown command identifier: " << id
             << " (foresta-cli commands lists them)\n";
      return kExitUsage;
    }
  }
  CliSession session(options, io, EchoStyle::kRecords);
  if (!session.ApplySettings()) return kExitUsage;
  for (int id : ids) {
    session.workbench().Execute(id);
    session.shell().PrintStatus(session.state().statusCode);
  }
  return kExitOk;
}

int RunTest(const GlobalOptions& options, const std::vector<std::string>& args,
            CliStreams io) {
  CliSession session(options, io, EchoStyle::kMessages);
  if (!session.ApplySettings()) return kExitUsage;
  WorkbenchState& state = session.state();
  std::string input;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if ((arg == "--precision" || arg == "--trend") && i + 1 < args.size()) {
      int value = 0;
      if (!ParseInt(args[++i], value)) {
        io.err << "foresta-cli: " << arg << " needs an integer\n";
        return kExitUsage;
      }
      (arg == "--precision" ? state.precision : state.trend) = value;
    } else if (input.empty() && IsOperand(arg)) {
      input = arg;
    } else {
      io.err << "foresta-cli: unexpected argument to test: " << arg << "\n";
      return kExitUsage;
    }
  }
  if (input.empty()) {
    io.err << "foresta-cli: test needs an input file\n";
    return kExitUsage;
  }
  PredictionState& prediction = session.workbench().prediction();
  int rowCount = -1;
  std::string particulars;
  InputTestRequest request{input, state.precision, state.trend};
  request.particulars = &particulars;
  int code = TestInputFile(request, prediction, rowCount);
  auto text = InformationText(kMsgInputTestBase + code);
  (code == kInputOk ? io.out : io.err) << (text ? *text : "") << "\n";
  // The fixed text does not say which value, limit or file it means.
  if (!particulars.empty()) io.err << "foresta-cli: " << input << ": " << particulars << "\n";
  if (code == kInputOk) {
    io.out << "variables: " << prediction.VariableCount
           << ", rows: " << rowCount << "\n";
  }
  return code == kInputOk ? kExitOk : kExitFailure;
}

void PrintUsage(std::ostream& out) {
  out << "Usage: foresta-cli [--set FIELD=VALUE]... [--text NAME=TEXT]... "
         "[--answer yes|no] [--dialogs ok|cancel] [--json] SUBCOMMAND ...\n"
         "   or: foresta-cli --help | --version\n\n"
         "subcommands:\n";
  for (const Subcommand& s : Subcommands()) {
    out << "  " << s.usage << "\n      " << s.description << "\n";
  }
}

}  // namespace

const std::vector<Subcommand>& Subcommands() {
  static const std::vector<Subcommand> table = {
      {"do", "do ID [ID...]",
       "run command identifiers as the menus do, printing every message", RunDo},
      {"test", "test [--precision P] [--trend T] INPUT",
       "check an input data file; exit 0 when it is usable", RunTest},
      {"predict",
       "predict [--code N] [--precision P] [--trend T] [--output FILE] "
       "[--last ROWS] [--json] [--csv OUT] INPUT_OR_DIRECTORY",
       "predict the next row (code 1-27) or K rows (K x 100 + code) and "
       "print the report, or its numbers as JSON records or CSV rows; "
       "--last uses only the newest ROWS rows of each input (the file is "
       "left as it is)",
       RunPredict},
      {"import",
       "import FILE.csv [--columns NAME_OR_INDEX,...] [--date-column NAME_OR_INDEX|none] "
       "[--delimiter C|tab] [--decimal-comma] [--missing fail|skip|previous|interpolate] "
       "[--output FILE] [--force]",
       "write the numeric columns of a CSV file as an input data file", RunImport},
      {"commands", "commands [--json]",
       "list every command identifier with its menu, label and hint", RunCommands},
      {"backtest",
       "backtest INPUT_OR_DIRECTORY [--origins K] [--validation V] [--variable J] "
       "[--season S] [--grid default|wide] [--json] [--csv OUT]",
       "walk-forward backtest of the settings and baselines, with the advice and its "
       "prediction intervals",
       RunBacktestCommand},
      {"batch", "batch [FILE]",
       "test and run a batch file (default batch.txt) and print its report",
       RunBatch},
      {"print", "print FILE --pdf OUT.pdf",
       "print a text file as the editor prints it, onto the pages of a PDF "
       "file (runs foresta-print)",
       RunPrint},
  };
  return table;
}

int RunCommandLine(const std::vector<std::string>& args, CliStreams io) {
  GlobalOptions options;
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto needValue = [&](const char* what) -> const std::string* {
      if (i + 1 >= args.size()) {
        io.err << "foresta-cli: " << what << " needs a value\n";
        return nullptr;
      }
      return &args[++i];
    };
    if (arg == "--help" || arg == "-h") {
      PrintUsage(io.out);
      return kExitOk;
    } else if (arg == "--version") {
      io.out << kProductTitle << "\n";
      return kExitOk;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--set" || arg == "--text") {
      const std::string* value = needValue(arg.c_str());
      std::pair<std::string, std::string> assignment;
      if (value == nullptr || !SplitAssignment(*value, assignment)) {
        if (value != nullptr) io.err << "foresta-cli: expected NAME=VALUE after " << arg << "\n";
        return kExitUsage;
      }
      (arg == "--set" ? options.sets : options.texts).push_back(assignment);
    } else if (arg == "--answer") {
      const std::string* value = needValue("--answer");
      if (value == nullptr || (*value != "yes" && *value != "no")) {
        io.err << "foresta-cli: --answer takes yes or no\n";
        return kExitUsage;
      }
      options.answerYes = *value == "yes";
    } else if (arg == "--dialogs") {
      const std::string* value = needValue("--dialogs");
      if (value == nullptr || (*value != "ok" && *value != "cancel")) {
        io.err << "foresta-cli: --dialogs takes ok or cancel\n";
        return kExitUsage;
      }
      options.confirmDialogs = *value == "ok";
    } else {
      break;
    }
  }
  if (i == args.size()) {
    PrintUsage(io.err);
    return kExitUsage;
  }
  for (const Subcommand& s : Subcommands()) {
    if (args[i] == s.name) {
      std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1,
                                    args.end());
      return s.run(options, rest, io);
    }
  }
  io.err << "foresta-cli: unknown subcommand: " << args[i] << "\n";
  PrintUsage(io.err);
  return kExitUsage;
}

}  // namespace foresta
