#ifndef FORESTA_ENGINE_REPORT_OUTPUT_H_
#define FORESTA_ENGINE_REPORT_OUTPUT_H_

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace foresta {

// A text file the engine writes its recognition report to, through one
// large buffer, or a string in memory (tests, fuzzers). A failed write is
// remembered, so it can be reported.
class ReportOutput {
 public:
  ReportOutput() = default;
  ~ReportOutput();
  ReportOutput(const ReportOutput&) = delete;
  ReportOutput& operator=(const ReportOutput&) = delete;

  // Opens name for writing, emptying it. Returns false when it cannot.
  bool Open(const std::string& name);
  // Appends to `text` instead of writing a file.
  // REQUIRES: `text` outlives the writing.
  void OpenMemory(std::string* text);
  bool isOpen() const { return file_ != nullptr || text_ != nullptr; }

  void Write(std::string_view text) {
    buffer_.append(text);
    if (buffer_.size() >= kFlushAt) Flush();
  }
  void Write(char c) { buffer_.push_back(c); }
  void WriteNumber(uint64_t v);

  // Hands the buffer to the file. Returns false if this or any earlier
  // write failed, or if no file is open.
  bool Flush();
  // Flushes and closes. Returns false if any write failed.
  bool Close();
  bool failed() const { return failed_ || !isOpen(); }

 private:
  static constexpr size_t kFlushAt = 1 << 16;

  std::FILE* file_ = nullptr;
  std::string* text_ = nullptr;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace foresta

#endif  // FORESTA_ENGINE_REPORT_OUTPUT_H_
