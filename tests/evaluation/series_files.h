#ifndef FORESTA_TESTS_EVALUATION_SERIES_FILES_H_
#define FORESTA_TESTS_EVALUATION_SERIES_FILES_H_

#include <charconv>
#include <cstdint>
#include <string>

#include "evaluation/series.h"
#include "support/temp_dir.h"

namespace foresta::testing {

// The shortest plain decimal that reads back to x (input files take no
// exponent).
inline std::string PlainNumber(float x) {
  char text[64];
  auto [end, ec] = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed);
  return std::string(text, end);
}

// Writes the first `rows` rows of `series` as an input data file.
inline void WriteSeries(const std::string& name, const Series& series, int rows) {
  std::string text = "test series *\n*\n" + std::to_string(series.variables) + "\n";
  for (int r = 0; r < rows; ++r) {
    for (std::uint32_t j = 0; j < series.variables; ++j) {
      text += PlainNumber(series.at(r, j));
      text += j + 1 == series.variables ? "\n" : " ";
    }
  }
  WriteFile(name, text);
}

}  // namespace foresta::testing

#endif  // FORESTA_TESTS_EVALUATION_SERIES_FILES_H_
