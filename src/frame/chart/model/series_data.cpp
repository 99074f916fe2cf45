#include "frame/chart/model/series_data.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "prediction/byte_source.h"
#include "prediction/input_check.h"
#include "prediction/input_reader.h"
#include "state/message_codes.h"
#include "state/message_texts.h"

namespace foresta {
namespace {

// The input test writes an echo of what it read; a chart must not replace
// the user's "error.tmp", so the echo goes to a private file, removed after.
class PrivateEcho {
 public:
  PrivateEcho() {
    std::error_code error;
    std::string pattern =
        (std::filesystem::temp_directory_path(error) / "foresta-chart-XXXXXX").string();
    if (error) pattern = "/tmp/foresta-chart-XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd >= 0) {
      close(fd);
      path_ = pattern;
    }
  }
  ~PrivateEcho() {
    if (!path_.empty()) std::remove(path_.c_str());
  }
  PrivateEcho(const PrivateEcho&) = delete;
  PrivateEcho& operator=(const PrivateEcho&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n\v\f");
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r\n\v\f");
  return text.substr(first, last - first + 1);
}

std::string FileName(const std::string& file) {
  const std::string name = std::filesystem::path(file).filename().string();
  return name.empty() ? file : name;
}

// The variable count as the input test will read it, so the test can be
// given limits that any count it accepts at all passes.
std::uint32_t PeekVariableCount(const std::string& file) {
  InputReader reader;
  std::uint32_t count = 0;
  if (!reader.Open(file) || reader.SkipComment() != 0) return 0;
  reader.ReadCount(count);
  return count;
}

ChartStatus InputRefusal(const std::string& file, int testCode,
                         const std::string& particulars = {}) {
  const int code = kMsgInputTestBase + testCode;
  const std::string text(InformationText(code).value_or("Input File: refused"));
  std::string message = "Cannot chart " + file + ": " + Trimmed(text);
  if (!particulars.empty()) message += " (" + particulars + ")";
  return {code, message};
}

}  // namespace

std::string SeriesTitle(const std::string& file) {
  ByteSource in;
  if (in.Open(file)) {
    int c = in.Get();
    while (c != ByteSource::kEnd && c != '*') c = in.Get();
    std::string line;
    for (c = in.Get(); c != ByteSource::kEnd && c != '*'; c = in.Get()) {
      if (c == '\n' || c == '\r') {
        if (!Trimmed(line).empty()) return Trimmed(line);
        line.clear();
      } else {
        line.push_back(static_cast<char>(c));
      }
    }
    // The comment's last line ends at its closing '*'.
    if (c == '*' && !Trimmed(line).empty()) return Trimmed(line);
  }
  return FileName(file);
}

SeriesResult ReadSeries(const std::string& file, int variable) {
  SeriesResult result;
  SeriesData& series = result.series;
  series.file = file;
  series.variable = variable;

  // Only the file's own form is judged: the trend of 1 and a precision that
  // makes 20 neurons leave the neuron limits to the variable count alone.
  const std::uint32_t peeked = PeekVariableCount(file);
  InputTestRequest request;
  request.inputFile = file;
  request.trend = 1;
  request.precision = peeked == 0 ? 20 : static_cast<int>(std::max<std::uint32_t>(1, (20 + peeked - 1) / peeked));
  PrivateEcho echo;
  if (echo.path().empty()) {
    result.status = InputRefusal(file, kInputCannotOpen);
    return result;
  }
  request.echoFile = echo.path();
  PredictionState state;
  int rowCount = -1;
  std::string particulars;
  request.particulars = &particulars;
  if (const int code = TestInputFile(request, state, rowCount); code != kInputOk) {
    result.status = InputRefusal(file, code, particulars);
    return result;
  }
  const std::uint32_t n = state.VariableCount;
  series.variableCount = n;
  if (variable < 1 || static_cast<std::uint32_t>(variable) > n) {
    result.status = ChartRefusal(
        kMsgChartNoSuchVariable,
        "variable " + std::to_string(variable) + " of " + file + ", which has " +
            std::to_string(n) + (n == 1 ? " variable" : " variables"));
    return result;
  }
  if (rowCount < 2) {
    result.status = ChartRefusal(kMsgChartTooFewRows,
                                 file + " has " + std::to_string(rowCount) +
                                     (rowCount == 1 ? " row" : " rows"));
    return result;
  }
  if (static_cast<std::size_t>(rowCount) > kMaxChartRows) {
    result.status = ChartRefusal(kMsgChartTooManyRows,
                                 file + " has more than " + std::to_string(kMaxChartRows) + " rows");
    return result;
  }

  InputReader reader;
  if (!reader.Open(file) || reader.SkipComment() != 0 || !reader.ReadCount(series.variableCount)) {
    result.status = InputRefusal(file, kInputCannotOpen);
    return result;
  }
  series.values.reserve(static_cast<std::size_t>(rowCount));
  const std::uint32_t column = static_cast<std::uint32_t>(variable - 1);
  std::uint64_t index = 0;
  float value = 0.0f;
  for (;;) {
    const InputReader::Item item = reader.NextNumber(value);
    if (item == InputReader::Item::kEnd) break;
    if (item == InputReader::Item::kInvalid) {
      // The file changed since it was tested.
      result.status = InputRefusal(file, kInputInvalidCharacter);
      return result;
    }
    if (index % n == column) {
      if (!std::isfinite(value)) {
        result.status = ChartRefusal(kMsgChartValueTooLarge,
                                     "row " + std::to_string(index / n + 1) + " of " + file);
        return result;
      }
      series.values.push_back(value);
    }
    ++index;
  }
  if (series.values.size() != static_cast<std::size_t>(rowCount)) {
    result.status = InputRefusal(file, kInputLastRowIncomplete);
    return result;
  }
  series.title = SeriesTitle(file);
  return result;
}

}  // namespace foresta
