#ifndef FORESTA_INTERCHANGE_CSV_IMPORT_H_
#define FORESTA_INTERCHANGE_CSV_IMPORT_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "interchange/csv_preview.h"
#include "interchange/import_codes.h"
#include "interchange/missing_fill.h"

namespace foresta {

struct ImportRequest {
  std::string csvFile;
  // Column names (matched exactly) or 1-based indexes; empty takes every
  // numeric column except the date column.
  std::vector<std::string> columns;
  CsvChoices choices;
  MissingPolicy missing = MissingPolicy::kFail;
  std::string outputFile;  // empty: the CSV's name with ".txt"
  bool force = false;      // replace an existing output file
  // Told now and then the share of the file read; returning false cancels
  // the import, which then writes nothing (kMsgImportCancelled).
  std::function<bool(double done)> progress;
};

struct ImportSummary {
  ImportProblem problem;
  std::string outputFile;
  std::vector<std::string> columns;  // names of the columns written
  std::string firstDate, lastDate;   // of the rows written, with a date column
  bool hasDates = false;
  std::int64_t rowsWritten = 0;
  std::int64_t rowsSkipped = 0;
  std::int64_t rowsFilled = 0;
  std::vector<std::string> warnings;
};

// More rows than this get a warning.
inline constexpr std::int64_t kImportRowWarning = 100000;

// Converts a CSV file into a prediction input file: a comment naming the
// source, the columns, the first and last date and the rows skipped and
// filled, then the number of columns and one row of plain decimals per CSV
// row. The CSV is read as a stream (its first rows once more beforehand, for
// the guesses of PreviewCsv), in memory that does not grow with the file;
// the output appears only when the whole file was converted (never partly
// written), and an existing output is kept unless `force`. A refusal names
// the row and column.
ImportSummary ImportCsv(const ImportRequest& request);

// The CSV's name with its extension replaced by ".txt".
std::string DefaultImportOutput(const std::string& csvFile);

// `text` fit for the comment of an input file, which ends at the first '*':
// '*' becomes '_', control characters become blanks.
std::string CommentSafe(const std::string& text);

}  // namespace foresta

#endif  // FORESTA_INTERCHANGE_CSV_IMPORT_H_
