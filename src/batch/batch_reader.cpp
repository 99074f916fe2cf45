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

bool BatchReader::Open(const std::string& batchFile,
                       const std::string& echoFile) {
  file_.open(batchFile, std::ios::binary);
  if (!file_) return false;
  in_ = file_.rdbuf();
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

int BatchReader::CountRemainingLines(int first) {
  int count = 0;
  bool filled = false;
  bool echoed = true;  // ReadFirstNonBlank echoed `first`
  for (int c = first; c != kEof; c = Get(), echoed = false) {
    if (!echoed) Put(c);
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
  file_.close();
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
