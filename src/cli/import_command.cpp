#include "cli/import_command.h"

#include <ostream>

#include "cli/arguments.h"
#include "cli/cli_session.h"
#include "interchange/csv_import.h"
#include "interchange/report_records.h"

namespace foresta {
namespace {

// Splits "a,b,c" into its items; false when one is empty.
bool SplitColumns(const std::string& text, std::vector<std::string>& items) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    items.push_back(text.substr(start, comma - start));
    if (items.back().empty()) return false;
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

bool ParseDelimiter(const std::string& text, char& delimiter) {
  if (text == "tab" || text == "\t") {
    delimiter = '\t';
    return true;
  }
  if (text.size() != 1 || text[0] == '"' || text[0] == '\n' || text[0] == '\r') return false;
  delimiter = text[0];
  return true;
}

std::string JsonList(const std::vector<std::string>& items) {
  std::string text = "[";
  for (std::size_t i = 0; i < items.size(); ++i) {
    text += (i > 0 ? "," : "") + JsonString(items[i]);
  }
  return text + "]";
}

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) text += (i > 0 ? ", " : "") + items[i];
  return text;
}

void PrintResult(const ImportRequest& request, const ImportSummary& s, bool json,
                 CliStreams io) {
  for (const std::string& warning : s.warnings) {
    if (json) {
      io.out << "{\"kind\":\"warning\",\"message\":" << JsonString(warning) << "}\n";
    } else {
      io.err << "foresta-cli: warning: " << warning << "\n";
    }
  }
  if (json) {
    io.out << "{\"kind\":\"imported\",\"file\":" << JsonString(s.outputFile)
           << ",\"source\":" << JsonString(request.csvFile)
           << ",\"columns\":" << JsonList(s.columns) << ",\"rows\":" << s.rowsWritten
           << ",\"skipped\":" << s.rowsSkipped << ",\"filled\":" << s.rowsFilled;
    if (s.hasDates) {
      io.out << ",\"firstDate\":" << JsonString(s.firstDate)
             << ",\"lastDate\":" << JsonString(s.lastDate);
    }
    io.out << "}\n";
    return;
  }
  io.out << "Imported " << s.rowsWritten << (s.rowsWritten == 1 ? " row" : " rows") << " of "
         << s.columns.size() << (s.columns.size() == 1 ? " column" : " columns") << " ("
         << Joined(s.columns) << ") from " << request.csvFile << " into " << s.outputFile;
  if (s.hasDates) io.out << ", dates " << s.firstDate << " to " << s.lastDate;
  io.out << "; " << s.rowsSkipped << " skipped, " << s.rowsFilled << " filled.\n";
}

}  // namespace

int RunImport(const GlobalOptions& options, const std::vector<std::string>& args,
              CliStreams io) {
  CliSession session(options, io, EchoStyle::kMessages);
  if (!session.ApplySettings()) return kExitUsage;
  bool json = options.json;
  ImportRequest request;
  auto usage = [&](const std::string& what) {
    io.err << "foresta-cli: " << what << "\n";
    return kExitUsage;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue = arg == "--columns" || arg == "--date-column" ||
                            arg == "--delimiter" || arg == "--missing" || arg == "--output";
    if (takesValue && i + 1 >= args.size()) return usage(arg + " needs a value");
    if (arg == "--columns") {
      if (!SplitColumns(args[++i], request.columns)) {
        return usage("--columns takes names or 1-based indexes separated by commas");
      }
    } else if (arg == "--date-column") {
      request.choices.dateColumn = args[++i];
    } else if (arg == "--delimiter") {
      char delimiter = ',';
      if (!ParseDelimiter(args[++i], delimiter)) {
        return usage("--delimiter takes one character or tab");
      }
      request.choices.delimiter = delimiter;
    } else if (arg == "--decimal-comma") {
      request.choices.decimalComma = true;
    } else if (arg == "--missing") {
      auto policy = ParseMissingPolicy(args[++i]);
      if (!policy) return usage("--missing takes fail, skip, previous or interpolate");
      request.missing = *policy;
    } else if (arg == "--output") {
      request.outputFile = args[++i];
    } else if (arg == "--force") {
      request.force = true;
    } else if (arg == "--json") {
      json = true;
    } else if (request.csvFile.empty() && IsOperand(arg)) {
      request.csvFile = arg;
    } else {
      return usage("unexpected argument to import: " + arg);
    }
  }
  if (request.csvFile.empty()) return usage("import needs a CSV file");

  const ImportSummary summary = ImportCsv(request);
  if (!summary.problem.ok()) {
    std::string message = request.csvFile + ": " + summary.problem.message;
    if (summary.problem.code == kMsgImportOutputExists) message += "; --force replaces it";
    if (summary.problem.code == kMsgImportMissingValue) {
      message += "; --missing skip, previous or interpolate accepts it";
    }
    if (json) {
      io.out << ErrorJson(message);
    } else {
      io.err << "foresta-cli: import: " << message << "\n";
    }
    return kExitFailure;
  }
  PrintResult(request, summary, json, io);
  return kExitOk;
}

}  // namespace foresta
