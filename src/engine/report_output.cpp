#include "engine/report_output.h"

#include <charconv>

namespace foresta {

ReportOutput::~ReportOutput() { Close(); }

bool ReportOutput::Open(const std::string& name) {
  Close();
  failed_ = false;
  buffer_.clear();
  file_ = std::fopen(name.c_str(), "wb");
  return file_ != nullptr;
}

void ReportOutput::OpenMemory(std::string* text) {
  Close();
  failed_ = false;
  buffer_.clear();
  text_ = text;
}

void ReportOutput::WriteNumber(uint64_t v) {
  char digits[24];
  auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
  buffer_.append(digits, end);
}

bool ReportOutput::Flush() {
  if (text_ != nullptr) {
    text_->append(buffer_);
    buffer_.clear();
    return !failed_;
  }
  if (file_ == nullptr) {
    buffer_.clear();
    return false;
  }
  if (!buffer_.empty()) {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failed_ = true;
    buffer_.clear();
  }
  if (std::fflush(file_) != 0) failed_ = true;
  return !failed_;
}

bool ReportOutput::Close() {
  if (text_ != nullptr) {
    Flush();
    text_ = nullptr;
  }
  if (file_ == nullptr) return !failed_;
  bool ok = Flush();
  if (std::fclose(file_) != 0) ok = false;
  file_ = nullptr;
  if (!ok) failed_ = true;
  return ok;
}

}  // namespace foresta
