#include "prediction/text_output.h"

#include <cinttypes>

namespace foresta {

bool TextOutput::Open(const std::string& path) {
  Close();
  file_ = std::fopen(path.c_str(), "wb");
  ok_ = file_ != nullptr;
  buffer_.clear();
  buffer_.reserve(kFlushSize + 256);
  return ok_;
}

void TextOutput::WriteInteger(std::int64_t value) {
  char text[32];
  int n = std::snprintf(text, sizeof text, "%" PRId64, value);
  Write(std::string_view(text, static_cast<std::size_t>(n)));
}

void TextOutput::WriteReal(float value) { Write(RealText(value)); }

void TextOutput::Flush() {
  if (file_ != nullptr && !buffer_.empty()) {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) !=
        buffer_.size()) {
      ok_ = false;
    }
  }
  buffer_.clear();
}

bool TextOutput::Close() {
  if (file_ == nullptr) return ok_;
  Flush();
  if (std::fclose(file_) != 0) ok_ = false;
  file_ = nullptr;
  return ok_;
}

std::string RealText(float value) {
  char text[32];
  int n = std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
  return std::string(text, static_cast<std::size_t>(n));
}

}  // namespace foresta
