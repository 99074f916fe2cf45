#ifndef FORESTA_PREDICTION_INPUT_READER_H_
#define FORESTA_PREDICTION_INPUT_READER_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "prediction/byte_source.h"

namespace foresta {

// Reads an input data file item by item: the comment section, the variable
// count and then the observations. The input test's counting pass and every
// encoder read through this class, so they agree on which numbers (and so
// which rows) a file holds.
class InputReader {
 public:
  enum class Item { kNumber, kEnd, kInvalid };

  // Returns false when the file cannot be opened.
  bool Open(const std::string& path) { return source_.Open(path); }
  // Reads `bytes` instead of a file. REQUIRES: `bytes` outlives the reading.
  void OpenBytes(std::string_view bytes) { source_.OpenBytes(bytes); }
  void Close() { source_.Close(); }

  // Skips through the first and the second '*'. Returns 0, or 2 when the
  // file ends before the first '*', 3 when it ends before the second.
  int SkipComment();

  // Reads the variable count after leading white space. Returns false when
  // no digits follow (an optional '+' is allowed) or the count is negative;
  // `count` then holds 0. Counts beyond 32 bits saturate.
  bool ReadCount(std::uint32_t& count);

  // Reads the next observation. A sign may be separated from its digits by
  // white space ("- 5" is -5). A number ending exactly at end of file counts
  // like any other. kInvalid consumes the malformed token, so reading always
  // advances.
  Item NextNumber(float& value);

  ByteSource& source() { return source_; }

  // The digits (and point) of the last number the general reading took,
  // without its sign. A number beyond single precision is always read that
  // way, so after NextNumber gives an infinity this is its text.
  const std::string& token() const { return token_; }

 private:
  // The common case of NextNumber, read in place; false (consuming
  // nothing) when the general reading must decide.
  bool NextPlainNumber(float& value);

  ByteSource source_;
  std::string token_;
};

}  // namespace foresta

#endif  // FORESTA_PREDICTION_INPUT_READER_H_
