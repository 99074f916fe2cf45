#ifndef FORESTA_PREDICTION_BYTE_SOURCE_H_
#define FORESTA_PREDICTION_BYTE_SOURCE_H_

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace foresta {

// Reads a file byte by byte through a large buffer, or bytes already in
// memory (the fuzzers and tests parse without touching the disk). Text files
// are read as bytes: nothing is translated.
class ByteSource {
 public:
  static constexpr int kEnd = -1;

  ByteSource() = default;
  ~ByteSource();
  ByteSource(const ByteSource&) = delete;
  ByteSource& operator=(const ByteSource&) = delete;

  // Returns false when the file cannot be opened for reading.
  bool Open(const std::string& path);
  // Reads `bytes` as if they were a file's contents.
  // REQUIRES: `bytes` outlives the reading.
  void OpenBytes(std::string_view bytes);
  void Close();
  bool is_open() const { return file_ != nullptr || inMemory_; }

  // Next byte (0..255), or kEnd at end of file or on a read error.
  int Get() {
    if (pos_ == len_ && !Refill()) return kEnd;
    return static_cast<unsigned char>(data_[pos_++]);
  }
  // Next byte without consuming it, or kEnd.
  int Peek() {
    if (pos_ == len_ && !Refill()) return kEnd;
    return static_cast<unsigned char>(data_[pos_]);
  }
  // The bytes read ahead and not yet consumed, without refilling: a reader
  // may scan them in place and then Skip() what it used.
  const char* Ahead() const { return data_ + pos_; }
  std::size_t AheadCount() const { return len_ - pos_; }
  // REQUIRES: count <= AheadCount()
  void Skip(std::size_t count) { pos_ += count; }

  // Hands out the unread rest of the buffer, refilling it first when it is
  // empty, and counts it as read. Returns false at the end of the file.
  bool TakeSpan(const char** begin, const char** end) {
    if (pos_ == len_ && !Refill()) return false;
    *begin = data_ + pos_;
    *end = data_ + len_;
    pos_ = len_;
    return true;
  }

  // True when a read failed (as opposed to reaching the end).
  bool failed() const { return failed_; }

 private:
  bool Refill();

  std::FILE* file_ = nullptr;
  bool inMemory_ = false;
  std::vector<char> buffer_;
  // The bytes being read: the file's buffer, or the caller's memory.
  const char* data_ = nullptr;
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
  bool failed_ = false;
};

// White space between items: blank, tab, line feed, carriage return,
// vertical tab and form feed.
inline bool IsBlank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' ||
         c == '\f';
}

}  // namespace foresta

#endif  // FORESTA_PREDICTION_BYTE_SOURCE_H_
