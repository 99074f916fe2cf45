#include "interchange/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>

namespace foresta {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

constexpr std::array<std::string_view, 7> kMissingMarkers = {
    "na", "n/a", "#n/a", "nan", "null", "none", "-"};

// Checks the number syntax: an optional sign, digits with an optional
// separator, an optional exponent, at least one digit before it.
bool IsNumberSyntax(std::string_view text, char separator) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == separator) {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == text.size();
}

// Reads a checked number. from_chars takes no '+' and only '.'; other
// cells are read in place.
std::errc ParseChecked(std::string_view text, bool decimalComma, float& value) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  if (!decimalComma) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value,
                                     std::chars_format::general);
    return ptr == text.data() + text.size() ? ec : std::errc::invalid_argument;
  }
  thread_local std::string copy;
  copy.assign(text);
  std::replace(copy.begin(), copy.end(), ',', '.');
  auto [ptr, ec] = std::from_chars(copy.data(), copy.data() + copy.size(), value,
                                   std::chars_format::general);
  return ptr == copy.data() + copy.size() ? ec : std::errc::invalid_argument;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
    text.remove_suffix(1);
  }
  return text;
}

bool IsMissingMarker(std::string_view cell) {
  cell = TrimBlanks(cell);
  if (cell.empty()) return true;
  for (std::string_view marker : kMissingMarkers) {
    if (EqualsIgnoringCase(cell, marker)) return true;
  }
  return false;
}

CellValue ReadCell(std::string_view cell, bool decimalComma) {
  cell = TrimBlanks(cell);
  CellValue result;
  if (!IsNumberSyntax(cell, decimalComma ? ',' : '.')) {
    if (IsMissingMarker(cell)) result.kind = CellKind::kMissing;
    return result;
  }
  float value = 0.0f;
  const std::errc ec = ParseChecked(cell, decimalComma, value);
  if (ec == std::errc::result_out_of_range) {
    result.kind = CellKind::kOutOfRange;
  } else if (ec == std::errc()) {
    result.kind = CellKind::kNumber;
    result.value = value;
  }
  return result;
}

void AppendPlainDecimal(float value, std::string& out) {
  if (value == 0.0f) {
    out.push_back('0');
    return;
  }
  // The shortest round-trip digits, then the point moved into place.
  char text[32];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value,
                                 std::chars_format::scientific);
  (void)ec;
  const char* p = text;
  if (*p == '-') {
    out.push_back('-');
    ++p;
  }
  char digits[16];
  int count = 0;
  for (; p < end && *p != 'e'; ++p) {
    if (IsDigit(*p)) digits[count++] = *p;
  }
  int exponent = 0;
  std::from_chars(p + 1 + (p + 1 < end && p[1] == '+'), end, exponent);
  const int point = exponent + 1;  // digits before the point
  if (point <= 0) {
    out.append("0.");
    out.append(static_cast<std::size_t>(-point), '0');
    out.append(digits, static_cast<std::size_t>(count));
  } else if (point >= count) {
    out.append(digits, static_cast<std::size_t>(count));
    out.append(static_cast<std::size_t>(point - count), '0');
  } else {
    out.append(digits, static_cast<std::size_t>(point));
    out.push_back('.');
    out.append(digits + point, static_cast<std::size_t>(count - point));
  }
}

std::string PlainDecimal(float value) {
  std::string out;
  AppendPlainDecimal(value, out);
  return out;
}

}  // namespace foresta
