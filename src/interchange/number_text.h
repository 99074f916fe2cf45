#ifndef FORESTA_INTERCHANGE_NUMBER_TEXT_H_
#define FORESTA_INTERCHANGE_NUMBER_TEXT_H_

#include <string>
#include <string_view>

namespace foresta {

// What one CSV cell holds, read as an observation.
enum class CellKind {
  kNumber,      // a decimal number within single precision
  kMissing,     // empty, or a missing-value marker (NA, N/A, #N/A, NaN, NULL, None, -)
  kText,        // anything else
  kOutOfRange,  // a well-formed number beyond single precision
};

struct CellValue {
  CellKind kind = CellKind::kText;
  float value = 0.0f;
};

// Reads a cell: blanks around it are ignored; a number is an optional sign,
// digits with an optional decimal separator ('.', or ',' with
// `decimalComma`) and an optional exponent (1.5e2). Infinity, NaN and
// hexadecimal forms are not numbers. A nonzero number that overflows
// single precision or underflows to zero is kOutOfRange.
CellValue ReadCell(std::string_view cell, bool decimalComma);

// True for an empty cell or a missing-value marker (any letter case).
bool IsMissingMarker(std::string_view cell);

// The shortest plain decimal (no exponent) that reads back to `value`:
// 150 for 1.5e2, 0.0000001 for 1e-7, 0 for both zeros. Large values are
// written in full with zeros after the significant digits.
// REQUIRES: value is finite.
std::string PlainDecimal(float value);

// Appends PlainDecimal(value) to `out` without a temporary string.
void AppendPlainDecimal(float value, std::string& out);

// `text` without the blanks and tabs around it.
std::string_view TrimBlanks(std::string_view text);

}  // namespace foresta

#endif  // FORESTA_INTERCHANGE_NUMBER_TEXT_H_
