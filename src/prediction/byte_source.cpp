#include "prediction/byte_source.h"

namespace foresta {
namespace {
constexpr std::size_t kBufferSize = 1 << 16;
}  // namespace

ByteSource::~ByteSource() { Close(); }

bool ByteSource::Open(const std::string& path) {
  Close();
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) return false;
  buffer_.resize(kBufferSize);
  data_ = buffer_.data();
  pos_ = len_ = 0;
  failed_ = false;
  return true;
}

void ByteSource::OpenBytes(std::string_view bytes) {
  Close();
  inMemory_ = true;
  data_ = bytes.data();
  len_ = bytes.size();
  failed_ = false;
}

void ByteSource::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  inMemory_ = false;
  data_ = nullptr;
  pos_ = len_ = 0;
}

bool ByteSource::Refill() {
  if (file_ == nullptr) return false;
  len_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  pos_ = 0;
  if (len_ == 0) {
    if (std::ferror(file_)) failed_ = true;
    return false;
  }
  return true;
}

}  // namespace foresta
