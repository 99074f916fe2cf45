#ifndef FORESTA_PREDICTION_TEXT_OUTPUT_H_
#define FORESTA_PREDICTION_TEXT_OUTPUT_H_

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace foresta {

// A file written through a large buffer. Opening empties the file. Every
// write failure is remembered, so the writer learns of it at Close().
class TextOutput {
 public:
  TextOutput() = default;
  ~TextOutput() { Close(); }
  TextOutput(const TextOutput&) = delete;
  TextOutput& operator=(const TextOutput&) = delete;

  // Returns false when the file cannot be created.
  bool Open(const std::string& path);
  bool is_open() const { return file_ != nullptr; }

  void Put(char c) {
    buffer_.push_back(c);
    if (buffer_.size() >= kFlushSize) Flush();
  }
  void Write(std::string_view text) {
    buffer_.append(text);
    if (buffer_.size() >= kFlushSize) Flush();
  }
  void WriteInteger(std::int64_t value);
  // The stream's default floating-point form: six significant digits,
  // fixed or exponent notation, whichever is shorter.
  void WriteReal(float value);

  // Flushes and closes. Returns false when anything failed to be written.
  bool Close();
  bool ok() const { return ok_; }

 private:
  static constexpr std::size_t kFlushSize = 1 << 16;
  void Flush();

  std::FILE* file_ = nullptr;
  std::string buffer_;
  bool ok_ = true;
};

// The default floating-point form of a report number ("%g").
std::string RealText(float value);

}  // namespace foresta

#endif  // FORESTA_PREDICTION_TEXT_OUTPUT_H_
