#include "interchange/csv_reader.h"

#include <csv.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace foresta {
namespace {

constexpr std::size_t kChunkBytes = 1 << 16;
constexpr std::size_t kFieldGrowth = 1 << 12;
// Progress is told every megabyte.
constexpr std::size_t kChunksPerProgress = 16;
constexpr unsigned char kBom[] = {0xEF, 0xBB, 0xBF};

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using InputFile = std::unique_ptr<std::FILE, FileCloser>;

// The state the libcsv callbacks share: the record being assembled, the
// line count and the first problem met.
class RecordAssembler {
 public:
  explicit RecordAssembler(const CsvRecordHandler& handler) : handler_(handler) {
    storage_.reserve(1 << 12);
  }

  static void OnField(void* data, std::size_t size, void* self) {
    static_cast<RecordAssembler*>(self)->Field(static_cast<const char*>(data), size);
  }
  static void OnRecordEnd(int terminator, void* self) {
    static_cast<RecordAssembler*>(self)->RecordEnd(terminator);
  }

  bool done() const { return stopped_ || !problem_.ok(); }
  const ImportProblem& problem() const { return problem_; }
  // Where the parser is: the current record's row and next column.
  std::int64_t row() const { return bounds_.empty() ? line_ : recordRow_; }
  std::int64_t column() const {
    return static_cast<std::int64_t>(bounds_.size()) + 1;
  }
  void Fail(int code, const std::string& what) {
    if (problem_.ok()) problem_ = ProblemAt(code, row(), column(), what);
  }

 private:
  void Field(const char* data, std::size_t size) {
    if (done()) return;
    lastWasCr_ = false;
    if (bounds_.empty()) recordRow_ = line_;
    if (data != nullptr && std::memchr(data, '\0', size) != nullptr) {
      Fail(kMsgImportBinary, "a NUL byte: this is not a text file");
      return;
    }
    if (storage_.size() + size > CsvReader::kMaxRecordBytes) {
      Fail(kMsgImportMalformed, "a row longer than 8 MB: this is not CSV text");
      return;
    }
    const std::size_t start = storage_.size();
    if (data != nullptr) storage_.append(data, size);
    bounds_.push_back({start, size});
    // Line ends inside a quoted field move the line count on.
    for (std::size_t i = 0; data != nullptr && i < size; ++i) {
      if (data[i] == '\n' || (data[i] == '\r' && (i + 1 == size || data[i + 1] != '\n'))) {
        ++line_;
      }
    }
  }

  void RecordEnd(int terminator) {
    if (done()) return;
    if (!bounds_.empty()) {
      record_.row = recordRow_;
      record_.fields.clear();
      for (const auto& [start, size] : bounds_) {
        record_.fields.emplace_back(storage_.data() + start, size);
      }
      if (!handler_(record_)) stopped_ = true;
      bounds_.clear();
      storage_.clear();
    }
    if (terminator == '\r') {
      ++line_;
      lastWasCr_ = true;
    } else if (terminator == '\n') {
      if (!lastWasCr_) ++line_;
      lastWasCr_ = false;
    }
  }

  const CsvRecordHandler& handler_;
  CsvRecord record_;
  std::string storage_;
  std::vector<std::pair<std::size_t, std::size_t>> bounds_;
  std::int64_t line_ = 1;
  std::int64_t recordRow_ = 1;
  bool lastWasCr_ = false;
  bool stopped_ = false;
  ImportProblem problem_;
};

class Parser {
 public:
  explicit Parser(char delimiter) {
    ok_ = csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL |
                                 CSV_EMPTY_IS_NULL) == 0;
    if (ok_) {
      csv_set_delim(&parser_, static_cast<unsigned char>(delimiter));
      // The field buffer grows by this much at a time; libcsv's default of
      // 128 bytes makes a long field cost a reallocation every 128 bytes.
      csv_set_blk_size(&parser_, kFieldGrowth);
    }
  }
  ~Parser() {
    if (ok_) csv_free(&parser_);
  }
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;

  bool ok() const { return ok_; }
  csv_parser* get() { return &parser_; }

 private:
  csv_parser parser_{};
  bool ok_ = false;
};

void FailForParser(csv_parser* parser, RecordAssembler& records) {
  if (csv_error(parser) == CSV_EPARSE) {
    records.Fail(kMsgImportMalformed, "a quote out of place");
  } else {
    records.Fail(kMsgImportMalformed, "a field too large to read");
  }
}

}  // namespace

ImportProblem ProblemAt(int code, std::int64_t row, std::int64_t column,
                        const std::string& what) {
  ImportProblem p;
  p.code = code;
  p.row = row;
  p.column = column;
  p.message = "row " + std::to_string(row) + ", column " + std::to_string(column) +
              ": " + what;
  return p;
}

bool CsvReader::ReadHead(const std::string& path, std::size_t maxBytes,
                         std::string& head) {
  InputFile in(std::fopen(path.c_str(), "rb"));
  if (!in) return false;
  head.resize(maxBytes + sizeof kBom);
  head.resize(std::fread(head.data(), 1, head.size(), in.get()));
  if (std::ferror(in.get())) return false;
  if (head.size() >= sizeof kBom && std::memcmp(head.data(), kBom, sizeof kBom) == 0) {
    head.erase(0, sizeof kBom);
  }
  if (head.size() > maxBytes) head.resize(maxBytes);
  return true;
}

ImportProblem CsvReader::Read(const std::string& path,
                              const CsvRecordHandler& handler) {
  InputFile in(std::fopen(path.c_str(), "rb"));
  if (!in) {
    ImportProblem p;
    p.code = kMsgImportCannotOpen;
    p.message = "cannot open " + path + ": " + std::strerror(errno);
    return p;
  }
  Parser parser(delimiter_);
  if (!parser.ok()) {
    ImportProblem p;
    p.code = kMsgImportMalformed;
    p.message = "cannot start the CSV reader";
    return p;
  }
  RecordAssembler records(handler);
  std::vector<char> chunk(kChunkBytes);
  bool first = true;
  struct stat info;
  const double fileSize =
      ::fstat(::fileno(in.get()), &info) == 0 && info.st_size > 0 ? static_cast<double>(info.st_size) : 0;
  double read = 0;
  std::size_t chunks = 0;
  while (!records.done()) {
    std::size_t size = std::fread(chunk.data(), 1, chunk.size(), in.get());
    if (size == 0) break;
    read += static_cast<double>(size);
    if (progress_ && ++chunks % kChunksPerProgress == 0 &&
        !progress_(fileSize > 0 ? read / fileSize : 0.0)) {
      ImportProblem p;
      p.code = kMsgImportCancelled;
      p.message = "the import was cancelled";
      return p;
    }
    const char* data = chunk.data();
    if (first) {
      first = false;
      const auto* bytes = reinterpret_cast<const unsigned char*>(data);
      if (size >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) ||
                        (bytes[0] == 0xFE && bytes[1] == 0xFF))) {
        records.Fail(kMsgImportBinary, "UTF-16 text; save the file as UTF-8");
        break;
      }
      if (size >= sizeof kBom && std::memcmp(data, kBom, sizeof kBom) == 0) {
        data += sizeof kBom;
        size -= sizeof kBom;
      }
    }
    if (csv_parse(parser.get(), data, size, RecordAssembler::OnField,
                  RecordAssembler::OnRecordEnd, &records) != size) {
      FailForParser(parser.get(), records);
      break;
    }
    if (csv_get_buffer_size(parser.get()) > kMaxFieldBytes) {
      records.Fail(kMsgImportMalformed, "a field longer than 1 MB: this is not CSV text");
    }
  }
  if (!records.done()) {
    if (std::ferror(in.get())) {
      records.Fail(kMsgImportCannotOpen, "the file could not be read to its end");
    } else if (csv_fini(parser.get(), RecordAssembler::OnField,
                        RecordAssembler::OnRecordEnd, &records) != 0 ||
               csv_error(parser.get()) == CSV_EPARSE) {
      FailForParser(parser.get(), records);
    }
  }
  return records.problem();
}

}  // namespace foresta
