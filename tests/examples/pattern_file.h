#ifndef FORESTA_TESTS_EXAMPLES_PATTERN_FILE_H_
#define FORESTA_TESTS_EXAMPLES_PATTERN_FILE_H_

#include <cctype>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace foresta::testing {

// A pattern file read back the way the engine reads it: comment up to the
// second star, optional header numbers, then vector characters regardless
// of line layout.
struct PatternFile {
  bool commentClosed = false;
  std::vector<long long> header;
  std::string characters;  // every 0, 1 and x after the header

  std::vector<std::string> Vectors(std::size_t n) const {
    std::vector<std::string> out;
    for (std::size_t i = 0; n > 0 && i + n <= characters.size(); i += n)
      out.push_back(characters.substr(i, n));
    return out;
  }
};

inline PatternFile ReadPatternFile(const std::string& name, int headerNumbers) {
  PatternFile f;
  const std::string bytes = ReadFile(name);
  std::size_t first = bytes.find('*');
  if (first == std::string::npos) return f;
  std::size_t second = bytes.find('*', first + 1);
  if (second == std::string::npos) return f;
  f.commentClosed = true;
  std::size_t i = second + 1;
  for (int h = 0; h < headerNumbers; ++h) {
    while (i < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[i]))) ++i;
    long long value = 0;
    while (i < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[i])))
      value = value * 10 + (bytes[i++] - '0');
    f.header.push_back(value);
  }
  for (; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '0' || c == '1' || c == 'x') f.characters += c;
    else if (!std::isspace(static_cast<unsigned char>(c))) f.characters += '?';
  }
  return f;
}

}  // namespace foresta::testing

#endif  // FORESTA_TESTS_EXAMPLES_PATTERN_FILE_H_
