#ifndef FORESTA_BATCH_BATCH_READER_H_
#define FORESTA_BATCH_BATCH_READER_H_

#include <fstream>
#include <string>

namespace foresta {

// Reads a batch file as bytes and writes what it is told to the echo file.
// Items are separated by blanks, tabs and line ends ("\r" counts as part of
// a line end); an item that ends exactly at end of file is read like any
// other.
class BatchReader {
 public:
  // Opens both files; false when either cannot be opened.
  bool Open(const std::string& batchFile, const std::string& echoFile);

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

  void Echo(const std::string& text) { echo_ << text; }
  void Echo(int value) { echo_ << value; }

  // Flushes and closes the echo; false when writing it failed.
  bool Close();

 private:
  int Get() { return in_.rdbuf()->sbumpc(); }
  int Peek() { return in_.rdbuf()->sgetc(); }
  void SkipBlanks();

  std::ifstream in_;
  std::ofstream echo_;
};

}  // namespace foresta

#endif  // FORESTA_BATCH_BATCH_READER_H_
