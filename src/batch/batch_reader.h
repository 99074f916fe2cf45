#ifndef FORESTA_BATCH_BATCH_READER_H_
#define FORESTA_BATCH_BATCH_READER_H_

#include <cstdio>
#include <fstream>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace foresta {

// Reads a batch file as bytes (from the file, or from memory) and writes what
// it is told to the echo file (or to a stream, or nowhere).
// Items are separated by blanks, tabs and line ends ("\r" counts as part of
// a line end); an item that ends exactly at end of file is read like any
// other.
class BatchReader {
 public:
  // Opens both files; false when either cannot be opened.
  bool Open(const std::string& batchFile, const std::string& echoFile);
  // Reads `bytes` instead of a file and echoes into `echo` (nowhere when it
  // is null). REQUIRES: both outlive the reading.
  void OpenBytes(std::string_view bytes, std::ostream* echo);

  // Reads up to and including the next `mark`, echoing every byte. False
  // when end of file comes first.
  bool SkipPast(char mark);

  // Skips white space, then reads the characters up to the next blank, tab
  // or line end, in full. False when end of file comes before the word.
  bool ReadWord(std::string& word);

  // Skips white space and reads a signed decimal integer; -1 when there is
  // none. Values beyond the int range saturate, so they fail every range
  // check instead of wrapping into range.
  int ReadNumber();

  // Skips white space and reads one byte, echoing it; -1 at end of file.
  int ReadFirstNonBlank();

  // Reads to end of file, echoing every byte and counting the lines that
  // hold something other than blanks, tabs and line ends; the line holding
  // `first` (already read) is the first one. When `words` is given, it
  // receives the first `maxWords` words from `first` on, split as ReadWord
  // splits them.
  int CountRemainingLines(int first, std::vector<std::string>* words = nullptr,
                          std::size_t maxWords = 0);

  void Echo(std::string_view text) {
    if (echo_ != nullptr) *echo_ << text;
  }
  void Echo(int value) {
    if (echo_ != nullptr) *echo_ << value;
  }

  // Flushes and closes the echo; false when writing it failed.
  bool Close();

  // True when a read error ended the reading: from then on the file reads
  // as if it ended there, and the caller must not trust what it read.
  bool failed() const { return file_.failed(); }

 private:
  // A read-only stream buffer over a file that never throws: a read error
  // ends the file and is remembered (the standard file buffer throws from
  // its reads instead).
  class FileBuffer : public std::streambuf {
   public:
    FileBuffer() = default;
    FileBuffer(const FileBuffer&) = delete;
    FileBuffer& operator=(const FileBuffer&) = delete;
    ~FileBuffer() override { Close(); }
    bool Open(const std::string& name);
    void Close();
    bool failed() const { return failed_; }

   protected:
    int_type underflow() override;

   private:
    std::FILE* file_ = nullptr;
    char buffer_[1 << 14];
    bool failed_ = false;
  };

  // A read-only stream buffer over bytes in memory.
  class MemoryBuffer : public std::streambuf {
   public:
    void Reset(std::string_view bytes) {
      // The get area is never written through: nothing is put back.
      char* first = const_cast<char*>(bytes.data());
      setg(first, first, first + bytes.size());
    }
  };

  int Get() { return in_->sbumpc(); }
  int Peek() { return in_->sgetc(); }
  void Put(int c) {
    if (echo_ != nullptr) echo_->put(static_cast<char>(c));
  }
  void SkipBlanks();

  FileBuffer file_;
  MemoryBuffer memory_;
  std::streambuf* in_ = nullptr;
  std::ofstream echoFile_;
  std::ostream* echo_ = nullptr;
};

}  // namespace foresta

#endif  // FORESTA_BATCH_BATCH_READER_H_
