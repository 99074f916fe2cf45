#ifndef FORESTA_EVALUATION_SERIES_H_
#define FORESTA_EVALUATION_SERIES_H_

#include <cstdint>
#include <string>
#include <vector>

namespace foresta {

// Observations held in memory: `variables` numbers per row, rows oldest
// first, row-major.
struct Series {
  std::uint32_t variables = 0;
  std::vector<float> values;

  int rows() const {
    return variables == 0 ? 0 : static_cast<int>(values.size() / variables);
  }
  // REQUIRES: row < rows(), j < variables.
  float at(int row, std::uint32_t j) const {
    return values[static_cast<std::size_t>(row) * variables + j];
  }
};

// Reads an input data file as the encoders read it: the same checks as the
// input test for every setting (comment section, 1 to 100,000 variables,
// characters, whole rows) and the same numbers. Writes no file, so readers
// may run side by side in one folder. Returns an InputTestCode; on success
// `series` holds the rows.
int ReadSeriesFile(const std::string& path, Series* series);

// One variable of a series as a plain column.
std::vector<float> SeriesColumn(const Series& series, std::uint32_t j);

}  // namespace foresta

#endif  // FORESTA_EVALUATION_SERIES_H_
