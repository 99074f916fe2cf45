#include "interchange/date_text.h"

#include "interchange/number_text.h"

namespace foresta {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads 1 to `most` digits at `i`; returns the count read (0 when none).
int ReadDigits(std::string_view text, std::size_t& i, int most, int& value) {
  int count = 0;
  value = 0;
  while (i < text.size() && IsDigit(text[i]) && count < most) {
    value = value * 10 + (text[i] - '0');
    ++i;
    ++count;
  }
  return count;
}

// What may follow a date: nothing, or a time of digits, ':', '.', a zone.
bool IsTimeTail(std::string_view tail) {
  if (tail.empty()) return true;
  if (tail[0] != 'T' && tail[0] != ' ') return false;
  if (tail.size() < 2 || !IsDigit(tail[1])) return false;
  for (char c : tail.substr(1)) {
    if (!IsDigit(c) && c != ':' && c != '.' && c != '+' && c != '-' && c != 'Z') {
      return false;
    }
  }
  return true;
}

bool IsIsoDate(std::string_view text) {
  std::size_t i = 0;
  int year = 0, month = 0, day = 0;
  if (ReadDigits(text, i, 4, year) != 4 || i >= text.size()) return false;
  const char separator = text[i];
  if (separator != '-' && separator != '/') return false;
  ++i;
  if (ReadDigits(text, i, 2, month) != 2 || month < 1 || month > 12) return false;
  if (i == text.size()) return separator == '-';  // 2024-03
  if (text[i] != separator) return false;
  ++i;
  if (ReadDigits(text, i, 2, day) != 2 || day < 1 || day > 31) return false;
  return IsTimeTail(text.substr(i));
}

bool IsDayMonthYear(std::string_view text) {
  std::size_t i = 0;
  int first = 0, second = 0, year = 0;
  if (ReadDigits(text, i, 2, first) == 0 || i >= text.size()) return false;
  const char separator = text[i];
  if (separator != '/' && separator != '.' && separator != '-') return false;
  ++i;
  if (ReadDigits(text, i, 2, second) == 0) return false;
  if (i >= text.size() || text[i] != separator) return false;
  ++i;
  const int yearDigits = ReadDigits(text, i, 4, year);
  if (yearDigits != 2 && yearDigits != 4) return false;
  const bool dayFirst = first >= 1 && first <= 31 && second >= 1 && second <= 12;
  const bool monthFirst = first >= 1 && first <= 12 && second >= 1 && second <= 31;
  return (dayFirst || monthFirst) && IsTimeTail(text.substr(i));
}

}  // namespace

bool IsDateText(std::string_view text) {
  text = TrimBlanks(text);
  return IsIsoDate(text) || IsDayMonthYear(text);
}

int WholeYear(std::string_view text) {
  text = TrimBlanks(text);
  if (text.size() != 4) return 0;
  int year = 0;
  for (char c : text) {
    if (!IsDigit(c)) return 0;
    year = year * 10 + (c - '0');
  }
  return year >= 1000 && year <= 2999 ? year : 0;
}

}  // namespace foresta
