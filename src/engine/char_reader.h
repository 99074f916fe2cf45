#ifndef FORESTA_ENGINE_CHAR_READER_H_
#define FORESTA_ENGINE_CHAR_READER_H_

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace foresta {

// Reads a file as raw bytes through one large buffer; the pattern files are
// parsed a character at a time and must not pay a library call per byte.
// It can read bytes already in memory instead, so the tests and readers run
// without a file (tests, fuzzers).
class CharReader {
 public:
  static constexpr int kEof = -1;

  CharReader() = default;
  ~CharReader();
  CharReader(const CharReader&) = delete;
  CharReader& operator=(const CharReader&) = delete;

  // Returns false when the file cannot be opened for reading.
  bool Open(const std::string& name);
  // Reads `bytes` as if they were a file's contents.
  // REQUIRES: `bytes` outlives the reading.
  void OpenBytes(std::string_view bytes);
  void Close();

  int Get() {
    if (pos_ == end_ && !Fill()) return kEof;
    return data_[pos_++];
  }
  int Peek() {
    if (pos_ == end_ && !Fill()) return kEof;
    return data_[pos_];
  }
  // The next character that is not white space, or kEof.
  int GetNonSpace() {
    int c;
    do {
      c = Get();
    } while (IsSpace(c));
    return c;
  }

  // Copies the next characters that are not white space into `out` until
  // `count` were copied or the file ended; returns how many were copied.
  size_t ReadNonSpace(char* out, size_t count);

  // Hands out the unread rest of the buffer, refilling it first when it is
  // empty, and counts it as read. Returns false at end of file.
  bool TakeSpan(const unsigned char** begin, const unsigned char** end) {
    if (pos_ == end_ && !Fill()) return false;
    *begin = data_ + pos_;
    *end = data_ + end_;
    pos_ = end_;
    return true;
  }

  // Bytes consumed so far (progress reports).
  uint64_t consumed() const { return consumedBefore_ + pos_; }
  // Total file size when known, else 0.
  uint64_t fileSize() const { return fileSize_; }

  static bool IsSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
  }

 private:
  bool Fill();

  std::FILE* file_ = nullptr;
  std::vector<unsigned char> buffer_;
  // The bytes being read: the file's buffer, or the caller's memory.
  const unsigned char* data_ = nullptr;
  size_t pos_ = 0;
  size_t end_ = 0;
  uint64_t consumedBefore_ = 0;
  uint64_t fileSize_ = 0;
};

// Lexical helpers shared by the pattern-file tests and the engine readers.

// Consumes everything up to and including the second '*'. Returns 0, or 2
// when the file ends before the first star, 3 before the second.
int SkipCommentSection(CharReader& in);

// Skips white space, then reads an optionally signed decimal integer.
// Returns false, consuming only white space and a sign, when no digit
// follows. Values beyond the int64 range saturate.
bool ReadDecimal(CharReader& in, int64_t* value);

}  // namespace foresta

#endif  // FORESTA_ENGINE_CHAR_READER_H_
