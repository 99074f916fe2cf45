#ifndef FORESTA_BATCH_BATCH_READER_H_
#define FORESTA_BATCH_BATCH_READER_H_

#include <fstream>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

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
  // `first` (already read) is the first one.
  int CountRemainingLines(int first);

  void Echo(std::string_view text) {
    if (echo_ != nullptr) *echo_ << text;
  }
  void Echo(int value) {
    if (echo_ != nullptr) *echo_ << value;
  }

  // Flushes and closes the echo; false when writing it failed.
  bool Close();

 private:
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

  std::ifstream file_;
  MemoryBuffer memory_;
  std::streambuf* in_ = nullptr;
  std::ofstream echoFile_;
  std::ostream* echo_ = nullptr;
};

}  // namespace foresta

#endif  // FORESTA_BATCH_BATCH_READER_H_
