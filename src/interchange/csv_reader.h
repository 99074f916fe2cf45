#ifndef FORESTA_INTERCHANGE_CSV_READER_H_
#define FORESTA_INTERCHANGE_CSV_READER_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "interchange/import_codes.h"

namespace foresta {

// One record of a CSV file. The views stay valid only during the handler
// call that receives the record.
struct CsvRecord {
  std::int64_t row = 0;  // line of the file where the record starts (1-based)
  std::vector<std::string_view> fields;
};

// Returns false to stop reading.
using CsvRecordHandler = std::function<bool(const CsvRecord&)>;
// Told now and then the share of the file read so far (0 to 1); returns
// false to cancel.
using CsvProgress = std::function<bool(double done)>;

// Streams a CSV file through libcsv, record by record, in memory that does
// not grow with the file: a fixed read buffer, the current field and the
// current record. Quoted fields (with delimiters, quotes and line ends
// inside), a UTF-8 byte-order mark and any mix of CR and LF line ends are
// handled; blank lines are skipped; blanks around unquoted fields are
// dropped.
class CsvReader {
 public:
  // Longest field and longest record accepted; beyond them the file is
  // refused as not CSV text (a binary file without line ends, say).
  static constexpr std::size_t kMaxFieldBytes = 1 << 20;
  static constexpr std::size_t kMaxRecordBytes = 8 << 20;

  explicit CsvReader(char delimiter, CsvProgress progress = {})
      : delimiter_(delimiter), progress_(std::move(progress)) {}

  // Reads `path` and hands every record to `handler` until the handler
  // returns false or the file ends. Refuses a file that cannot be opened,
  // UTF-16 text, NUL bytes, a quote out of place and overlong fields, naming
  // the row and column; a cancel from the progress callback stops it with
  // kMsgImportCancelled. Returns a problem with kImportOk otherwise.
  ImportProblem Read(const std::string& path, const CsvRecordHandler& handler);

  // The first `maxBytes` bytes of `path` after any UTF-8 byte-order mark,
  // for guessing the delimiter. False when the file cannot be read.
  static bool ReadHead(const std::string& path, std::size_t maxBytes,
                       std::string& head);

 private:
  char delimiter_;
  CsvProgress progress_;
};

}  // namespace foresta

#endif  // FORESTA_INTERCHANGE_CSV_READER_H_
