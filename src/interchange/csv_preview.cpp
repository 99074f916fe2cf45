#include "interchange/csv_preview.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "interchange/csv_reader.h"
#include "interchange/date_text.h"
#include "interchange/number_text.h"

namespace foresta {
namespace {

constexpr std::size_t kHeadBytes = 1 << 16;
constexpr std::size_t kHeadLines = 50;
constexpr std::array<char, 3> kCandidates = {'\t', ';', ','};

// Splits `head` into lines, keeping quoted line ends inside their line; a
// last line cut off by the end of the head is dropped unless it is the only
// one.
std::vector<std::string_view> HeadLines(std::string_view head) {
  std::vector<std::string_view> lines;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < head.size() && lines.size() < kHeadLines; ++i) {
    const char c = head[i];
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == '\n' || c == '\r')) {
      if (i > start) lines.push_back(head.substr(start, i - start));
      start = i + 1;
    }
  }
  if (lines.empty() && start < head.size()) lines.push_back(head.substr(start));
  return lines;
}

std::size_t CountOutsideQuotes(std::string_view line, char delimiter) {
  std::size_t count = 0;
  bool quoted = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    if (!quoted && c == delimiter) ++count;
  }
  return count;
}

bool IsBlankLine(std::string_view line) { return TrimBlanks(line).empty(); }

bool IsNumberEitherWay(std::string_view cell) {
  return ReadCell(cell, false).kind != CellKind::kText ||
         ReadCell(cell, true).kind != CellKind::kText;
}

// A header names its columns: some field is neither a number, a date, nor
// a missing value.
bool LooksLikeHeader(const std::vector<std::string>& fields) {
  for (const std::string& f : fields) {
    if (!IsNumberEitherWay(f) && !IsDateText(f)) return true;
  }
  return false;
}

// Decimal commas show as numbers that only read with a comma, and no number
// written with a point.
bool GuessDecimalComma(const CsvPreview& p) {
  if (p.delimiter == ',') return false;
  bool comma = false;
  for (const auto& row : p.rows) {
    for (const std::string& cell : row) {
      const bool withPoint = ReadCell(cell, false).kind == CellKind::kNumber;
      const bool withComma = ReadCell(cell, true).kind == CellKind::kNumber;
      if (withPoint && cell.find('.') != std::string::npos) return false;
      if (withComma && cell.find(',') != std::string::npos) comma = true;
    }
  }
  return comma;
}

void ClassifyColumns(CsvPreview& p) {
  for (std::size_t r = 0; r < p.rows.size(); ++r) {
    const auto& row = p.rows[r];
    for (std::size_t j = 0; j < row.size() && j < p.columns.size(); ++j) {
      CsvColumnGuess& c = p.columns[j];
      switch (ReadCell(row[j], p.decimalComma).kind) {
        case CellKind::kNumber:
        case CellKind::kOutOfRange: ++c.numbers; break;
        case CellKind::kMissing: ++c.missing; break;
        case CellKind::kText:
          if (c.firstTextRow == 0) {
            c.firstText = row[j];
            c.firstTextRow = p.rowNumbers[r];
          }
          break;
      }
    }
  }
  for (CsvColumnGuess& c : p.columns) c.numeric = c.numbers > 0;
}

bool IsDateColumn(const CsvPreview& p, std::size_t j) {
  std::size_t dates = 0;
  for (const auto& row : p.rows) {
    if (j >= row.size() || IsMissingMarker(row[j])) continue;
    if (!IsDateText(row[j])) return false;
    ++dates;
  }
  return dates > 0;
}

// A first column of strictly increasing whole years, beside some other
// numeric column (alone, it is more likely the series itself).
bool IsYearColumn(const CsvPreview& p) {
  if (p.rows.size() < 2 || p.columns.empty()) return false;
  int previous = 0;
  for (const auto& row : p.rows) {
    const int year = row.empty() ? 0 : WholeYear(row[0]);
    if (year == 0 || year <= previous) return false;
    previous = year;
  }
  for (std::size_t j = 1; j < p.columns.size(); ++j) {
    if (p.columns[j].numeric) return true;
  }
  return false;
}

int GuessDateColumn(const CsvPreview& p) {
  for (std::size_t j = 0; j < p.columns.size(); ++j) {
    if (IsDateColumn(p, j)) return static_cast<int>(j);
  }
  return IsYearColumn(p) ? 0 : -1;
}

}  // namespace

char GuessDelimiter(std::string_view head) {
  std::vector<std::string_view> lines;
  for (std::string_view line : HeadLines(head)) {
    if (!IsBlankLine(line)) lines.push_back(line);
  }
  for (char candidate : kCandidates) {
    if (lines.empty()) break;
    const std::size_t first = CountOutsideQuotes(lines[0], candidate);
    bool consistent = first > 0;
    for (std::size_t i = 1; consistent && i < lines.size(); ++i) {
      consistent = CountOutsideQuotes(lines[i], candidate) == first;
    }
    if (consistent) return candidate;
  }
  // No candidate is consistent (ragged rows): take the one the first line
  // uses most, so the refusal names the row that breaks the pattern.
  char best = ',';
  std::size_t most = 0;
  for (char candidate : kCandidates) {
    const std::size_t n = lines.empty() ? 0 : CountOutsideQuotes(lines[0], candidate);
    if (n > most) {
      most = n;
      best = candidate;
    }
  }
  return best;
}

std::string DelimiterName(char delimiter) {
  return delimiter == '\t' ? "tab" : std::string(1, delimiter);
}

int FindColumn(const CsvPreview& preview, const std::string& nameOrIndex) {
  if (preview.header) {
    for (std::size_t j = 0; j < preview.columns.size(); ++j) {
      if (preview.columns[j].name == nameOrIndex) return static_cast<int>(j);
    }
  }
  int index = 0;
  const char* first = nameOrIndex.data();
  const char* last = first + nameOrIndex.size();
  auto [ptr, ec] = std::from_chars(first, last, index);
  if (ec != std::errc() || ptr != last || first == last || index < 1 ||
      index > static_cast<int>(preview.columns.size())) {
    return -1;
  }
  return index - 1;
}

CsvPreview PreviewCsv(const std::string& path, const CsvChoices& choices,
                      std::size_t sampleRows) {
  CsvPreview p;
  std::string head;
  if (!CsvReader::ReadHead(path, kHeadBytes, head)) {
    p.problem.code = kMsgImportCannotOpen;
    p.problem.message = "cannot open " + path;
    return p;
  }
  p.delimiter = choices.delimiter.value_or(GuessDelimiter(head));

  std::vector<std::string> first;
  std::int64_t firstRow = 0;
  CsvReader reader(p.delimiter);
  p.problem = reader.Read(path, [&](const CsvRecord& record) {
    std::vector<std::string> fields(record.fields.begin(), record.fields.end());
    // A line of blanks only is a blank line, not a row.
    if (fields.size() == 1 && TrimBlanks(fields[0]).empty()) return true;
    if (firstRow == 0) {
      firstRow = record.row;
      first = std::move(fields);
      return true;
    }
    p.rows.push_back(std::move(fields));
    p.rowNumbers.push_back(record.row);
    return p.rows.size() <= sampleRows;
  });
  if (firstRow == 0) {
    if (p.problem.ok()) p.problem = ProblemAt(kMsgImportEmpty, 1, 1, "the file holds no rows");
    return p;
  }
  if (p.rows.size() > sampleRows) {
    p.rows.pop_back();
    p.rowNumbers.pop_back();
  }
  p.firstRow = firstRow;
  p.fieldCount = static_cast<std::int64_t>(first.size());
  p.header = LooksLikeHeader(first);
  if (!p.header) {
    p.rows.insert(p.rows.begin(), first);
    p.rowNumbers.insert(p.rowNumbers.begin(), firstRow);
  }
  for (std::size_t j = 0; j < first.size(); ++j) {
    CsvColumnGuess c;
    c.name = p.header ? std::string(TrimBlanks(first[j]))
                      : "column " + std::to_string(j + 1);
    p.columns.push_back(std::move(c));
  }
  p.decimalComma = choices.decimalComma.value_or(GuessDecimalComma(p));
  ClassifyColumns(p);
  if (!choices.dateColumn) {
    p.dateColumn = GuessDateColumn(p);
  } else if (*choices.dateColumn != "none") {
    p.dateColumn = FindColumn(p, *choices.dateColumn);
    if (p.dateColumn < 0 && p.problem.ok()) {
      p.problem.code = kMsgImportUnknownColumn;
      p.problem.message = "no column \"" + *choices.dateColumn + "\" for the dates";
    }
  }
  if (p.dateColumn >= 0) p.columns[static_cast<std::size_t>(p.dateColumn)].numeric = false;
  return p;
}

}  // namespace foresta
