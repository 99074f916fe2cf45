#include "interchange/csv_import.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <new>

#include "interchange/atomic_file.h"
#include "interchange/csv_reader.h"
#include "interchange/number_text.h"

namespace foresta {
namespace {

constexpr std::size_t kDateTextLimit = 40;
constexpr const char* kPreamble = "Foresta input imported from CSV *\n";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// At most kDateTextLimit bytes, not cutting a UTF-8 character.
std::string ShortDate(const std::string& date) {
  std::string text = CommentSafe(date);
  if (text.size() <= kDateTextLimit) return text;
  std::size_t end = kDateTextLimit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

std::string Join(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += ", ";
    text += names[i];
  }
  return text;
}

class CsvImport {
 public:
  explicit CsvImport(const ImportRequest& request) : request_(request) {}

  ImportSummary Run();

 private:
  bool ResolveColumns();
  bool RefuseText();
  bool ReadRows();
  bool TakeRecord(const CsvRecord& record);
  void WriteRow(std::string_view date, const float* values);
  std::string HeadText() const;
  void Fail(ImportProblem problem) {
    if (summary_.problem.ok()) summary_.problem = std::move(problem);
  }
  const std::string& NameOf(std::size_t column) const {
    return preview_.columns[column].name;
  }

  const ImportRequest& request_;
  ImportSummary summary_;
  CsvPreview preview_;
  std::vector<std::size_t> selected_;  // 0-based CSV columns, in output order
  AtomicFile out_;
  bool headerPending_ = false;
  std::unique_ptr<MissingValueFiller> filler_;
  std::vector<float> values_;
  std::unique_ptr<bool[]> missing_;
  std::string line_;
  std::string lastDate_;
};

bool CsvImport::ResolveColumns() {
  const std::size_t count = preview_.columns.size();
  if (request_.columns.empty()) {
    for (std::size_t j = 0; j < count; ++j) {
      if (preview_.columns[j].numeric) selected_.push_back(j);
    }
    if (selected_.empty()) {
      Fail({kMsgImportNoColumns, 0, 0, "no column to import: no column holds a number"});
      return false;
    }
    return RefuseText();
  }
  std::vector<std::string> names;
  for (const CsvColumnGuess& c : preview_.columns) names.push_back(c.name);
  for (const std::string& wanted : request_.columns) {
    const int j = FindColumn(preview_, wanted);
    if (j < 0) {
      Fail({kMsgImportUnknownColumn, 0, 0,
            "no column " + Quoted(wanted) + "; the columns are " + Join(names)});
      return false;
    }
    const std::size_t column = static_cast<std::size_t>(j);
    for (std::size_t taken : selected_) {
      if (taken == column) {
        Fail({kMsgImportUnknownColumn, 0, 0, "column " + Quoted(NameOf(column)) + " is named twice"});
        return false;
      }
    }
    selected_.push_back(column);
  }
  return RefuseText();
}

// A column taken must hold numbers only: the first text in the sample
// refuses it.
bool CsvImport::RefuseText() {
  for (std::size_t j : selected_) {
    const CsvColumnGuess& c = preview_.columns[j];
    if (c.firstTextRow == 0) continue;
    Fail(ProblemAt(kMsgImportNotNumeric, c.firstTextRow, static_cast<std::int64_t>(j) + 1,
                   "column " + Quoted(c.name) + " is not numeric, first bad value " +
                       Quoted(c.firstText)));
    return false;
  }
  return true;
}

// The preamble and the comment, which may hold no '*' of its own, then
// the number of columns.
std::string CsvImport::HeadText() const {
  std::vector<std::string> names;
  for (const std::string& name : summary_.columns) names.push_back(CommentSafe(name));
  std::string text = std::string(kPreamble) + " source: " + CommentSafe(request_.csvFile) +
                     "\n columns: " + Join(names) + "\n";
  if (preview_.dateColumn >= 0) {
    text += " date column: " +
            CommentSafe(NameOf(static_cast<std::size_t>(preview_.dateColumn))) + "\n" +
            " dates: " + summary_.firstDate + " to " + summary_.lastDate + "\n";
  }
  text += " rows: " + std::to_string(summary_.rowsWritten) + " written, " +
          std::to_string(summary_.rowsSkipped) + " skipped, " +
          std::to_string(summary_.rowsFilled) + " filled\n";
  return text + "*\n" + std::to_string(selected_.size()) + "\n";
}

bool CsvImport::TakeRecord(const CsvRecord& record) {
  const auto& fields = record.fields;
  if (fields.size() == 1 && TrimBlanks(fields[0]).empty()) return true;  // blank line
  if (headerPending_) {
    headerPending_ = false;
    return true;
  }
  const std::size_t expected = static_cast<std::size_t>(preview_.fieldCount);
  if (fields.size() != expected) {
    bool extraEmpty = fields.size() > expected;
    for (std::size_t j = expected; extraEmpty && j < fields.size(); ++j) {
      extraEmpty = TrimBlanks(fields[j]).empty();
    }
    if (!extraEmpty) {
      const std::size_t column = std::min(fields.size(), expected) + 1;
      Fail(ProblemAt(kMsgImportRagged, record.row, static_cast<std::int64_t>(column),
                     "the row has " + std::to_string(fields.size()) +
                         " fields where the first row has " + std::to_string(expected)));
      return false;
    }
  }
  for (std::size_t i = 0; i < selected_.size(); ++i) {
    const std::size_t j = selected_[i];
    const CellValue cell = ReadCell(fields[j], preview_.decimalComma);
    const std::int64_t column = static_cast<std::int64_t>(j) + 1;
    switch (cell.kind) {
      case CellKind::kNumber:
        values_[i] = cell.value;
        missing_[i] = false;
        break;
      case CellKind::kMissing:
        if (request_.missing == MissingPolicy::kFail) {
          std::string marker(TrimBlanks(fields[j]));
          Fail(ProblemAt(kMsgImportMissingValue, record.row, column,
                         "missing value" + (marker.empty() ? "" : " " + Quoted(marker)) +
                             " in column " + Quoted(NameOf(j))));
          return false;
        }
        values_[i] = 0.0f;
        missing_[i] = true;
        break;
      case CellKind::kText:
        Fail(ProblemAt(kMsgImportNotNumeric, record.row, column,
                       "column " + Quoted(NameOf(j)) + " is not numeric: " +
                           Quoted(std::string(TrimBlanks(fields[j]))) + " is not a number"));
        return false;
      case CellKind::kOutOfRange:
        Fail(ProblemAt(kMsgImportOutOfRange, record.row, column,
                       Quoted(std::string(TrimBlanks(fields[j]))) +
                           " is beyond single precision"));
        return false;
    }
  }
  std::string_view date;
  if (preview_.dateColumn >= 0) date = fields[static_cast<std::size_t>(preview_.dateColumn)];
  filler_->Add({date, values_.data(), missing_.get()});
  return true;
}

void CsvImport::WriteRow(std::string_view date, const float* values) {
  if (preview_.dateColumn >= 0) {
    if (summary_.rowsWritten == 0) summary_.firstDate = ShortDate(std::string(TrimBlanks(date)));
    lastDate_ = date;
  }
  line_.clear();
  for (std::size_t i = 0; i < selected_.size(); ++i) {
    if (i > 0) line_.push_back(' ');
    AppendPlainDecimal(values[i], line_);
  }
  line_.push_back('\n');
  out_.Write(line_);
  ++summary_.rowsWritten;
}

bool CsvImport::ReadRows() {
  const std::size_t n = selected_.size();
  values_.assign(n, 0.0f);
  missing_ = std::make_unique<bool[]>(n);
  filler_ = std::make_unique<MissingValueFiller>(
      request_.missing, n,
      [this](std::string_view date, const float* values) { WriteRow(date, values); });
  headerPending_ = preview_.header;
  CsvReader reader(preview_.delimiter, request_.progress);
  ImportProblem read = reader.Read(request_.csvFile, [this](const CsvRecord& record) {
    return TakeRecord(record);
  });
  if (!read.ok()) Fail(std::move(read));
  if (!summary_.problem.ok()) return false;
  filler_->Finish();
  summary_.rowsSkipped = filler_->skipped();
  summary_.rowsFilled = filler_->filled();
  if (preview_.dateColumn >= 0) summary_.lastDate = ShortDate(std::string(TrimBlanks(lastDate_)));
  if (summary_.rowsWritten == 0) {
    Fail({kMsgImportNoRows, 0, 0,
          "no row to write: every row has a missing value before the first value "
          "of its column"});
    return false;
  }
  return true;
}

ImportSummary CsvImport::Run() {
  summary_.outputFile = request_.outputFile.empty() ? DefaultImportOutput(request_.csvFile)
                                                   : request_.outputFile;
  std::error_code ec;
  if (std::filesystem::equivalent(request_.csvFile, summary_.outputFile, ec)) {
    Fail({kMsgImportSameFile, 0, 0, summary_.outputFile + " is the CSV file itself"});
    return summary_;
  }
  preview_ = PreviewCsv(request_.csvFile, request_.choices);
  if (!preview_.problem.ok()) {
    Fail(preview_.problem);
    return summary_;
  }
  if (preview_.rows.empty()) {
    Fail(ProblemAt(kMsgImportEmpty, preview_.firstRow + 1, 1, "no data rows after the header"));
    return summary_;
  }
  if (!ResolveColumns()) return summary_;
  for (std::size_t j : selected_) summary_.columns.push_back(NameOf(j));
  summary_.hasDates = preview_.dateColumn >= 0;

  if (std::string error = out_.Open(summary_.outputFile, request_.force); !error.empty()) {
    Fail({out_.refusedExisting() ? kMsgImportOutputExists : kMsgImportCannotWrite, 0, 0, error});
    return summary_;
  }
  if (!ReadRows()) return summary_;
  if (std::string error = out_.Commit(HeadText()); !error.empty()) {
    Fail({out_.refusedExisting() ? kMsgImportOutputExists : kMsgImportCannotWrite, 0, 0, error});
    return summary_;
  }
  if (summary_.rowsWritten > kImportRowWarning) {
    summary_.warnings.push_back(
        std::to_string(summary_.rowsWritten) +
        " rows written; a prediction uses at most 100,000 rows");
  }
  return summary_;
}

}  // namespace

std::string DefaultImportOutput(const std::string& csvFile) {
  return std::filesystem::path(csvFile).replace_extension(".txt").string();
}

std::string CommentSafe(const std::string& text) {
  std::string safe = text;
  for (char& c : safe) {
    if (c == '*') {
      c = '_';
    } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      c = ' ';
    }
  }
  return safe;
}

ImportSummary ImportCsv(const ImportRequest& request) {
  try {
    return CsvImport(request).Run();
  } catch (const std::bad_alloc&) {
    ImportSummary summary;
    summary.problem = {kMsgImportNoMemory, 0, 0,
                       "not enough memory to hold the rows awaiting interpolation"};
    return summary;
  }
}

}  // namespace foresta
