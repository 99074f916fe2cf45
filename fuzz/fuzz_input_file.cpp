// The input data file: its test over bytes in memory, then, for a file that
// passes, the reader the encoders use, which must find exactly the rows the
// test counted. The last two bytes choose the precision and the trend.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "prediction/input_check.h"
#include "prediction/input_reader.h"

using foresta::fuzz::Require;

namespace foresta {
namespace {

void ReadLikeTheEncoders(const std::string& bytes, std::uint32_t n, int rows) {
  InputReader reader;
  reader.OpenBytes(bytes);
  Require(reader.SkipComment() == 0, "comment section found again");
  std::uint32_t count = 0;
  Require(reader.ReadCount(count) && count == n, "variable count read again");
  const std::int64_t wanted = std::int64_t{rows} * n;
  float value = 0;
  for (std::int64_t i = 0; i < wanted; ++i) {
    Require(reader.NextNumber(value) == InputReader::Item::kNumber, "every counted number reads");
  }
  Require(reader.NextNumber(value) == InputReader::Item::kEnd, "nothing after the last row");
}

}  // namespace
}  // namespace foresta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace foresta;
  FuzzedDataProvider provider(data, size);
  const int precision = provider.ConsumeIntegralInRange(-1, 120);
  const int trend = provider.ConsumeIntegralInRange(-1, 40);
  const std::string bytes = provider.ConsumeRemainingBytesAsString();

  // Over half a megabyte, as in the workbench: made once.
  static PredictionState state;
  int rows = 0;
  const int code = TestInputBytes(bytes, precision, trend, state, rows);
  // Bytes in memory cannot fail to read nor be the echo file; a value
  // beyond single precision is refused.
  Require(code == kInputOk || (code >= kInputNoComment && code <= kInputNotEnoughData && code != 5) ||
              code == kInputValueTooLarge,
          "a documented code other than cannot-open");
  const bool counted = code == kInputOk || code == kInputNotEnoughData;
  Require(counted == (rows >= 0), "rows counted exactly when the numbers were");
  if (code == kInputOk) {
    Require(rows >= trend && state.VariableCount >= 1, "a passing file holds a window");
    ReadLikeTheEncoders(bytes, state.VariableCount, rows);
  }
  return 0;
}
