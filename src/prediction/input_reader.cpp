#include "prediction/input_reader.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace foresta {

int InputReader::SkipComment() {
  for (int star = 0; star < 2; ++star) {
    int c;
    do {
      c = source_.Get();
      if (c == ByteSource::kEnd) return star == 0 ? 2 : 3;
    } while (c != '*');
  }
  return 0;
}

bool InputReader::ReadCount(std::uint32_t& count) {
  count = 0;
  int c = source_.Peek();
  while (IsBlank(c)) {
    source_.Get();
    c = source_.Peek();
  }
  if (c == '-') return false;
  if (c == '+') {
    source_.Get();
    c = source_.Peek();
  }
  if (c < '0' || c > '9') return false;
  std::uint64_t value = 0;
  while (c >= '0' && c <= '9') {
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > std::numeric_limits<std::uint32_t>::max()) {
      value = std::numeric_limits<std::uint32_t>::max();
    }
    source_.Get();
    c = source_.Peek();
  }
  count = static_cast<std::uint32_t>(value);
  return true;
}

namespace {

bool IsNumberChar(char c) { return (c >= '0' && c <= '9') || c == '.'; }

}  // namespace

bool InputReader::NextPlainNumber(float& value) {
  // An unsigned number followed by white space, all within the bytes read
  // ahead, is parsed where it lies. Anything else (a sign, a bad character,
  // a number cut by the end of the buffer or of the file, a value beyond
  // single precision) is left to the general reading below.
  const char* ahead = source_.Ahead();
  const char* end = ahead + source_.AheadCount();
  const char* first = ahead;
  while (first < end && IsBlank(static_cast<unsigned char>(*first))) ++first;
  const char* last = first;
  while (last < end && IsNumberChar(*last)) ++last;
  if (last == first || last == end || !IsBlank(static_cast<unsigned char>(*last))) return false;
  float parsed = 0.0f;
  auto [ptr, ec] = std::from_chars(first, last, parsed, std::chars_format::fixed);
  if (ec != std::errc() || ptr != last) return false;
  value = parsed;
  // The white space that ends the number is consumed with it.
  source_.Skip(static_cast<std::size_t>(last + 1 - ahead));
  return true;
}

InputReader::Item InputReader::NextNumber(float& value) {
  if (NextPlainNumber(value)) return Item::kNumber;
  int c = source_.Get();
  while (IsBlank(c)) c = source_.Get();
  if (c == ByteSource::kEnd) return Item::kEnd;

  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    c = source_.Get();
    while (IsBlank(c)) c = source_.Get();
    if (c == ByteSource::kEnd) return Item::kInvalid;
  }
  token_.clear();
  bool valid = true;
  while (c != ByteSource::kEnd && !IsBlank(c)) {
    if ((c >= '0' && c <= '9') || c == '.') {
      token_.push_back(static_cast<char>(c));
    } else {
      valid = false;
    }
    c = source_.Get();
  }
  if (!valid || token_.empty()) return Item::kInvalid;

  float parsed = 0.0f;
  const char* first = token_.data();
  const char* last = first + token_.size();
  auto [ptr, ec] = std::from_chars(first, last, parsed,
                                   std::chars_format::fixed);
  if (ec == std::errc::result_out_of_range) {
    // Beyond single precision: a nonzero digit before the point means the
    // value is too large (kept as infinity), otherwise it is too small (0).
    std::size_t point = token_.find('.');
    std::size_t nonzero = token_.find_first_not_of("0.");
    bool huge = nonzero != std::string::npos &&
                (point == std::string::npos || nonzero < point);
    parsed = huge ? std::numeric_limits<float>::infinity() : 0.0f;
  } else if (ec != std::errc() || ptr != last) {
    return Item::kInvalid;
  }
  value = negative ? -parsed : parsed;
  return Item::kNumber;
}

}  // namespace foresta
