#ifndef FORESTA_FRAME_CHART_MODEL_SERIES_DATA_H_
#define FORESTA_FRAME_CHART_MODEL_SERIES_DATA_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "frame/chart/model/chart_status.h"

namespace foresta {

// Rows a chart holds at most: the values of one variable stay in memory.
inline constexpr std::size_t kMaxChartRows = 50'000'000;

// One variable of an input data file, as the chart draws it: row r (from 1)
// is values[r - 1].
struct SeriesData {
  std::string file;
  // The first non-empty line of the file's comment, else the file's name.
  std::string title;
  std::uint32_t variableCount = 0;
  int variable = 1;  // from 1
  std::vector<float> values;

  std::size_t rows() const { return values.size(); }
};

struct SeriesResult {
  ChartStatus status;
  SeriesData series;
};

// Reads variable `variable` (from 1) of the input data file `file` with the
// product's own input test and number reader, so a file the chart draws is
// a file a prediction reads. Refuses, with the test's own message, a file
// the input test refuses; and a file of fewer than two rows, a variable the
// file does not have, or a value beyond single precision.
SeriesResult ReadSeries(const std::string& file, int variable);

// The title of `file`: the first line of its comment section that holds more
// than blanks, trimmed; else the file's name without its folder.
std::string SeriesTitle(const std::string& file);

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_MODEL_SERIES_DATA_H_
