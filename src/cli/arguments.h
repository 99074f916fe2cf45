#ifndef FORESTA_CLI_ARGUMENTS_H_
#define FORESTA_CLI_ARGUMENTS_H_

#include <charconv>
#include <string>
#include <utility>

namespace foresta {

// A whole decimal integer, nothing before or after it.
inline bool ParseInt(const std::string& text, int& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  auto [ptr, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && ptr == last && first != last;
}

// NAME=VALUE with a non-empty name.
inline bool SplitAssignment(const std::string& text,
                            std::pair<std::string, std::string>& out) {
  auto eq = text.find('=');
  if (eq == std::string::npos || eq == 0) return false;
  out = {text.substr(0, eq), text.substr(eq + 1)};
  return true;
}

// An operand rather than an option.
inline bool IsOperand(const std::string& arg) {
  return !arg.empty() && arg[0] != '-';
}

}  // namespace foresta

#endif  // FORESTA_CLI_ARGUMENTS_H_
