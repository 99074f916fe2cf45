#ifndef FORESTA_INTERCHANGE_CSV_PREVIEW_H_
#define FORESTA_INTERCHANGE_CSV_PREVIEW_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interchange/import_codes.h"

namespace foresta {

// What the user may fix instead of letting the first rows decide.
struct CsvChoices {
  std::optional<char> delimiter;     // ',', ';' or '\t'
  std::optional<bool> decimalComma;  // "1,5" is one and a half
  // A column name (matched exactly), a 1-based index, or "none".
  std::optional<std::string> dateColumn;
};

// What the first rows of a CSV file show about it.
struct CsvColumnGuess {
  std::string name;          // header field, or "column N" without a header
  // Holds a number: taken without a choice of columns, and refused at its
  // first text (firstText) when that is not a slip of the sample.
  bool numeric = false;
  std::int64_t numbers = 0;  // cells of the sample that are numbers
  std::int64_t missing = 0;  // empty or marked missing
  std::string firstText;     // first cell that is neither, and its row
  std::int64_t firstTextRow = 0;
};

struct CsvPreview {
  ImportProblem problem;  // the sample could not be read (code != 0)
  char delimiter = ',';
  bool decimalComma = false;
  bool header = false;
  std::int64_t firstRow = 0;    // row (line) of the first record
  std::int64_t fieldCount = 0;  // fields of the first record
  std::vector<CsvColumnGuess> columns;
  int dateColumn = -1;  // 0-based, -1 for none
  // The data rows of the sample (after the header), as read, with the row
  // (line of the file) of each.
  std::vector<std::vector<std::string>> rows;
  std::vector<std::int64_t> rowNumbers;
};

// Rows of data that decide the guesses.
inline constexpr std::size_t kPreviewSampleRows = 200;

// Reads the first rows of `path` and guesses the delimiter (comma,
// semicolon or tab, from the first lines), the decimal comma, the header
// (the first row is one when any field is neither a number, a date nor
// missing), the date column (the first column of dates, or a first column
// of strictly increasing whole years 1000-2999 beside another numeric
// column) and which columns are numeric. `choices` override the guesses.
CsvPreview PreviewCsv(const std::string& path, const CsvChoices& choices,
                      std::size_t sampleRows = kPreviewSampleRows);

// The delimiter of `head` (the first bytes of a file): the candidate that
// splits every sampled line into the same number of fields, tab before
// semicolon before comma; a comma when none does.
char GuessDelimiter(std::string_view head);

// Finds a column by name (exact match) or 1-based index. Returns the
// 0-based index, or -1.
int FindColumn(const CsvPreview& preview, const std::string& nameOrIndex);

// "tab" for a tab, else the character itself.
std::string DelimiterName(char delimiter);

}  // namespace foresta

#endif  // FORESTA_INTERCHANGE_CSV_PREVIEW_H_
