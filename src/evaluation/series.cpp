#include "evaluation/series.h"

#include "prediction/input_check.h"
#include "prediction/input_reader.h"
#include "prediction/prediction_state.h"

namespace foresta {

int ReadSeriesFile(const std::string& path, Series* series) {
  series->variables = 0;
  series->values.clear();
  PredictionState state;
  int rows = -1;
  InputTestRequest request;
  request.inputFile = path;
  request.echoFile.clear();
  request.checkSettingLimits = false;
  if (int code = TestInputFile(request, state, rows); code != kInputOk) return code;

  InputReader reader;
  if (!reader.Open(path) || reader.SkipComment() != 0) return kInputCannotOpen;
  std::uint32_t n = 0;
  if (!reader.ReadCount(n) || n != state.VariableCount) return kInputCannotOpen;
  series->values.reserve(static_cast<std::size_t>(rows) * n);
  float value = 0.0f;
  for (;;) {
    InputReader::Item item = reader.NextNumber(value);
    if (item == InputReader::Item::kEnd) break;
    if (item == InputReader::Item::kInvalid) return kInputInvalidCharacter;
    series->values.push_back(value);
  }
  // The file changed between the test and the reading.
  if (series->values.size() % n != 0) return kInputLastRowIncomplete;
  series->variables = n;
  return kInputOk;
}

std::vector<float> SeriesColumn(const Series& series, std::uint32_t j) {
  std::vector<float> column(static_cast<std::size_t>(series.rows()));
  for (int r = 0; r < series.rows(); ++r) column[static_cast<std::size_t>(r)] = series.at(r, j);
  return column;
}

}  // namespace foresta
