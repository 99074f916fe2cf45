#include "engine/char_reader.h"

#include <limits>

namespace foresta {

namespace {
// Large enough that reads cost nothing per byte, small enough that a fresh
// buffer does not pay many page faults.
constexpr size_t kBufferSize = 1 << 16;
}

CharReader::~CharReader() { Close(); }

bool CharReader::Open(const std::string& name) {
  Close();
  file_ = std::fopen(name.c_str(), "rb");
  if (file_ == nullptr) return false;
  if (std::fseek(file_, 0, SEEK_END) == 0) {
    long size = std::ftell(file_);
    if (size > 0) fileSize_ = static_cast<uint64_t>(size);
    std::fseek(file_, 0, SEEK_SET);
  }
  // A small file needs no megabyte of buffer.
  size_t want = kBufferSize;
  if (fileSize_ > 0 && fileSize_ < want) want = static_cast<size_t>(fileSize_) + 1;
  buffer_.resize(want);
  data_ = buffer_.data();
  return true;
}

void CharReader::OpenBytes(std::string_view bytes) {
  Close();
  data_ = reinterpret_cast<const unsigned char*>(bytes.data());
  end_ = bytes.size();
  fileSize_ = bytes.size();
}

void CharReader::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  data_ = nullptr;
  pos_ = end_ = 0;
  consumedBefore_ = 0;
  fileSize_ = 0;
}

size_t CharReader::ReadNonSpace(char* out, size_t count) {
  size_t copied = 0;
  while (copied < count && (pos_ < end_ || Fill())) {
    const unsigned char* at = data_ + pos_;
    const unsigned char* end = data_ + end_;
    for (; at < end && copied < count; ++at) {
      if (!IsSpace(*at)) out[copied++] = static_cast<char>(*at);
    }
    pos_ = static_cast<size_t>(at - data_);
  }
  return copied;
}

bool CharReader::Fill() {
  if (file_ == nullptr) return false;
  consumedBefore_ += end_;
  pos_ = end_ = 0;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  return end_ > 0;
}

int SkipCommentSection(CharReader& in) {
  int c;
  do {
    c = in.Get();
    if (c == CharReader::kEof) return 2;
  } while (c != '*');
  do {
    c = in.Get();
    if (c == CharReader::kEof) return 3;
  } while (c != '*');
  return 0;
}

bool ReadDecimal(CharReader& in, int64_t* value) {
  int c = in.Peek();
  while (CharReader::IsSpace(c)) {
    in.Get();
    c = in.Peek();
  }
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    in.Get();
    c = in.Peek();
  }
  if (c < '0' || c > '9') return false;
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  int64_t v = 0;
  while (c >= '0' && c <= '9') {
    const int digit = c - '0';
    v = v > (kMax - digit) / 10 ? kMax : v * 10 + digit;
    in.Get();
    c = in.Peek();
  }
  *value = negative ? -v : v;
  return true;
}

}  // namespace foresta
