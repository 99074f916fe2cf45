#include "batch/batch_reader.h"

#include <climits>
#include <cstdint>

namespace foresta {
namespace {

constexpr int kEof = std::char_traits<char>::eof();

bool IsLineEnd(int c) { return c == '\n' || c == '\r'; }
bool IsBlank(int c) {
  return c == ' ' || c == '\t' || IsLineEnd(c) || c == '\v' || c == '\f';
}

}  // namespace

bool BatchReader::FileBuffer::Open(const std::string& name) {
  Close();
  file_ = std::fopen(name.c_str(), "rb");
  failed_ = false;
  setg(buffer_, buffer_, buffer_);
  return file_ != nullptr;
}

void BatchReader::FileBuffer::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  setg(buffer_, buffer_, buffer_);
}

BatchReader::FileBuffer::int_type BatchReader::FileBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (file_ == nullptr || failed_) return traits_type::eof();
  const std::size_t n = std::fread(buffer_, 1, sizeof buffer_, file_);
  if (n == 0) {
    if (std::ferror(file_)) failed_ = true;
    return traits_type::eof();
  }
  setg(buffer_, buffer_, buffer_ + n);
  return traits_type::to_int_type(*gptr());
}

bool BatchReader::Open(const std::string& batchFile,
                       const std::string& echoFile) {
  if (!file_.Open(batchFile)) return false;
  in_ = &file_;
  echoFile_.open(echoFile, std::ios::binary | std::ios::trunc);
  echo_ = &echoFile_;
  return static_cast<bool>(echoFile_);
}

void BatchReader::OpenBytes(std::string_view bytes, std::ostream* echo) {
  memory_.Reset(bytes);
  in_ = &memory_;
  echo_ = echo;
}

bool BatchReader::SkipPast(char mark) {
  for (int c = Get(); c != kEof; c = Get()) {
    Put(c);
    if (c == static_cast<unsigned char>(mark)) return true;
  }
  return false;
}

void BatchReader::SkipBlanks() {
  while (IsBlank(Peek())) Get();
}

bool BatchReader::ReadWord(std::string& word) {
  SkipBlanks();
  word.clear();
  for (int c = Peek(); c != kEof && c != ' ' && c != '\t' && !IsLineEnd(c);
       c = Peek()) {
    word.push_back(static_cast<char>(Get()));
  }
  return !word.empty();
}

int BatchReader::ReadNumber() {
  SkipBlanks();
  bool negative = false;
  if (Peek() == '+' || Peek() == '-') negative = Get() == '-';
  if (Peek() < '0' || Peek() > '9') return -1;
  std::int64_t value = 0;
  while (Peek() >= '0' && Peek() <= '9') {
    value = value * 10 + (Get() - '0');
    if (value > INT_MAX) value = std::int64_t{INT_MAX} + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value < INT_MIN ? INT_MIN : value);
}

int BatchReader::ReadFirstNonBlank() {
  SkipBlanks();
  int c = Get();
  if (c != kEof) Put(c);
  return c;
}

int BatchReader::CountRemainingLines(int first, std::vector<std::string>* words,
                                     std::size_t maxWords) {
  int count = 0;
  bool filled = false;
  bool echoed = true;  // ReadFirstNonBlank echoed `first`
  bool inWord = false;
  for (int c = first; c != kEof; c = Get(), echoed = false) {
    if (!echoed) Put(c);
    if (words != nullptr) {
      // A word ends at a blank, tab or line end and starts at anything
      // that is not white space, as ReadWord reads it.
      if (c == ' ' || c == '\t' || IsLineEnd(c)) {
        inWord = false;
      } else if (inWord) {
        words->back().push_back(static_cast<char>(c));
      } else if (!IsBlank(c) && words->size() < maxWords) {
        words->emplace_back(1, static_cast<char>(c));
        inWord = true;
      }
    }
    if (c == '\n') {
      if (filled) {
        ++count;
        Echo("files:");
        Echo(count);
        Echo("\n");
      }
      filled = false;
    } else if (!IsBlank(c)) {
      filled = true;
    }
  }
  if (filled) {
    ++count;
    Echo(count);
    Echo("files\n");
  }
  Echo("files:");
  Echo(count);
  Echo("\n");
  return count;
}

bool BatchReader::Close() {
  file_.Close();
  if (echo_ == nullptr) return true;
  echo_->flush();
  bool ok = static_cast<bool>(*echo_);
  if (echo_ == &echoFile_) {
    echoFile_.close();
    ok = ok && !echoFile_.fail();
  }
  echo_ = nullptr;
  return ok;
}

}  // namespace foresta
