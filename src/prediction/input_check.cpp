#include "prediction/input_check.h"

#include <cstdint>
#include <cstdio>
#include <memory>

#include "prediction/byte_source.h"
#include "prediction/input_reader.h"

namespace foresta {
namespace {

constexpr std::int64_t kMaxVariables = 100000;
constexpr std::int64_t kNeuronLimit = 100000;
constexpr std::int64_t kMinNeurons = 20;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using OutputFile = std::unique_ptr<std::FILE, FileCloser>;

// Character classes of the data scan.
enum Class { kBlankClass, kSignClass, kDigitClass, kPointClass, kOtherClass };

Class Classify(int c) {
  if (c == ' ' || c == '\t' || c == '\n' || c == '\r') return kBlankClass;
  if (c == '+' || c == '-') return kSignClass;
  if (c >= '0' && c <= '9') return kDigitClass;
  if (c == '.') return kPointClass;
  return kOtherClass;
}

constexpr int kInvalid = -1;
// States: 0 between numbers, 1 after a sign, 2 integer part, 3 after a
// point, 4 fraction. Columns follow Class.
constexpr int kTransitions[5][5] = {
    {0, 1, 2, 3, kInvalid},
    {1, kInvalid, 2, 3, kInvalid},
    {0, kInvalid, 2, 3, kInvalid},
    {kInvalid, kInvalid, 4, kInvalid, kInvalid},
    {0, kInvalid, 4, kInvalid, kInvalid},
};

// First pass: copies what it reads to the echo file and checks the
// characters. Returns 0 when the second pass should run.
int ScanCharacters(const InputTestRequest& request, PredictionState& state) {
  InputReader reader;
  if (!reader.Open(request.inputFile)) return kInputCannotOpen;
  OutputFile echo;
  if (!request.echoFile.empty()) {
    echo.reset(std::fopen(request.echoFile.c_str(), "wb"));
    if (!echo) return kInputCannotOpen;
    std::setvbuf(echo.get(), nullptr, _IOFBF, 1 << 16);
  }
  auto put = [&echo](int c) {
    if (echo) std::fputc(c, echo.get());
  };

  ByteSource& in = reader.source();
  for (int star = 0; star < 2; ++star) {
    int c;
    do {
      c = in.Get();
      if (c == ByteSource::kEnd) {
        return star == 0 ? kInputNoComment : kInputCommentNotClosed;
      }
      put(c);
    } while (c != '*');
  }

  std::uint32_t count = 0;
  reader.ReadCount(count);
  state.VariableCount = count;
  if (echo) std::fprintf(echo.get(), "\n\n%u\n\n", count);
  const bool fits = request.checkSettingLimits
                        ? InputFitsNeuronLimits(count, request.trend, request.precision)
                        : count >= 1 && count <= kMaxVariables;
  if (!fits) return kInputNeuronsOutOfRange;

  int c = in.Get();
  if (c == ByteSource::kEnd) return kInputNoData;
  int stateIndex = 0;
  for (; c != ByteSource::kEnd; c = in.Get()) {
    put(c);
    stateIndex = kTransitions[stateIndex][Classify(c)];
    if (stateIndex == kInvalid) return kInputInvalidCharacter;
  }
  if (echo && std::fflush(echo.get()) != 0) return kInputCannotOpen;
  return kInputOk;
}

// Second pass: counts the numbers and the rows they make.
int CountRows(const InputTestRequest& request, PredictionState& state,
              int& rowCount) {
  InputReader reader;
  if (!reader.Open(request.inputFile)) return kInputCannotOpen;
  if (int code = reader.SkipComment(); code != 0) return code;
  std::uint32_t n = 0;
  bool numeric = reader.ReadCount(n);
  state.VariableCount = n;
  if (!numeric || n < 1 || n > kMaxVariables) return kInputNeuronsOutOfRange;

  std::uint64_t numbers = 0;
  float value = 0;
  for (;;) {
    InputReader::Item item = reader.NextNumber(value);
    if (item == InputReader::Item::kEnd) break;
    if (item == InputReader::Item::kInvalid) return kInputInvalidCharacter;
    ++numbers;
  }
  if (numbers == 0) return kInputNoData;
  if (numbers % n != 0) return kInputLastRowIncomplete;
  std::uint64_t rows = numbers / n;
  rowCount = rows > INT32_MAX ? INT32_MAX : static_cast<int>(rows);
  const int trend = request.checkSettingLimits ? request.trend : 1;
  if (rows < static_cast<std::uint64_t>(trend > 0 ? trend : 0)) {
    return kInputNotEnoughData;
  }
  return kInputOk;
}

}  // namespace

// Products are taken in 64 bits so a large trend or precision can never wrap
// around into a passing value. A negative trend or precision is out of
// range, as it would be read unsigned.
bool InputFitsNeuronLimits(std::int64_t n, int trend, int precision) {
  if (trend < 1 || precision < 1) return false;
  std::int64_t window = n * trend;
  std::int64_t neurons = window * precision;
  return n >= 1 && window < kNeuronLimit && neurons < kNeuronLimit &&
         neurons >= kMinNeurons;
}

int TestInputFile(const InputTestRequest& request, PredictionState& state,
                  int& rowCount) {
  rowCount = -1;
  if (int code = ScanCharacters(request, state); code != kInputOk) return code;
  return CountRows(request, state, rowCount);
}

}  // namespace foresta
